#pragma once

#include <array>

// The web pages the editor links to. The banners point at the projects the
// editor is built with; extras/ADDRESSES.md lists them for the README.

// The About box's "Please visit Orbek Homepage" link.
inline constexpr const char* kHomePageAddress = "https://en.wikipedia.org/wiki/Cricket";

// One address per banner, in banner order.
inline constexpr std::array<const char*, 6> kBannerAddresses{{
    "https://www.qt.io/",
    "https://cmake.org/",
    "https://github.com/google/googletest",
    "https://github.com/CLIUtils/CLI11",
    "https://github.com/nlohmann/json",
    "https://www.debian.org/",
}};

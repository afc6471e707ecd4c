#pragma once

#include "NameGenerator.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace testgame {

// A picture held top row first, one Rgb per pixel.
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Image(int w, int h, Rgb fill = {}) : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
    Rgb& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
    const Rgb& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

// An uncompressed 24-bit Windows bitmap file (BITMAPFILEHEADER and a
// 40-byte BITMAPINFOHEADER, rows bottom-up, each padded to 4 bytes).
std::vector<std::uint8_t> EncodeBmp24(const Image& image);
void WriteBmp24(const std::filesystem::path& path, const Image& image);

} // namespace testgame

#pragma once

// The application's title: message boxes, the caption, the settings keys.
inline constexpr const char* kAppTitle = "Orbek";
// The version text the splash window and the About box show.
inline constexpr const char* kVersionText = "1.0b15 - Feb  3 1999";

#pragma once

#include <optional>

// The state of the keyboard's lock keys, for the status bar's indicators.
struct KeyboardLocks
{
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;

    // Empty where the platform does not report the lock state (Wayland,
    // the offscreen platform); the indicators then stay unlit.
    static std::optional<KeyboardLocks> Query();
};

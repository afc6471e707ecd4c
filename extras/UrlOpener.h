#pragma once

#include <QString>

#include <functional>

// Opens a web address with the desktop's URL handler and answers with a
// result code in the shell's convention: above 32 means opened, 32 and below
// name the failure (see HyperlinkErrorReason).
//
// Tests install their own opener so that no browser is ever started.
using UrlOpenerFunction = std::function<int(const QString& address, int showCommand)>;

// Result code of a successful open.
inline constexpr int kUrlOpened = 33;
// Show command for a normally shown window; the desktop handler decides how
// the browser appears, so the value is passed on but not interpreted.
inline constexpr int kShowNormal = 5;

// The desktop opener: an empty or malformed address gives 2 ("file not
// found"), an address that no program takes gives 31 ("no application
// associated").
int OpenUrlWithDesktop(const QString& address, int showCommand);

// Opens through the installed opener (the desktop one unless replaced).
int OpenUrlThroughOpener(const QString& address, int showCommand);

// Replaces the opener for the whole program; an empty function puts the
// desktop opener back.
void SetUrlOpener(UrlOpenerFunction opener);

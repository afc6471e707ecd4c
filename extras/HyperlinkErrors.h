#pragma once

#include <QString>

// The reason shown for a failed open, by the shell's result code:
// "The specified file was not found." for 2, and so on; any code without a
// text of its own gives "Unknown Error (<code>) occurred.".
QString HyperlinkErrorReason(int resultCode);

// The whole warning text: "Unable to open hyperlink:\n\n" and the reason.
QString HyperlinkErrorMessage(int resultCode);

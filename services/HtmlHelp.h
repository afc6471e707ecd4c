#pragma once

#include <QtGlobal>

class QWidget;

// The command that shows a topic (the only one the editor uses).
inline constexpr unsigned kHelpDisplayTopic = 0;

// Shows a page of the editor's help. `file` is "Orbek.chm" for the contents
// or "Orbek.chm::/Html/<page>.htm" for a topic; the pages are compiled into
// the program and shown in the editor's own help window (created on first
// use, kept for the run). Returns that window, or null, silently, when the
// file, the topic or the command is unknown. `owner` and `data` are
// accepted for the familiar call shape and not used.
QWidget* OpenHtmlHelp(QWidget* owner, const char* file, unsigned command, quintptr data);

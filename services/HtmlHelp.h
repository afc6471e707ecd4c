#pragma once

#include <QtGlobal>

class QAbstractButton;
class QDialogButtonBox;
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

// Gives a window its help page ("Orbek.chm::/Html/<page>.htm"): F1 opens it,
// and so does a "&Help" button added to `buttons` when given. Returns that
// button, or null.
QAbstractButton* AttachHelp(QWidget* window, const char* topic, QDialogButtonBox* buttons = nullptr);

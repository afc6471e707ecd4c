#pragma once

#include <QRect>
#include <QSettings>

class QDialog;
class QSplitter;
class QWidget;

// The main window's placement in the user's profile: organisation "Local
// AppWizard-Generated Applications", application "Orbek", group "Window",
// values "Show", "Left", "Top", "Right", "Bottom". "Show" is numbered as
// Windows numbers show commands, so the values mean the same everywhere.
namespace WindowPlacement {

inline constexpr const char* kCompany = "Local AppWizard-Generated Applications";
inline constexpr const char* kGroup = "Window";

enum ShowCommand : int { kHide = 0, kNormal = 1, kMinimized = 2, kMaximized = 3 };

// The user's settings of the editor (organisation kCompany, application
// "Orbek"): the placement, the recent files and the preferences, each in
// a group of its own.
QSettings Profile();

// The rectangle is the window's normal (restored) placement: its top-left
// corner is the outer corner of the frame, as a window is moved, and its
// size that of the window's inside, as a window is resized. So a window put
// back where it was stored does not creep by its frame at every start.
struct Stored
{
    int show = -1;  // -1: nothing stored, use the default position
    QRect normal;   // left, top, right - left, bottom - top
};

// What the profile holds; a missing side reads as 0.
Stored Read();
// Writes "Show" first, then the four sides of the normal rectangle.
void Write(int show, const QRect& normal);

// Applies a stored placement to a window that is not shown yet. Returns the
// window state to show it in.
Qt::WindowStates Apply(QWidget& window, const Stored& stored);
// The show command and the normal rectangle of a window, as Write wants them.
int CurrentShowCommand(const QWidget& window);
QRect NormalRect(const QWidget& window);

// A resizable dialog keeps the size the user gave it: group "Dialogs",
// values "<objectName>/Width" and "/Height". Call after setupUi; the size is
// applied now (never below the layout's minimum) and written when the
// dialog closes.
void RememberSize(QDialog& dialog);

// A splitter's sizes, in the "Window" group under `key`.
void WriteSplitter(const QSplitter& splitter, const char* key);
void ReadSplitter(QSplitter& splitter, const char* key);

} // namespace WindowPlacement

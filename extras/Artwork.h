#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The editor's own pictures, compiled in from res/extras.qrc. Every bitmap
// exists at 100 % and at 200 % ("name@2x.png"); the loaders pick the sharper
// one when any screen scales by more than 100 %, and the returned pixmap
// keeps its size in logical pixels (deviceIndependentSize()).

// ":/extras/<name>.png" (or its @2x twin); a null pixmap when there is none.
QPixmap LoadArtwork(const QString& name);

// A picture named the way the credits table names it ("SMALLSPLASH"):
// the name is looked up in lower case. Null when there is no such picture.
QPixmap LoadBitmapResource(const QString& resourceName);

// The hand shown over links (cursor resource 134), hot spot on the fingertip.
QCursor LinkCursor();

// The application icon "orbek" for windows and the task bar.
QIcon OrbekIcon();

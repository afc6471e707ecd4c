#pragma once

#include <QString>

#include <string>

// The photo file of a player: the game folder, "GFX", "PHOTOS", then the
// player's display name and ".BMP". A game folder copied from Windows may
// spell the folders and files in any case, so on a case-sensitive file
// system an existing entry that differs only in case is used.
struct PhotoPath
{
    QString path;  // empty when no path can be built
    QString error; // why not, as a message for the user

    bool ok() const { return error.isEmpty(); }
};

// displayName is game text (Windows-1252 bytes). A name that holds a path
// separator or another character that a file name cannot hold, or that is a
// reserved device name, builds no path: it could otherwise reach outside
// the photo folder.
PhotoPath PlayerPhotoPath(const QString& gameFolder, const std::string& displayName);

// The game's photo folder ("GFX/PHOTOS", spelt as on disk), whether it
// exists or not; empty without a game folder.
QString PhotoFolder(const QString& gameFolder);

// True when `name` can be a file name on Windows and elsewhere.
bool IsUsableFileName(const QString& name);

// The entry of `folder` called `name`, compared without regard to case when
// no entry has exactly that name; `name` itself when none matches.
QString MatchExistingName(const QString& folder, const QString& name);

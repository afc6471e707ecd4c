#pragma once

#include <QImage>
#include <QString>

#include <string>

class QWidget;

// Puts a chosen bitmap file in place as a player's photo: it must load as a
// bitmap and measure 60 x 70 pixels; an existing photo is replaced only
// when the user agrees; the file is written safely (a failed copy leaves
// the old photo whole). Every refusal and failure shows its message.
namespace PlayerPhoto {

inline constexpr int kWidth = 60;
inline constexpr int kHeight = 70;

// True when the photo was installed; `photo` then holds the new picture.
bool Install(QWidget* parent, const QString& chosenFile, const QString& photoFile, const QString& displayName,
    QImage& photo);

// A renamed player keeps his photo: when a photo exists under the old
// display name (game text) and none under the new one, it is copied to the
// new name. The old file stays, as another player or an undo may use it.
// Returns the message of a failed copy, or an empty string.
QString FollowRename(const QString& gameFolder, const std::string& oldName, const std::string& newName);

} // namespace PlayerPhoto

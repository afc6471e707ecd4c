#pragma once

#include <QImage>
#include <QString>

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

} // namespace PlayerPhoto

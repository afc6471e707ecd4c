#include "PlayerPhoto.h"

#include "LoadBitmapFile.h"
#include "PhotoPath.h"

#include "services/MessageService.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace PlayerPhoto {

namespace {

bool SameFile(const QString& a, const QString& b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

} // namespace

bool Install(QWidget* parent, const QString& chosenFile, const QString& photoFile, const QString& displayName,
    QImage& photo)
{
    const QByteArray bytes = ReadBitmapFileBytes(chosenFile);
    QImage bitmap;
    if (!LoadBitmapData(bytes, bitmap)) {
        Messages().ShowMessage(parent, QStringLiteral("Error accessing photo file."));
        return false;
    }
    if (bitmap.width() != kWidth || bitmap.height() != kHeight) {
        Messages().ShowMessage(parent, QStringLiteral("Photo must be 60 pixels wide and 70 pixels high!"));
        return false;
    }
    if (QFileInfo::exists(photoFile)) {
        const auto answer = Messages().ShowMessage(parent,
            QStringLiteral("Photo file for player %1 alreay exists. Do you want to replace it?").arg(displayName),
            IMessageService::Buttons::YesNo, IMessageService::Icon::Question);
        if (answer != IMessageService::Answer::Yes)
            return false;
    }
    // Choosing the photo file itself leaves nothing to copy.
    if (!SameFile(chosenFile, photoFile)) {
        QSaveFile file(photoFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
            Messages().ShowMessage(parent,
                QStringLiteral("The photo could not be copied to \"%1\": %2.")
                    .arg(QDir::toNativeSeparators(photoFile), file.errorString()),
                IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
            return false;
        }
    }
    photo = std::move(bitmap);
    return true;
}

QString FollowRename(const QString& gameFolder, const std::string& oldName, const std::string& newName)
{
    if (oldName == newName)
        return {};
    const PhotoPath from = PlayerPhotoPath(gameFolder, oldName);
    const PhotoPath to = PlayerPhotoPath(gameFolder, newName);
    if (!from.ok() || !to.ok() || !QFileInfo::exists(from.path) || QFileInfo::exists(to.path))
        return {};
    QFile source(from.path);
    QSaveFile target(to.path);
    QByteArray bytes;
    if (source.open(QIODevice::ReadOnly))
        bytes = source.readAll();
    const QString error = source.error() != QFileDevice::NoError ? source.errorString()
        : !target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() || !target.commit()
        ? target.errorString()
        : QString();
    if (error.isEmpty())
        return {};
    return QStringLiteral("The photo \"%1\" could not be copied to \"%2\" for the new name: %3.")
        .arg(QDir::toNativeSeparators(from.path), QDir::toNativeSeparators(to.path), error);
}

} // namespace PlayerPhoto

#include "PhotoPath.h"

#include "gamedata/Cp1252.h"

#include <QDir>
#include <QRegularExpression>

bool IsUsableFileName(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (const QChar ch : name) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F || QStringLiteral("<>:\"/\\|?*").contains(ch))
            return false;
    }
    // Windows keeps these names for devices, whatever follows them.
    static const QRegularExpression reserved(QStringLiteral(R"(^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])\s*(\..*)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    return !reserved.match(name).hasMatch();
}

QString MatchExistingName(const QString& folder, const QString& name)
{
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (entries.contains(name))
        return name;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

PhotoPath PlayerPhotoPath(const QString& gameFolder, const std::string& displayName)
{
    if (gameFolder.isEmpty())
        return {{}, QStringLiteral("The game folder is not set, so there is no photo folder.")};

    const QString name = QString::fromStdString(Cp1252::ToUtf8(displayName));
    const QString fileName = name + QStringLiteral(".BMP");
    if (!IsUsableFileName(fileName))
        return {{}, QStringLiteral("No photo can be stored for \"%1\": the name holds a character that a file name cannot hold.")
                        .arg(name)};

    const QString folder = PhotoFolder(gameFolder);
    return {QDir::toNativeSeparators(folder + QLatin1Char('/') + MatchExistingName(folder, fileName)), {}};
}

QString PhotoFolder(const QString& gameFolder)
{
    if (gameFolder.isEmpty())
        return {};
    QString path = QDir::cleanPath(gameFolder);
    for (const QString& part : {QStringLiteral("GFX"), QStringLiteral("PHOTOS")})
        path += QLatin1Char('/') + MatchExistingName(path, part);
    return path;
}

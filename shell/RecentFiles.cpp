#include "RecentFiles.h"

#include "services/WindowPlacement.h"

#include <QFileInfo>

namespace {

constexpr const char* kGroup = "Recent File List";

QString Key(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

// Windows file names match in any letter case.
constexpr Qt::CaseSensitivity kPathCase =
#if defined(Q_OS_WIN)
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

QString Normalised(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

QStringList Without(const QStringList& files, const QString& path)
{
    QStringList kept;
    for (const QString& file : files)
        if (file.compare(path, kPathCase) != 0)
            kept << file;
    return kept;
}

void Write(const QStringList& files)
{
    QSettings settings = WindowPlacement::Profile();
    settings.remove(QString::fromLatin1(kGroup));
    settings.beginGroup(QString::fromLatin1(kGroup));
    for (int i = 0; i < files.size() && i < RecentFiles::kMaxCount; ++i)
        settings.setValue(Key(i), files[i]);
}

} // namespace

namespace RecentFiles {

QStringList Read()
{
    QSettings settings = WindowPlacement::Profile();
    settings.beginGroup(QString::fromLatin1(kGroup));
    QStringList files;
    // A hand-edited list may have gaps or repeats: they are skipped.
    for (int i = 0; i < kMaxCount; ++i) {
        const QString file = settings.value(Key(i)).toString();
        if (!file.isEmpty() && Without(files, Normalised(file)).size() == files.size())
            files << Normalised(file);
    }
    return files;
}

void Add(const QString& path)
{
    const QString file = Normalised(path);
    Write(QStringList{file} + Without(Read(), file));
}

void Remove(const QString& path)
{
    Write(Without(Read(), Normalised(path)));
}

} // namespace RecentFiles

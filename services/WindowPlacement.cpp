#include "WindowPlacement.h"

#include "AppTitle.h"

#include <QDialog>
#include <QSettings>
#include <QSplitter>
#include <QWidget>

QSettings WindowPlacement::Profile()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(WindowPlacement::kCompany),
        QString::fromLatin1(kAppTitle));
}

namespace {

int ReadInt(QSettings& settings, const char* key, int fallback)
{
    bool ok = false;
    const int value = settings.value(QString::fromLatin1(key)).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

namespace WindowPlacement {

Stored Read()
{
    QSettings settings = Profile();
    settings.beginGroup(QString::fromLatin1(kGroup));
    Stored stored;
    stored.show = ReadInt(settings, "Show", -1);
    const int left = ReadInt(settings, "Left", 0);
    const int top = ReadInt(settings, "Top", 0);
    const int right = ReadInt(settings, "Right", 0);
    const int bottom = ReadInt(settings, "Bottom", 0);
    stored.normal = QRect(left, top, right - left, bottom - top);
    return stored;
}

void Write(int show, const QRect& normal)
{
    QSettings settings = Profile();
    settings.beginGroup(QString::fromLatin1(kGroup));
    settings.setValue(QStringLiteral("Show"), show);
    settings.setValue(QStringLiteral("Left"), normal.left());
    settings.setValue(QStringLiteral("Top"), normal.top());
    settings.setValue(QStringLiteral("Right"), normal.left() + normal.width());
    settings.setValue(QStringLiteral("Bottom"), normal.top() + normal.height());
}

Qt::WindowStates Apply(QWidget& window, const Stored& stored)
{
    if (stored.show == -1)
        return Qt::WindowNoState;
    // A negative width or height counts as none; the window's minimum size applies.
    window.move(stored.normal.topLeft());
    window.resize(std::max(0, stored.normal.width()), std::max(0, stored.normal.height()));
    switch (stored.show) {
    case kMinimized:
    case 6:  // SW_MINIMIZE
    case 7:  // SW_SHOWMINNOACTIVE
        return Qt::WindowMinimized;
    case kMaximized:
        return Qt::WindowMaximized;
    default:
        // Hidden (0) or any other command: a main window that never shows
        // could not be closed again, so it comes back normal.
        return Qt::WindowNoState;
    }
}

QRect NormalRect(const QWidget& window)
{
    if (!window.isMaximized() && !window.isMinimized())
        return QRect(window.pos(), window.size());
    // normalGeometry() is the inside; the frame is taken as it is now.
    const QRect normal = window.normalGeometry();
    const QPoint frame = window.geometry().topLeft() - window.frameGeometry().topLeft();
    return QRect(normal.topLeft() - frame, normal.size());
}

int CurrentShowCommand(const QWidget& window)
{
    if (window.isMinimized())
        return kMinimized;
    if (window.isMaximized())
        return kMaximized;
    return kNormal;
}

void RememberSize(QDialog& dialog)
{
    const QString group = QStringLiteral("Dialogs/") + dialog.objectName() + QLatin1Char('/');
    {
        QSettings settings = Profile();
        const int width = ReadInt(settings, (group + QStringLiteral("Width")).toLatin1().constData(), -1);
        const int height = ReadInt(settings, (group + QStringLiteral("Height")).toLatin1().constData(), -1);
        if (width > 0 && height > 0)
            dialog.resize(QSize(width, height).expandedTo(dialog.minimumSizeHint()));
    }
    QObject::connect(&dialog, &QDialog::finished, &dialog, [&dialog, group] {
        QSettings settings = Profile();
        settings.setValue(group + QStringLiteral("Width"), dialog.width());
        settings.setValue(group + QStringLiteral("Height"), dialog.height());
    });
}

void WriteSplitter(const QSplitter& splitter, const char* key)
{
    QSettings settings = Profile();
    settings.beginGroup(QString::fromLatin1(kGroup));
    QStringList sizes;
    for (const int size : splitter.sizes())
        sizes << QString::number(size);
    settings.setValue(QString::fromLatin1(key), sizes.join(QLatin1Char(',')));
}

void ReadSplitter(QSplitter& splitter, const char* key)
{
    QSettings settings = Profile();
    settings.beginGroup(QString::fromLatin1(kGroup));
    const QStringList texts = settings.value(QString::fromLatin1(key)).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    QList<int> sizes;
    for (const QString& text : texts) {
        bool ok = false;
        const int size = text.toInt(&ok);
        if (!ok || size < 0)
            return; // a damaged value: the default division stays
        sizes << size;
    }
    if (sizes.size() == splitter.count())
        splitter.setSizes(sizes);
}

} // namespace WindowPlacement

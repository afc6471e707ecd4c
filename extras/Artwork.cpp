#include "extras/Artwork.h"

#include <QFile>
#include <QGuiApplication>

// Q_INIT_RESOURCE must be used outside any namespace. Calling it from code
// that every user of the pictures goes through also keeps the linker from
// dropping the resource object out of the static library.
static void InitExtrasResources()
{
    static const bool initialised = [] {
        Q_INIT_RESOURCE(extras);
        return true;
    }();
    (void)initialised;
}

namespace {

bool PreferDoubleResolution()
{
    return qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0;
}

} // namespace

QPixmap LoadArtwork(const QString& name)
{
    InitExtrasResources();
    const QString base = QStringLiteral(":/extras/") + name;
    if (PreferDoubleResolution() && QFile::exists(base + QStringLiteral("@2x.png"))) {
        QPixmap sharp(base + QStringLiteral("@2x.png"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(base + QStringLiteral(".png"));
}

QPixmap LoadBitmapResource(const QString& resourceName)
{
    // A name with path characters could reach outside our pictures.
    if (resourceName.isEmpty() || resourceName.contains(QLatin1Char('/'))
        || resourceName.contains(QLatin1Char('@'))) {
        return {};
    }
    return LoadArtwork(resourceName.toLower());
}

QCursor LinkCursor()
{
    const QPixmap hand = LoadArtwork(QStringLiteral("linkcursor"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    // The fingertip sits at (10, 1) of the 32 x 32 picture.
    return QCursor(hand, 10, 1);
}

QIcon OrbekIcon()
{
    InitExtrasResources();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/extras/icons/orbek-%1.png").arg(size), QSize(size, size));
    return icon;
}

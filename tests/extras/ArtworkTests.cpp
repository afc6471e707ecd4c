// The editor's own pictures: sharp twins, the link cursor, the icon.
#include "extras/Artwork.h"

#include <QDirIterator>
#include <QImage>
#include <QtTest>

class ArtworkTests : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureHasASharpTwinOfDoubleSize()
    {
        int pictures = 0;
        for (QDirIterator it(QStringLiteral(":/extras"), {QStringLiteral("*.png")}); it.hasNext(); ++pictures) {
            const QString name = QFileInfo(it.next()).completeBaseName();
            if (name.endsWith(QLatin1String("@2x")))
                continue;
            const QSize size = QImage(it.filePath()).size();
            QCOMPARE(LoadArtwork(name).deviceIndependentSize().toSize(), size);
            QCOMPARE(QImage(QStringLiteral(":/extras/%1@2x.png").arg(name)).size(), size * 2);
        }
        QVERIFY(pictures >= 18);
        QVERIFY(LoadArtwork(QStringLiteral("nosuchpicture")).isNull());
    }

    void theLinkCursorPointsWithItsFingertip()
    {
        const QCursor cursor = LinkCursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        const QImage hand = cursor.pixmap().toImage();
        QVERIFY(qAlpha(hand.pixel(cursor.hotSpot())) > 0); // the tip of the finger
        QCOMPARE(qAlpha(hand.pixel(cursor.hotSpot() - QPoint(cursor.hotSpot().x(), 0))), 0); // left of it
    }

    void theApplicationIconComesInEveryDesktopSize()
    {
        const QList<QSize> sizes = OrbekIcon().availableSizes();
        for (const int side : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QStringLiteral("missing %1").arg(side)));
    }
};

QTEST_MAIN(ArtworkTests)
#include "ArtworkTests.moc"

#include "extras/Artwork.h"

#include <QImage>
#include <QtTest>

class ArtworkTest : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureHasASharpTwinOfDoubleSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("splash") << "splash" << QSize(320, 200);
        QTest::newRow("credits picture") << "smallsplash" << QSize(240, 150);
        QTest::newRow("link cursor") << "linkcursor" << QSize(32, 32);
        QTest::newRow("banner 1") << "banner1" << QSize(562, 60);
        QTest::newRow("banner 2") << "banner2" << QSize(330, 66);
        QTest::newRow("banner 3") << "banner3" << QSize(330, 66);
        QTest::newRow("banner 4") << "banner4" << QSize(138, 66);
        QTest::newRow("banner 5") << "banner5" << QSize(443, 60);
        QTest::newRow("banner 6") << "banner6" << QSize(500, 70);
    }

    void everyPictureHasASharpTwinOfDoubleSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(LoadArtwork(name).deviceIndependentSize().toSize(), size);
        QCOMPARE(QImage(QStringLiteral(":/extras/%1@2x.png").arg(name)).size(), size * 2);
        QVERIFY(LoadArtwork(QStringLiteral("nosuchpicture")).isNull());
    }

    void theLinkCursorPointsWithItsFingertip()
    {
        const QCursor cursor = LinkCursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(10, 1));
        const QImage hand = cursor.pixmap().toImage();
        QVERIFY(qAlpha(hand.pixel(10, 1)) > 0); // the tip of the finger
        QCOMPARE(qAlpha(hand.pixel(1, 1)), 0);  // transparent around it
    }

    void theApplicationIconComesInEveryDesktopSize()
    {
        const QList<QSize> sizes = OrbekIcon().availableSizes();
        for (const int side : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QStringLiteral("missing %1").arg(side)));
    }
};

QTEST_MAIN(ArtworkTest)
#include "tst_artwork.moc"

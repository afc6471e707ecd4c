#include "ScriptedMessageService.h"
#include "extras/Artwork.h"
#include "extras/CSplashWnd.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QtTest>

namespace {

const QString kVersion = QStringLiteral("1.0b15 - Feb  3 1999");

QPointer<CSplashWnd> ShowTestSplash(const QString& picture, const QString& text)
{
    return CSplashWnd::ShowSplash(picture, 3500, text, QPoint(200, 120), Qt::white, Qt::black);
}

// The picture area of a splash, without its edge; closes the splash.
QImage Inner(QPointer<CSplashWnd> splash)
{
    if (splash.isNull())
        return {};
    const int edge = CSplashWnd::kEdge;
    const QImage inner = splash->grab(QRect(edge, edge, 320, 200)).toImage().convertToFormat(QImage::Format_RGB32);
    delete splash;
    return inner;
}

} // namespace

// The splash screen: place, time, what removes it, the version text.
class SplashTests : public QObject
{
    Q_OBJECT

private slots:
    void theSplashIsACentredFramelessPictureThatGoesAfter3500Ms()
    {
        QPointer<CSplashWnd> splash = CSplashWnd::ShowStartupSplash(kVersion);
        QVERIFY(splash && splash->isVisible());
        QCOMPARE(splash->size(), QSize(320 + 2 * CSplashWnd::kEdge, 200 + 2 * CSplashWnd::kEdge));
        QCOMPARE(splash->geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        QVERIFY(splash->windowFlags().testFlags(Qt::SplashScreen | Qt::FramelessWindowHint));
        QTest::qWait(3000);
        QVERIFY(splash && splash->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 2500); // it deletes itself
    }

    void aKeyOrAMouseButtonOverTheSplashRemovesItAtOnceAndIsEaten()
    {
        const std::pair<Qt::MouseButton, bool> buttons[] = {
            {Qt::LeftButton, true}, {Qt::RightButton, true}, {Qt::MiddleButton, true}, {Qt::BackButton, false}};
        for (const auto& [button, removes] : buttons) {
            QPointer<CSplashWnd> splash = ShowTestSplash(QStringLiteral("splash"), kVersion);
            QVERIFY(splash);
            const QPointF at(50, 50);
            QMouseEvent press(QEvent::MouseButtonPress, at, splash->mapToGlobal(at), button, button, Qt::NoModifier);
            press.setAccepted(false);
            QApplication::sendEvent(splash, &press);
            QCOMPARE(splash->isVisible(), !removes);
            QVERIFY(!removes || press.isAccepted());
            delete splash;
        }
        QPointer<CSplashWnd> splash = ShowTestSplash(QStringLiteral("splash"), kVersion);
        QTest::keyClick(splash, Qt::Key_Space);
        QTRY_VERIFY(splash.isNull());
    }

    void anUnloadablePictureShowsNothingAndSaysNothing()
    {
        ScriptedMessageService messages;
        const auto windowsBefore = QApplication::topLevelWidgets().size();
        QVERIFY(ShowTestSplash(QStringLiteral("nosuchpicture"), kVersion).isNull());
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
        QVERIFY(messages.requests.empty());
        QCOMPARE(messages.beeps, 0);
    }

    void theVersionTextIsDrawnInWhiteFromItsPointOverThePicture()
    {
        QImage picture(320, 200, QImage::Format_RGB32); // the picture on the black background
        picture.fill(Qt::black);
        QPainter(&picture).drawPixmap(0, 0, LoadArtwork(QStringLiteral("splash")));
        QCOMPARE(Inner(ShowTestSplash(QStringLiteral("splash"), QString())), picture); // no text: the picture alone

        const QImage texted = Inner(ShowTestSplash(QStringLiteral("splash"), kVersion));
        int changed = 0; // only right of and below (200, 120), and only ever lighter
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 320; ++x) {
                if (texted.pixel(x, y) == picture.pixel(x, y))
                    continue;
                QVERIFY2(x >= 200 && y >= 120, qPrintable(QStringLiteral("changed at %1,%2").arg(x).arg(y)));
                QVERIFY(texted.pixelColor(x, y).lightness() > picture.pixelColor(x, y).lightness());
                ++changed;
            }
        }
        QVERIFY(changed > 50);
    }
};

QTEST_MAIN(SplashTests)
#include "SplashTests.moc"

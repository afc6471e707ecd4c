#include "ScriptedMessages.h"
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

QPointer<CSplashWnd> ShowTestSplash(const QString& text)
{
    return CSplashWnd::ShowSplash(QStringLiteral("splash"), 3500, text, QPoint(200, 120), Qt::white, Qt::black);
}

} // namespace

class SplashTest : public QObject
{
    Q_OBJECT

private slots:
    void theSplashIsACentredPictureOutsideTheTaskBar()
    {
        QPointer<CSplashWnd> splash = CSplashWnd::ShowStartupSplash(kVersion);
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        const int edge = CSplashWnd::kEdge;
        QCOMPARE(splash->size(), QSize(320 + 2 * edge, 200 + 2 * edge));
        QCOMPARE(splash->geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        QVERIFY(splash->windowFlags().testFlag(Qt::SplashScreen));
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash->DisplayTime(), 3500u);
        QVERIFY(splash->Timer().isActive());
        QVERIFY(splash->Timer().isSingleShot());
        QCOMPARE(splash->Timer().interval(), 3500);
        delete splash;
    }

    void aMouseButtonOverTheSplashRemovesItAtOnceAndIsEaten_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }

    void aMouseButtonOverTheSplashRemovesItAtOnceAndIsEaten()
    {
        QFETCH(int, button);
        QPointer<CSplashWnd> splash = ShowTestSplash(kVersion);
        QVERIFY(splash);
        const QPointF at(50, 50);
        QMouseEvent press(QEvent::MouseButtonPress, at, splash->mapToGlobal(at), Qt::MouseButton(button),
            Qt::MouseButton(button), Qt::NoModifier);
        press.setAccepted(false);
        QApplication::sendEvent(splash, &press);
        QVERIFY(press.isAccepted());
        QVERIFY(!splash->isVisible());
        QTRY_VERIFY(splash.isNull()); // it deletes itself
    }

    void anotherMouseButtonLeavesTheSplashUp()
    {
        QPointer<CSplashWnd> splash = ShowTestSplash(kVersion);
        QVERIFY(splash);
        const QPointF at(50, 50);
        QMouseEvent press(QEvent::MouseButtonPress, at, splash->mapToGlobal(at), Qt::BackButton, Qt::BackButton,
            Qt::NoModifier);
        QApplication::sendEvent(splash, &press);
        QVERIFY(splash->isVisible());
        delete splash;
    }

    void aKeyRemovesTheSplash()
    {
        QPointer<CSplashWnd> splash = ShowTestSplash(kVersion);
        QVERIFY(splash);
        QTest::keyClick(splash, Qt::Key_Space);
        QTRY_VERIFY(splash.isNull());
    }

    void withoutInputTheSplashGoesAfterItsDisplayTime()
    {
        QPointer<CSplashWnd> splash = CSplashWnd::ShowStartupSplash(kVersion);
        QVERIFY(splash);
        QTest::qWait(3000);
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 2500);
    }

    void anUnloadablePictureShowsNothingAndSaysNothing()
    {
        ScriptedMessages messages;
        const int windowsBefore = int(QApplication::topLevelWidgets().size());
        CSplashWnd* splash = CSplashWnd::ShowSplash(
            QStringLiteral("nosuchpicture"), 3500, kVersion, QPoint(200, 120), Qt::white, Qt::black);
        QVERIFY(splash == nullptr);
        QCOMPARE(int(QApplication::topLevelWidgets().size()), windowsBefore);
        QVERIFY(messages.shown.empty());
        QCOMPARE(messages.beeps, 0);
    }

    void anEmptyTextShowsThePictureAlone()
    {
        // What the picture looks like on the black background.
        QImage picture(320, 200, QImage::Format_RGB32);
        picture.fill(Qt::black);
        QPainter onBlack(&picture);
        onBlack.drawPixmap(0, 0, LoadArtwork(QStringLiteral("splash")));
        onBlack.end();
        const int edge = CSplashWnd::kEdge;

        QPointer<CSplashWnd> plain = ShowTestSplash(QString());
        QVERIFY(plain);
        const QImage inner = plain->grab(QRect(edge, edge, 320, 200)).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(inner, picture);
        delete plain;

        QPointer<CSplashWnd> withText = ShowTestSplash(kVersion);
        QVERIFY(withText);
        const QImage texted
            = withText->grab(QRect(edge, edge, 320, 200)).toImage().convertToFormat(QImage::Format_RGB32);
        delete withText;
        // The text changes pixels right of and below (200, 120) only, and
        // being white it only ever lightens them.
        int changed = 0;
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

QTEST_MAIN(SplashTest)
#include "tst_splash.moc"

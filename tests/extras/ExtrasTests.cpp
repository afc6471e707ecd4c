// The presentation extras: the link label, the banner pane of links, the
// About box and its scrolling credits, the splash screen.
#include "ScriptedMessageService.h"
#include "extras/Artwork.h"
#include "extras/CAboutDlg.h"
#include "extras/CBannerView.h"
#include "extras/CCreditsScroller.h"
#include "extras/CHyperlinkStatic.h"
#include "extras/CSplashWnd.h"
#include "extras/UrlOpener.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QtTest>

namespace {

// Answers every web address with a fixed result code, so that no browser is
// ever started, and notes "address showCommand" of each, while it lives.
struct ScriptedOpener
{
    explicit ScriptedOpener(int code)
    {
        SetUrlOpener([this, code](const QString& address, int show) {
            opened << address + ' ' + QString::number(show);
            return code;
        });
    }
    ~ScriptedOpener() { SetUrlOpener({}); }
    QStringList opened;
};

// Gives the link its text and address and attaches it, as its dialog does.
void Attach(CHyperlinkStatic& link, const QString& text, const QString& url = {})
{
    link.setText(text);
    link.SetUrl(url);
    link.Attach();
}

const QChar kPicture(8), kName(12);
const QSize kPanel(312, 168);
const QColor kPictureColour(10, 200, 30);
const QString kVersion = QStringLiteral("1.0b15 - Feb  3 1999");

// "PIC" loads as a solid picture of 240 x 150; nothing else loads.
CCreditsScroller MakeScroller(std::vector<QString> credits)
{
    return CCreditsScroller(std::move(credits), kPanel, [](const QString& name) {
        QPixmap picture;
        if (name == QLatin1String("PIC")) {
            picture = QPixmap(240, 150);
            picture.fill(kPictureColour);
        }
        return picture;
    });
}

// Ticks until the line index moves on; returns how many ticks it took.
int TicksUntilNextLine(CCreditsScroller& scroller)
{
    const int index = scroller.LineIndex();
    for (int ticks = 1; ticks <= 200; ++ticks) {
        scroller.Tick();
        if (scroller.LineIndex() != index)
            return ticks;
    }
    return -1;
}

QPointer<CSplashWnd> ShowTestSplash(const QString& picture, const QString& text)
{
    return CSplashWnd::ShowSplash(picture, 3500, text, QPoint(200, 120), Qt::white, Qt::black);
}

} // namespace

class ExtrasTests : public QObject
{
    Q_OBJECT

private slots:
    void attachFillsTheMissingTextOrAddressAndShowsTheAddressAsToolTip()
    {
        const QString address = QStringLiteral("https://example.org/page");
        struct Case { QString text, url, shownText; };
        const Case cases[]{{address, {}, address}, {{}, address, address}, {"Visit us", address, "Visit us"}};
        for (const Case& c : cases) {
            CHyperlinkStatic link;
            Attach(link, c.text, c.url);
            QCOMPARE(link.text(), c.shownText);
            QCOMPARE(link.Url(), address);
            QCOMPARE(link.toolTip(), address);
        }
        CHyperlinkStatic link;
        Attach(link, address);
        // The arrow stays until the owner hands over our link cursor, a picture.
        QCOMPARE(link.cursor().shape(), Qt::ArrowCursor);
        link.SetLinkCursor(LinkCursor());
        QCOMPARE(link.cursor().shape(), Qt::BitmapCursor);
    }

    void onlyALeftClickInsideOpensTheAddressAndMarksTheLinkVisited()
    {
        ScriptedMessageService messages;
        ScriptedOpener opener(42);
        CHyperlinkStatic link;
        link.resize(100, 20);
        Attach(link, QStringLiteral("Open me"), QStringLiteral("https://example.org/a"));
        QTest::mouseClick(&link, Qt::RightButton, {}, QPoint(10, 10));
        QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(300, 10));
        QVERIFY(opener.opened.isEmpty());
        QVERIFY(!link.IsVisited() && link.CurrentTextStyle().colour == link.LinkColour());

        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(opener.opened, QStringList{QStringLiteral("https://example.org/a 5")}); // shown normally
        QVERIFY(link.IsVisited() && messages.beeps == 0 && messages.requests.empty());
        QCOMPARE(link.CurrentTextStyle().colour, link.VisitedColour()); // drawn in the colour of its state
    }

    void aFailedOpenBeepsGivesTheReasonAndClearsTheVisit()
    {
        const std::pair<int, const char*> reasons[]{
            {2, "The specified file was not found."},
            {32, "The specified dynamic-link library was not found."}, // still a failure
            {-7, "Unknown Error (-7) occurred."},
        };
        for (const auto& [code, reason] : reasons) {
            ScriptedMessageService messages;
            ScriptedOpener opener(code);
            CHyperlinkStatic link;
            Attach(link, QStringLiteral("https://example.org/"));
            link.SetVisited(true);
            link.OnClicked();
            QCOMPARE(messages.MessageTexts(), QStringList{QStringLiteral("Unable to open hyperlink:\n\n") + reason});
            QVERIFY(messages.beeps == 1 && !link.IsVisited());
        }
        QCOMPARE(OpenUrlWithDesktop(QString(), kShowNormal), 2); // "file not found" for no address
        QCOMPARE(OpenUrlWithDesktop(QStringLiteral("   "), kShowNormal), 2);
    }

    void sixBannersCycleEvery30SecondsEachCentredWithItsOwnAddressOpenedByAClick()
    {
        ScriptedMessageService messages;
        ScriptedOpener opener(42);
        CBannerView view;
        view.show();
        view.resize(800, 100);
        QVERIFY(view.CycleTimer().isActive());
        QCOMPARE(view.CycleTimer().interval(), 30000);
        QSet<QString> addresses;
        for (int banner = 0; banner < 6; ++banner, view.OnTimer()) {
            QCOMPARE(view.CurrentBanner(), banner);
            const QSize size = view.Link().pixmap().deviceIndependentSize().toSize();
            QCOMPARE(view.Link().geometry(), QRect(QPoint((800 - size.width()) / 2, (100 - size.height()) / 2), size));
            QVERIFY(view.Link().Url().startsWith(QLatin1String("https://")));
            addresses.insert(view.Link().Url());
            QTest::mouseClick(&view.Link(), Qt::LeftButton, {}, QPoint(20, 20));
            QCOMPARE(opener.opened.takeFirst(), view.Link().Url() + " 5");
        }
        QVERIFY(addresses.size() == 6 && messages.requests.empty());
        QCOMPARE(view.CurrentBanner(), 0); // after three minutes
    }

    // As the user sees the credits: a picture scrolls in at the bottom and
    // holds the next line back until it is all in; lines move up, leave at the
    // top, and the table starts again.
    void theCreditsScrollUpAndStartAgain()
    {
        const QString picture = QStringLiteral("PIC") + kPicture, name = QStringLiteral("Name") + kName;
        CCreditsScroller scroller = MakeScroller({picture, name, QString()});
        TicksUntilNextLine(scroller);
        for (int tick = 0; tick < 9; ++tick)
            scroller.Tick();
        QImage panel(kPanel, QImage::Format_RGB32); // 20 rows are in, shown at the bottom
        QPainter painter(&panel);
        scroller.Paint(painter);
        painter.end();
        for (const auto& [x, y, colour] : {std::tuple{156, 167, kPictureColour}, {156, 148, kPictureColour},
                 {156, 147, QColor(Qt::black)}, {10, 167, QColor(Qt::black)}}) // beside the centred picture
            QCOMPARE(panel.pixelColor(x, y), colour);

        TicksUntilNextLine(scroller);
        QCOMPARE(scroller.CurrentLine(), name);
        const CCreditsScroller::Item& shownPicture = scroller.Items().front();
        QVERIFY(shownPicture.top + shownPicture.height <= kPanel.height());
        const int top = scroller.Items().back().top;
        scroller.Tick();
        QVERIFY(scroller.Items().back().top < top);
        int ticks = 0;
        while (scroller.CurrentLine() != picture && ++ticks < 1000)
            scroller.Tick();
        QVERIFY(ticks < 1000);
        for (ticks = 0; ticks < 2000; ++ticks)
            scroller.Tick();
        QVERIFY(scroller.Items().size() <= 10); // what has left at the top is dropped
    }

    void theBoxShowsTheVersionAndHomeLinkAndScrollsTheCreditsFromShowUntilOk()
    {
        CAboutDlg about;
        about.SetVersionText(kVersion);
        QCOMPARE(about.VersionLabel().text(), kVersion);
        QVERIFY(about.HomeLink().Url().startsWith(QLatin1String("https://")));
        QVERIFY(!about.IsScrolling());
        about.show();
        QVERIFY(about.IsScrolling());
        QTRY_VERIFY_WITH_TIMEOUT(about.Scroller().LineIndex() > 0, 3000); // the real timer moves them on
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("buttonOk")), Qt::LeftButton);
        QVERIFY(!about.IsScrolling() && !about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void aMissingCreditsPictureStopsTheCreditsWithAMessage()
    {
        ScriptedMessageService messages;
        CAboutDlg about(nullptr, [](const QString&) { return QPixmap(); });
        about.show();
        for (int tick = 1; tick <= 15; ++tick)
            about.OnTimer();
        QVERIFY(!about.IsScrolling());
        QCOMPARE(messages.MessageTexts(), QStringList{"Could not find bitmap resource \"SMALLSPLASH\". Be sure to "
                                                      "assign the bitmap a QUOTED resource name"});
        QVERIFY(about.isVisible()); // the box stays open
    }

    void theSplashIsACentredFramelessPictureThatGoesAfter3500Ms()
    {
        QPointer<CSplashWnd> splash = CSplashWnd::ShowStartupSplash(kVersion);
        QVERIFY(splash && splash->isVisible());
        QCOMPARE(splash->geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        QVERIFY(splash->windowFlags().testFlags(Qt::SplashScreen | Qt::FramelessWindowHint));
        QTest::qWait(3000);
        QVERIFY(splash && splash->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 2500); // it deletes itself
    }

    void aKeyOrAMouseButtonOverTheSplashRemovesItAtOnceAndIsEaten()
    {
        const std::pair<Qt::MouseButton, bool> buttons[] = {{Qt::RightButton, true}, {Qt::BackButton, false}};
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
        // An unloadable picture shows nothing and says nothing.
        ScriptedMessageService messages;
        const auto windowsBefore = QApplication::topLevelWidgets().size();
        QVERIFY(ShowTestSplash(QStringLiteral("nosuchpicture"), kVersion).isNull());
        QVERIFY(QApplication::topLevelWidgets().size() == windowsBefore && messages.requests.empty());
    }
};

QTEST_MAIN(ExtrasTests)
#include "ExtrasTests.moc"

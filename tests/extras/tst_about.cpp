#include "ScriptedMessageService.h"
#include "extras/Artwork.h"
#include "extras/CAboutDlg.h"
#include "extras/CCreditsPanel.h"
#include "extras/CCreditsScroller.h"
#include "extras/CreditLineStyle.h"
#include "extras/CreditsTable.h"
#include "extras/CHyperlinkStatic.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

const QChar kPicture(8), kHeading(9), kMainHeading(10), kSubHeading(13), kName(12);
const QSize kPanel(312, 168);
const QColor kPictureColour(10, 200, 30);

// "PIC" loads as a solid picture of the size of "SMALLSPLASH"; nothing else loads.
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

} // namespace

// The About box and the credits that scroll in it.
class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void theCreditsHaveTheShapeOfTheTableAndTheirPictureIsOurs()
    {
        const std::vector<QString>& credits = CreditsTable();
        QCOMPARE(credits.size(), std::size_t{51});
        QCOMPARE(credits[0], QStringLiteral("SMALLSPLASH") + kPicture);
        QCOMPARE(StyleOfCreditLine(credits[0]).kind, CreditLineStyle::Kind::Picture);
        int headings = 0, names = 0, gaps = 0;
        for (std::size_t i = 1; i < credits.size(); ++i) {
            const QString& line = credits[i];
            const CreditLineStyle::Kind kind = StyleOfCreditLine(line).kind;
            if (kind == CreditLineStyle::Kind::Gap) {
                QVERIFY(line.isEmpty());
                ++gaps;
            } else if (kind == CreditLineStyle::Kind::Heading) {
                ++headings; // a group starts after a gap, with its names below the heading
                QVERIFY(credits[i - 1].isEmpty() && i + 1 < credits.size() && credits[i + 1].endsWith(kName));
            } else {
                QVERIFY2(line.size() > 1 && line.back() == kName, qPrintable(QStringLiteral("entry %1").arg(i)));
                ++names;
            }
        }
        QCOMPARE(headings, 7);
        QCOMPARE(names, 23);
        QCOMPARE(gaps, 20);

        QCOMPARE(LoadBitmapResource(QStringLiteral("SMALLSPLASH")).deviceIndependentSize().toSize(), QSize(240, 150));
        QVERIFY(LoadBitmapResource(QStringLiteral("NOSUCHPICTURE")).isNull());
        QVERIFY(LoadBitmapResource(QStringLiteral("../splash")).isNull());
    }

    void theLastCharacterChoosesFontAndColour()
    {
        using Kind = CreditLineStyle::Kind;
        struct Case { const char* line; Kind kind; int height, weight; bool underline; QColor colour; };
        const Case cases[]{{"Head\t", Kind::Heading, 17, 700, false, QColor(0, 255, 255)},
            {"Main\n", Kind::MainHeading, 21, 700, true, QColor(255, 0, 0)},
            {"Sub\r", Kind::SubHeading, 19, 700, false, QColor(255, 255, 0)},
            {"Name\f", Kind::Normal, 15, 100, false, QColor(255, 255, 255)},
            {"Plain", Kind::Normal, 15, 100, false, QColor(255, 255, 255)}};
        for (const Case& c : cases) {
            const QString line = QString::fromLatin1(c.line);
            const CreditLineStyle style = StyleOfCreditLine(line);
            QCOMPARE(CreditLineBody(line), line.first(line.size() - 1));
            QCOMPARE(style.kind, c.kind);
            QCOMPARE(style.weight, c.weight);
            QCOMPARE(style.colour, c.colour);
            QCOMPARE(style.MakeFont().pixelSize(), c.height);
            QCOMPARE(style.MakeFont().underline(), c.underline);
        }
    }

    void thePictureIsTakenAtTheFifteenthTickCompleteAtTheSeventySixthAndHoldsTheNextLineBack()
    {
        CCreditsScroller scroller = MakeScroller({QStringLiteral("PIC") + kPicture, QStringLiteral("After\f")});
        for (int tick = 1; tick <= 14; ++tick) {
            QCOMPARE(scroller.Tick(), CCreditsScroller::Step::Scrolled);
            QCOMPARE(scroller.LineIndex(), 0);
        }
        scroller.Tick();
        QCOMPARE(scroller.CurrentLine(), QStringLiteral("PIC") + kPicture);
        QVERIFY(scroller.IsDrawingPicture());
        QCOMPARE(scroller.ScrollOffset(), 2);
        // Centred horizontally, its bottom on the panel's bottom.
        QCOMPARE(scroller.PictureRect(), QRect(36, 18, 240, 150));

        for (int tick = 2; tick <= 75; ++tick) {
            scroller.Tick();
            QVERIFY2(scroller.IsDrawingPicture(), qPrintable(QStringLiteral("released at tick %1").arg(tick)));
            QCOMPARE(scroller.ScrollOffset(), 2 * tick);
            QCOMPARE(scroller.LineIndex(), 1);
        }
        scroller.Tick(); // the 76th: the offset passes 150
        QVERIFY(!scroller.IsDrawingPicture());
        QCOMPARE(scroller.ScrollOffset(), 0);
        QCOMPARE(scroller.TickCounter(), 1);
        QCOMPARE(TicksUntilNextLine(scroller), 15);
        QCOMPARE(scroller.CurrentLine(), QStringLiteral("After\f"));
    }

    void thePanelShowsThePartOfThePictureThatHasEntered()
    {
        CCreditsScroller scroller = MakeScroller({QStringLiteral("PIC") + kPicture});
        for (int tick = 1; tick <= 15 + 9; ++tick)
            scroller.Tick(); // 10 ticks of the picture: 20 rows are in
        QImage panel(kPanel, QImage::Format_RGB32);
        QPainter painter(&panel);
        scroller.Paint(painter);
        painter.end();
        QCOMPARE(panel.pixelColor(156, 167), kPictureColour);
        QCOMPARE(panel.pixelColor(156, 168 - 20), kPictureColour);
        QCOMPARE(panel.pixelColor(156, 168 - 21), QColor(Qt::black));
        QCOMPARE(panel.pixelColor(10, 167), QColor(Qt::black)); // beside the centred picture
    }

    void eachLineWaitsItsFontHeightAnEmptyEntryTheHeightBeforeItAndTheTableStartsAgain()
    {
        CCreditsScroller scroller = MakeScroller({QStringLiteral("Main") + kMainHeading,
            QStringLiteral("Sub") + kSubHeading, QStringLiteral("Heading") + kHeading, QString(),
            QStringLiteral("Name") + kName, QString()});
        QList<int> ticks;
        for (int line = 0; line < 7; ++line)
            ticks << TicksUntilNextLine(scroller);
        // 15 to start; the gap after the heading waits the heading's 17 again.
        QCOMPARE(ticks, (QList<int>{15, 21, 19, 17, 17, 15, 15}));
        QCOMPARE(scroller.CurrentLine(), QStringLiteral("Main") + kMainHeading);
        QCOMPARE(scroller.LineIndex(), 1);
    }

    void linesEnterAtTheBottomMoveUpTwoPixelsPerTickAndAreDroppedAtTheTop()
    {
        CCreditsScroller scroller = MakeScroller({QStringLiteral("Name") + kName, QString()});
        TicksUntilNextLine(scroller);
        QCOMPARE(scroller.Items().size(), std::size_t{1});
        QCOMPARE(scroller.Items().front().text, QStringLiteral("Name"));
        QCOMPARE(scroller.Items().front().top, 168 - 2);
        scroller.Tick();
        scroller.Tick();
        QCOMPARE(scroller.Items().front().top, 168 - 6);
        for (int tick = 0; tick < 2000; ++tick)
            scroller.Tick();
        QVERIFY(scroller.Items().size() <= 10);
        for (const CCreditsScroller::Item& item : scroller.Items())
            QVERIFY(item.top + item.height >= 0);
    }

    void theBoxShowsTheVersionAndHomeLinkAndScrollsTheCreditsEvery5MsUntilOk()
    {
        CAboutDlg about;
        about.SetVersionText(QStringLiteral("1.0b15 - Feb  3 1999"));
        QCOMPARE(about.windowTitle(), QStringLiteral("About Orbek"));
        QCOMPARE(about.VersionLabel().text(), QStringLiteral("1.0b15 - Feb  3 1999"));
        CHyperlinkStatic& link = about.HomeLink();
        QCOMPARE(link.text(), QStringLiteral("Please visit Orbek Homepage"));
        QVERIFY(link.Url().startsWith(QLatin1String("https://")));
        QCOMPARE(link.toolTip(), link.Url());
        QCOMPARE(link.LinkColour(), QColor(0, 0, 238));
        QCOMPARE(link.VisitedColour(), QColor(255, 0, 0));
        QVERIFY(!link.IsUnderlined());
        QCOMPARE(link.cursor().shape(), Qt::BitmapCursor);
        const auto* panel = about.findChild<CCreditsPanel*>();
        QVERIFY(panel != nullptr);
        QCOMPARE(about.Scroller().PanelSize(), panel->contentsRect().size());
        QVERIFY(panel->contentsRect().width() >= 240 && panel->contentsRect().height() >= 150);

        const auto* timer = about.findChild<QTimer*>(QStringLiteral("creditsTimer"));
        QVERIFY(timer != nullptr);
        QCOMPARE(timer->interval(), 5);
        QVERIFY(!about.IsScrolling());
        about.show();
        QVERIFY(about.IsScrolling());
        QTRY_VERIFY_WITH_TIMEOUT(about.Scroller().LineIndex() > 0, 3000); // the real timer moves them on
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("buttonOk"));
        QVERIFY(ok != nullptr && ok->isDefault());
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!about.IsScrolling());
        QVERIFY(!about.isVisible());
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
        QCOMPARE(messages.requests.size(), std::size_t{1});
        QCOMPARE(messages.requests[0].text, QStringLiteral("Could not find bitmap resource \"SMALLSPLASH\". Be sure to "
                                                        "assign the bitmap a QUOTED resource name"));
        QCOMPARE(messages.requests[0].icon, IMessageService::Icon::None);
        QCOMPARE(messages.requests[0].buttons, IMessageService::Buttons::Ok);
        QVERIFY(about.isVisible()); // the box stays open
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"

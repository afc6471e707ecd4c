// The About box and the credits that scroll in it.
#include "ScriptedMessageService.h"
#include "extras/Artwork.h"
#include "extras/CAboutDlg.h"
#include "extras/CCreditsScroller.h"
#include "extras/CHyperlinkStatic.h"
#include "extras/CreditsTable.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

namespace {

const QChar kPicture(8), kHeading(9), kMainHeading(10), kSubHeading(13), kName(12);
const QSize kPanel(312, 168);
const QColor kPictureColour(10, 200, 30);

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

} // namespace

class AboutTests : public QObject
{
    Q_OBJECT

private slots:
    void theCreditsPictureIsOursAndOnlyItsNameLoads()
    {
        const QString first = CreditsTable().front();
        QVERIFY(first.endsWith(kPicture));
        QCOMPARE(LoadBitmapResource(CreditLineBody(first)).deviceIndependentSize().toSize(), QSize(240, 150));
        QVERIFY(LoadBitmapResource(QStringLiteral("NOSUCHPICTURE")).isNull());
        QVERIFY(LoadBitmapResource(QStringLiteral("../splash")).isNull());
    }

    void thePictureIsTakenAtTheFifteenthTickCompleteAtTheSeventySixthAndHoldsTheNextLineBack()
    {
        CCreditsScroller scroller = MakeScroller({QStringLiteral("PIC") + kPicture, QStringLiteral("After\f")});
        QCOMPARE(TicksUntilNextLine(scroller), 15);
        QVERIFY(scroller.IsDrawingPicture());
        QCOMPARE(scroller.PictureRect(), QRect(36, 18, 240, 150)); // centred, its bottom on the panel's
        for (int tick = 2; tick <= 75; ++tick) {
            scroller.Tick();
            QVERIFY2(scroller.IsDrawingPicture(), qPrintable(QStringLiteral("released at tick %1").arg(tick)));
            QCOMPARE(scroller.ScrollOffset(), 2 * tick);
        }
        scroller.Tick(); // the 76th: the offset passes 150
        QVERIFY(!scroller.IsDrawingPicture());
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
        for (const auto& [x, y, colour] : {std::tuple{156, 167, kPictureColour}, {156, 148, kPictureColour},
                 {156, 147, QColor(Qt::black)}, {10, 167, QColor(Qt::black)}}) // beside the centred picture
            QCOMPARE(panel.pixelColor(x, y), colour);
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

    void theBoxShowsTheVersionAndHomeLinkAndScrollsTheCreditsFromShowUntilOk()
    {
        CAboutDlg about;
        about.SetVersionText(QStringLiteral("1.0b15 - Feb  3 1999"));
        QCOMPARE(about.VersionLabel().text(), QStringLiteral("1.0b15 - Feb  3 1999"));
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
};

QTEST_MAIN(AboutTests)
#include "AboutTests.moc"

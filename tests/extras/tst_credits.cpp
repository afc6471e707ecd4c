#include "extras/Artwork.h"
#include "extras/CCreditsScroller.h"
#include "extras/CreditLineStyle.h"
#include "extras/CreditsTable.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

const QChar kPicture(8);
const QChar kHeading(9);
const QChar kMainHeading(10);
const QChar kSubHeading(13);
const QChar kName(12);

const QSize kPanel(312, 168);

// A solid 240 x 150 picture, the size of "SMALLSPLASH".
QPixmap TestPicture()
{
    QPixmap picture(240, 150);
    picture.fill(QColor(10, 200, 30));
    return picture;
}

CCreditsScroller MakeScroller(std::vector<QString> credits)
{
    return CCreditsScroller(std::move(credits), kPanel, [](const QString& name) {
        return name == QLatin1String("PIC") ? TestPicture() : QPixmap();
    });
}

// Ticks until the line index moves on; returns how many ticks it took.
int TicksUntilNextLine(CCreditsScroller& scroller, int limit = 200)
{
    const int index = scroller.LineIndex();
    for (int ticks = 1; ticks <= limit; ++ticks) {
        scroller.Tick();
        if (scroller.LineIndex() != index)
            return ticks;
    }
    return -1;
}

} // namespace

class CreditsTest : public QObject
{
    Q_OBJECT

private slots:
    void theCreditsHaveTheShapeOfTheTable()
    {
        const std::vector<QString>& credits = CreditsTable();
        QCOMPARE(credits.size(), std::size_t{51});
        QCOMPARE(credits[0], QStringLiteral("SMALLSPLASH") + kPicture);
        int headings = 0, names = 0, gaps = 0, others = 0;
        for (std::size_t i = 1; i < credits.size(); ++i) {
            const QString& line = credits[i];
            if (line.isEmpty()) {
                ++gaps;
                continue;
            }
            QVERIFY2(line.size() > 1, qPrintable(QStringLiteral("entry %1 has no text").arg(i)));
            if (line.back() == kHeading) {
                ++headings;
                // A heading is followed by its names.
                QVERIFY(i + 1 < credits.size() && credits[i + 1].endsWith(kName));
                // and a group starts after a gap.
                QVERIFY(credits[i - 1].isEmpty());
            } else if (line.back() == kName) {
                ++names;
            } else {
                ++others;
            }
        }
        QCOMPARE(headings, 7);
        QCOMPARE(names, 23);
        QCOMPARE(gaps, 20);
        QCOMPARE(others, 0);
    }

    void theCreditsPictureIsOursAndFitsThePanel()
    {
        const QPixmap picture = LoadBitmapResource(QStringLiteral("SMALLSPLASH"));
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(240, 150));
        QVERIFY(LoadBitmapResource(QStringLiteral("NOSUCHPICTURE")).isNull());
        QVERIFY(LoadBitmapResource(QStringLiteral("../splash")).isNull());
    }

    void theLastCharacterChoosesFontAndColour_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<QColor>("colour");
        using Kind = CreditLineStyle::Kind;
        QTest::newRow("heading") << QStringLiteral("Head\t") << int(Kind::Heading) << 17 << 700 << false
                                 << QColor(0, 255, 255);
        QTest::newRow("main heading") << QStringLiteral("Main\n") << int(Kind::MainHeading) << 21 << 700 << true
                                      << QColor(255, 0, 0);
        QTest::newRow("sub-heading") << QStringLiteral("Sub\r") << int(Kind::SubHeading) << 19 << 700 << false
                                     << QColor(255, 255, 0);
        QTest::newRow("form feed") << QStringLiteral("Name\f") << int(Kind::Normal) << 15 << 100 << false
                                   << QColor(255, 255, 255);
        QTest::newRow("vertical tab") << QStringLiteral("Name\v") << int(Kind::Normal) << 15 << 100 << false
                                      << QColor(255, 255, 255);
        QTest::newRow("no marker") << QStringLiteral("Plain") << int(Kind::Normal) << 15 << 100 << false
                                   << QColor(255, 255, 255);
    }

    void theLastCharacterChoosesFontAndColour()
    {
        QFETCH(QString, line);
        QFETCH(int, kind);
        QFETCH(int, height);
        QFETCH(int, weight);
        QFETCH(bool, underline);
        QFETCH(QColor, colour);
        const CreditLineStyle style = StyleOfCreditLine(line);
        QCOMPARE(int(style.kind), kind);
        QCOMPARE(style.pixelHeight, height);
        QCOMPARE(style.weight, weight);
        QCOMPARE(style.underline, underline);
        QCOMPARE(style.colour, colour);
        const QFont font = style.MakeFont();
        QCOMPARE(font.pixelSize(), height);
        QCOMPARE(font.underline(), underline);
        QCOMPARE(CreditLineBody(line), line.first(line.size() - 1));
    }

    void aPictureLineAndAnEmptyEntryAreRecognised()
    {
        QCOMPARE(StyleOfCreditLine(QStringLiteral("PIC") + kPicture).kind, CreditLineStyle::Kind::Picture);
        QCOMPARE(StyleOfCreditLine(QString()).kind, CreditLineStyle::Kind::Gap);
        QCOMPARE(CreditLineBody(QStringLiteral("PIC") + kPicture), QStringLiteral("PIC"));
    }

    void thePictureIsTakenAtTheFifteenthTick()
    {
        CCreditsScroller scroller = MakeScroller({QStringLiteral("PIC") + kPicture, QString()});
        for (int tick = 1; tick <= 14; ++tick) {
            QCOMPARE(scroller.Tick(), CCreditsScroller::Step::Scrolled);
            QVERIFY(scroller.CurrentLine().isEmpty());
            QCOMPARE(scroller.LineIndex(), 0);
        }
        scroller.Tick();
        QCOMPARE(scroller.CurrentLine(), QStringLiteral("PIC") + kPicture);
        QCOMPARE(scroller.LineIndex(), 1);
        QVERIFY(scroller.IsDrawingPicture());
        QCOMPARE(scroller.ScrollOffset(), 2);
        // Centred horizontally, its bottom on the panel's bottom.
        QCOMPARE(scroller.PictureRect(), QRect((312 - 240) / 2, 168 - 150, 240, 150));
    }

    void thePictureIsCompleteAtTheSeventySixthTickAndTheNextLineFollows15TicksLater()
    {
        CCreditsScroller scroller = MakeScroller({QStringLiteral("PIC") + kPicture, QStringLiteral("After\f")});
        for (int tick = 1; tick <= 15; ++tick)
            scroller.Tick();
        QVERIFY(scroller.IsDrawingPicture()); // tick 1 of the picture

        for (int tick = 2; tick <= 75; ++tick) {
            scroller.Tick();
            QVERIFY2(scroller.IsDrawingPicture(), qPrintable(QStringLiteral("released at tick %1").arg(tick)));
            QCOMPARE(scroller.ScrollOffset(), 2 * tick);
            QCOMPARE(scroller.LineIndex(), 1); // the picture holds the next line back
        }
        QCOMPARE(scroller.ScrollOffset(), 150);

        scroller.Tick(); // the 76th: the offset passes 150
        QVERIFY(!scroller.IsDrawingPicture());
        QCOMPARE(scroller.ScrollOffset(), 0);
        QVERIFY(scroller.CurrentLine().isEmpty());
        QCOMPARE(scroller.TickCounter(), 1);

        for (int tick = 1; tick <= 14; ++tick) {
            scroller.Tick();
            QCOMPARE(scroller.LineIndex(), 1);
        }
        scroller.Tick();
        QCOMPARE(scroller.LineIndex(), 0);
        QCOMPARE(scroller.CurrentLine(), QStringLiteral("After\f"));
    }

    void anEmptyEntryKeepsTheHeightOfTheHeadingBeforeIt()
    {
        CCreditsScroller scroller = MakeScroller(
            {QStringLiteral("Heading") + kHeading, QString(), QStringLiteral("Name") + kName, QString()});
        QCOMPARE(TicksUntilNextLine(scroller), 15); // the starting height
        QCOMPARE(scroller.LineHeight(), 17);
        QCOMPARE(TicksUntilNextLine(scroller), 17); // the gap is taken after the heading's height
        QVERIFY(scroller.CurrentLine().isEmpty());
        QCOMPARE(scroller.LineHeight(), 17);
        QCOMPARE(TicksUntilNextLine(scroller), 17); // and waits as long as the heading did
        QCOMPARE(scroller.LineHeight(), 15);
        QCOMPARE(TicksUntilNextLine(scroller), 15);
    }

    void eachLineWaitsItsOwnFontHeight()
    {
        CCreditsScroller scroller = MakeScroller({QStringLiteral("Main") + kMainHeading,
            QStringLiteral("Sub") + kSubHeading, QStringLiteral("Name") + kName});
        QCOMPARE(TicksUntilNextLine(scroller), 15);
        QCOMPARE(TicksUntilNextLine(scroller), 21);
        QCOMPARE(TicksUntilNextLine(scroller), 19);
        QCOMPARE(TicksUntilNextLine(scroller), 15);
    }

    void theTableStartsAgainAfterItsLastEntry()
    {
        CCreditsScroller scroller
            = MakeScroller({QStringLiteral("A") + kName, QStringLiteral("B") + kName, QStringLiteral("C") + kName});
        QList<int> indexes;
        QStringList lines;
        for (int i = 0; i < 4; ++i) {
            TicksUntilNextLine(scroller);
            indexes << scroller.LineIndex();
            lines << scroller.CurrentLine();
        }
        QCOMPARE(indexes, (QList<int>{1, 2, 0, 1}));
        QCOMPARE(lines, (QStringList{QStringLiteral("A\f"), QStringLiteral("B\f"), QStringLiteral("C\f"),
                            QStringLiteral("A\f")}));
    }

    void aMissingPictureStopsTheCreditsAndNamesIt()
    {
        CCreditsScroller scroller = MakeScroller({QStringLiteral("NOPE") + kPicture});
        for (int tick = 1; tick <= 14; ++tick)
            QCOMPARE(scroller.Tick(), CCreditsScroller::Step::Scrolled);
        QCOMPARE(scroller.Tick(), CCreditsScroller::Step::MissingPicture);
        QCOMPARE(scroller.MissingPictureName(), QStringLiteral("NOPE"));
        QVERIFY(!scroller.IsDrawingPicture());
    }

    void linesEnterAtTheBottomAndMoveUpTwoPixelsPerTick()
    {
        CCreditsScroller scroller = MakeScroller({QStringLiteral("Name") + kName, QString()});
        TicksUntilNextLine(scroller);
        QCOMPARE(scroller.Items().size(), std::size_t{1});
        QCOMPARE(scroller.Items().front().top, 168 - 2);
        QCOMPARE(scroller.Items().front().text, QStringLiteral("Name"));
        scroller.Tick();
        scroller.Tick();
        QCOMPARE(scroller.Items().front().top, 168 - 6);
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

        const int middle = kPanel.width() / 2;
        QCOMPARE(panel.pixelColor(middle, 167), QColor(10, 200, 30));
        QCOMPARE(panel.pixelColor(middle, 168 - 20), QColor(10, 200, 30));
        QCOMPARE(panel.pixelColor(middle, 168 - 21), QColor(Qt::black));
        QCOMPARE(panel.pixelColor(10, 167), QColor(Qt::black)); // beside the centred picture
    }

    void linesThatLeaveTheTopAreDropped()
    {
        CCreditsScroller scroller = MakeScroller({QStringLiteral("Name") + kName});
        for (int tick = 0; tick < 2000; ++tick)
            scroller.Tick();
        for (const CCreditsScroller::Item& item : scroller.Items())
            QVERIFY(item.top + item.height >= 0);
        QVERIFY(scroller.Items().size() <= 10);
    }
};

QTEST_MAIN(CreditsTest)
#include "tst_credits.moc"

#include "ScriptedMessages.h"
#include "extras/Artwork.h"
#include "extras/CHyperlinkStatic.h"
#include "extras/UrlOpener.h"

#include <QFontMetrics>
#include <QImage>
#include <QtTest>

namespace {

// Answers every open with a fixed code and remembers what it was asked.
struct ScriptedOpener
{
    explicit ScriptedOpener(int code)
        : result(code)
    {
        SetUrlOpener([this](const QString& address, int showCommand) {
            addresses << address;
            showCommands << showCommand;
            return result;
        });
    }
    ~ScriptedOpener() { SetUrlOpener({}); }
    ScriptedOpener(const ScriptedOpener&) = delete;
    ScriptedOpener& operator=(const ScriptedOpener&) = delete;

    int result;
    QStringList addresses;
    QList<int> showCommands;
};

int CountPixelsOf(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
    return count;
}

} // namespace

class HyperlinkTest : public QObject
{
    Q_OBJECT

private slots:
    void attachTakesTheAddressFromTheText()
    {
        CHyperlinkStatic link;
        link.setText(QStringLiteral("https://example.org/page"));
        link.Attach();
        QCOMPARE(link.Url(), QStringLiteral("https://example.org/page"));
        QCOMPARE(link.text(), QStringLiteral("https://example.org/page"));
        QCOMPARE(link.toolTip(), QStringLiteral("https://example.org/page"));
    }

    void attachShowsTheAddressWhenTheTextIsEmpty()
    {
        CHyperlinkStatic link;
        link.SetUrl(QStringLiteral("https://example.org/"));
        link.Attach();
        QCOMPARE(link.text(), QStringLiteral("https://example.org/"));
        QCOMPARE(link.Url(), QStringLiteral("https://example.org/"));
    }

    void attachKeepsTextAndAddressWhenBothAreSet()
    {
        CHyperlinkStatic link;
        link.setText(QStringLiteral("Visit us"));
        link.SetUrl(QStringLiteral("https://example.org/"));
        link.Attach();
        QCOMPARE(link.text(), QStringLiteral("Visit us"));
        QCOMPARE(link.Url(), QStringLiteral("https://example.org/"));
        QCOMPARE(link.toolTip(), QStringLiteral("https://example.org/"));
    }

    void attachShowsTheArrowUntilTheOwnerSetsTheHand()
    {
        CHyperlinkStatic link;
        link.setText(QStringLiteral("x"));
        link.Attach();
        QCOMPARE(link.cursor().shape(), Qt::ArrowCursor);
        link.SetLinkCursor(LinkCursor());
        // Our hand is a picture, not one of the system's shapes.
        QCOMPARE(link.cursor().shape(), Qt::BitmapCursor);
    }

    void setUrlMakesTheAddressTheToolTip()
    {
        CHyperlinkStatic link;
        link.setText(QStringLiteral("Home"));
        link.Attach();
        link.SetUrl(QStringLiteral("https://example.com/two"));
        QCOMPARE(link.toolTip(), QStringLiteral("https://example.com/two"));
    }

    void textColourFollowsTheVisitedState()
    {
        CHyperlinkStatic link;
        QCOMPARE(link.CurrentTextStyle().colour, QColor(0, 0, 238));
        link.SetVisited(true);
        QCOMPARE(link.CurrentTextStyle().colour, QColor(85, 26, 139));
        link.SetColours(QColor(1, 2, 3), QColor(255, 0, 0));
        QCOMPARE(link.CurrentTextStyle().colour, QColor(255, 0, 0));
        link.SetVisited(false);
        QCOMPARE(link.CurrentTextStyle().colour, QColor(1, 2, 3));
    }

    void underliningOffNeverCopiesTheFont()
    {
        CHyperlinkStatic link;
        link.setText(QStringLiteral("No underline"));
        link.SetUnderline(false);
        link.Attach();
        link.grab(); // paints
        QVERIFY(!link.HasUnderlineFont());
        QVERIFY(!link.CurrentTextStyle().font.underline());
        QVERIFY(!link.HasUnderlineFont());
    }

    void underliningOnCopiesTheFontOnceAndCanBeSwitchedOff()
    {
        CHyperlinkStatic link;
        QFont font = link.font();
        font.setPixelSize(19);
        link.setFont(font);
        link.setText(QStringLiteral("Underlined"));
        link.Attach();
        QVERIFY(!link.HasUnderlineFont());
        link.grab();
        QVERIFY(link.HasUnderlineFont());
        const QFont underlined = link.CurrentTextStyle().font;
        QVERIFY(underlined.underline());
        QCOMPARE(underlined.pixelSize(), 19);
        QCOMPARE(underlined.family(), font.family());

        link.SetUnderline(false);
        QVERIFY(!link.CurrentTextStyle().font.underline());
        link.SetUnderline(true);
        QVERIFY(link.CurrentTextStyle().font.underline());
    }

    void theTextIsDrawnInTheColourOfItsState()
    {
        CHyperlinkStatic link;
        QFont font = link.font();
        font.setPixelSize(28);
        font.setBold(true);
        link.setFont(font);
        link.setText(QStringLiteral("MWM"));
        link.resize(160, 40);
        link.Attach();
        const QColor linkColour(0, 0, 238);
        const QColor visited(85, 26, 139);

        const QImage before = link.grab().toImage();
        QVERIFY(CountPixelsOf(before, linkColour) > 20);
        QCOMPARE(CountPixelsOf(before, visited), 0);

        link.SetVisited(true);
        const QImage after = link.grab().toImage();
        QVERIFY(CountPixelsOf(after, visited) > 20);
        QCOMPARE(CountPixelsOf(after, linkColour), 0);
    }

    void aClickOpensTheAddressAndMarksTheLinkVisited()
    {
        ScriptedMessages messages;
        ScriptedOpener opener(42);
        CHyperlinkStatic link;
        link.setText(QStringLiteral("Open me"));
        link.SetUrl(QStringLiteral("https://example.org/a"));
        link.resize(100, 20);
        link.Attach();

        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(opener.addresses, QStringList{QStringLiteral("https://example.org/a")});
        QCOMPARE(opener.showCommands, QList<int>{5});
        QVERIFY(link.IsVisited());
        QCOMPARE(messages.beeps, 0);
        QVERIFY(messages.shown.empty());
    }

    void onlyALeftClickInsideTheLinkOpensIt()
    {
        ScriptedMessages messages;
        ScriptedOpener opener(42);
        CHyperlinkStatic link;
        link.setText(QStringLiteral("Open me"));
        link.resize(100, 20);
        link.Attach();

        QTest::mouseClick(&link, Qt::RightButton, {}, QPoint(10, 10));
        QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(300, 10));
        QVERIFY(opener.addresses.isEmpty());
        QVERIFY(!link.IsVisited());
    }

    void aFailedOpenBeepsAndGivesTheReason_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");
        QTest::newRow("out of memory") << 0 << "The operating system is out\nof memory or resources.";
        QTest::newRow("file not found") << 2 << "The specified file was not found.";
        QTest::newRow("access denied") << 5 << "The operating system denied\naccess to the specified file.";
        QTest::newRow("sharing violation keeps its blank") << 26 << "A sharing violation occurred. ";
        QTest::newRow("no program for the address")
            << 31 << "There is no application associated\nwith the given filename extension.";
        QTest::newRow("32 is still a failure") << 32 << "The specified dynamic-link library was not found.";
        QTest::newRow("a code without a text") << 19 << "Unknown Error (19) occurred.";
        QTest::newRow("a negative code") << -7 << "Unknown Error (-7) occurred.";
    }

    void aFailedOpenBeepsAndGivesTheReason()
    {
        QFETCH(int, code);
        QFETCH(QString, reason);
        ScriptedMessages messages;
        ScriptedOpener opener(code);
        CHyperlinkStatic link;
        link.setText(QStringLiteral("https://example.org/"));
        link.Attach();

        link.OnClicked();
        QCOMPARE(messages.beeps, 1);
        QCOMPARE(messages.shown.size(), std::size_t{1});
        QCOMPARE(messages.shown[0].text, QStringLiteral("Unable to open hyperlink:\n\n") + reason);
        QCOMPARE(messages.shown[0].icon, IMessageService::Icon::Warning);
        QCOMPARE(messages.shown[0].buttons, IMessageService::Buttons::Ok);
        QVERIFY(!link.IsVisited());
    }

    void aFailedOpenClearsAnEarlierVisit()
    {
        ScriptedMessages messages;
        ScriptedOpener opener(31);
        CHyperlinkStatic link;
        link.setText(QStringLiteral("https://example.org/"));
        link.Attach();
        link.SetVisited(true);
        link.OnClicked();
        QVERIFY(!link.IsVisited());
    }

    void theDesktopOpenerRefusesAnEmptyAddress()
    {
        QCOMPARE(OpenUrlWithDesktop(QString(), kShowNormal), 2);
        QCOMPARE(OpenUrlWithDesktop(QStringLiteral("   "), kShowNormal), 2);
    }

    void withoutAutoSizeTheWindowKeepsItsRectangle()
    {
        QWidget parent;
        parent.resize(400, 200);
        CHyperlinkStatic link(&parent);
        link.setText(QStringLiteral("Hello link"));
        link.setGeometry(10, 20, 300, 40);
        link.Attach();
        link.SetUrl(QStringLiteral("https://example.org/"));
        QCOMPARE(link.geometry(), QRect(10, 20, 300, 40));
    }

    void autoSizeFitsTheWindowToItsText_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("rule");
        QTest::newRow("left, top") << int(Qt::AlignLeft | Qt::AlignTop) << "keep left and top";
        QTest::newRow("centred") << int(Qt::AlignHCenter | Qt::AlignTop) << "shrink both sides";
        QTest::newRow("right") << int(Qt::AlignRight | Qt::AlignTop) << "keep right";
        QTest::newRow("centred image") << int(Qt::AlignLeft | Qt::AlignVCenter) << "shrink top and bottom";
    }

    void autoSizeFitsTheWindowToItsText()
    {
        QFETCH(int, alignment);
        QFETCH(QString, rule);
        QWidget parent;
        parent.resize(400, 200);
        CHyperlinkStatic link(&parent);
        link.setText(QStringLiteral("Hello link"));
        link.setAlignment(Qt::Alignment(alignment));
        link.setGeometry(10, 20, 300, 40);
        link.Attach();
        link.SetAutoSize(true);

        const QFontMetrics metrics(link.font());
        const int w = metrics.horizontalAdvance(QStringLiteral("Hello link"));
        const int h = metrics.height();
        QRect expected;
        if (rule == QLatin1String("keep left and top"))
            expected = QRect(10, 20, w, h);
        else if (rule == QLatin1String("shrink both sides"))
            expected = QRect(10 + (300 - w) / 2, 20, w, h);
        else if (rule == QLatin1String("keep right"))
            expected = QRect(310 - w, 20, w, h);
        else
            expected = QRect(10, 20 + (40 - h) / 2, w, h);
        QCOMPARE(link.geometry(), expected);
    }
};

QTEST_MAIN(HyperlinkTest)
#include "tst_hyperlink.moc"

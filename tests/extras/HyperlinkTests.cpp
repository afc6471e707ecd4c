#include "ScriptedMessageService.h"
#include "ScriptedOpener.h"
#include "extras/Artwork.h"
#include "extras/CHyperlinkStatic.h"
#include "extras/UrlOpener.h"

#include <QFontMetrics>
#include <QImage>
#include <QtTest>

namespace {

// Gives the link its text and address and attaches it, as its dialog does.
void Attach(CHyperlinkStatic& link, const QString& text, const QString& url = {})
{
    link.setText(text);
    link.SetUrl(url);
    link.Attach();
}

int CountPixelsOf(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
    return count;
}

} // namespace

// The link label: text, colours, underline, click, failure reasons, fitting.
class HyperlinkTests : public QObject
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

    void theTextIsDrawnInTheColourOfItsStateAndUnderlinedFromACopyOfTheFont()
    {
        CHyperlinkStatic link;
        QFont font = link.font();
        font.setPixelSize(28);
        font.setBold(true);
        link.setFont(font);
        link.resize(160, 40);
        Attach(link, QStringLiteral("MWM"));
        QVERIFY(!link.HasUnderlineFont()); // made on demand, at the first paint
        const QColor linkColour(0, 0, 238), visited(85, 26, 139);
        const QImage before = link.grab().toImage();
        QVERIFY(CountPixelsOf(before, linkColour) > 20);
        QCOMPARE(CountPixelsOf(before, visited), 0);
        link.SetVisited(true);
        const QImage after = link.grab().toImage();
        QVERIFY(CountPixelsOf(after, visited) > 20);
        QCOMPARE(CountPixelsOf(after, linkColour), 0);
        link.SetColours(QColor(1, 2, 3), QColor(255, 0, 0));
        QCOMPARE(link.CurrentTextStyle().colour, QColor(255, 0, 0));
        link.SetVisited(false);
        QCOMPARE(link.CurrentTextStyle().colour, QColor(1, 2, 3));

        QVERIFY(link.HasUnderlineFont());
        const QFont underlined = link.CurrentTextStyle().font;
        QVERIFY(underlined.underline() && underlined.bold() && underlined.pixelSize() == 28);
        link.SetUnderline(false);
        QVERIFY(!link.CurrentTextStyle().font.underline());

        CHyperlinkStatic plain; // with underlining off the font is never copied
        plain.SetUnderline(false);
        Attach(plain, QStringLiteral("No underline"));
        plain.grab();
        QVERIFY(!plain.CurrentTextStyle().font.underline() && !plain.HasUnderlineFont());
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
        QVERIFY(!link.IsVisited());

        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(opener.opened, QStringList{QStringLiteral("https://example.org/a 5")}); // shown normally
        QVERIFY(link.IsVisited() && messages.beeps == 0 && messages.requests.empty());
    }

    void aFailedOpenBeepsGivesTheReasonAndClearsTheVisit()
    {
        const std::pair<int, const char*> reasons[]{
            {2, "The specified file was not found."},
            {32, "The specified dynamic-link library was not found."}, // still a failure
            {19, "Unknown Error (19) occurred."},
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
            QCOMPARE(messages.requests[0].icon, IMessageService::Icon::Warning);
            QVERIFY(messages.beeps == 1 && !link.IsVisited());
        }
        QCOMPARE(OpenUrlWithDesktop(QString(), kShowNormal), 2); // "file not found" for no address
        QCOMPARE(OpenUrlWithDesktop(QStringLiteral("   "), kShowNormal), 2);
    }

    void autoSizeFitsTheWindowToItsTextByItsAlignment()
    {
        // Where the fitted window sits in the old one, in halves of the space left.
        struct Case { Qt::Alignment alignment; int xHalves, yHalves; };
        const Case cases[]{{Qt::AlignLeft | Qt::AlignTop, 0, 0}, {Qt::AlignHCenter | Qt::AlignTop, 1, 0},
            {Qt::AlignRight | Qt::AlignTop, 2, 0}, {Qt::AlignLeft | Qt::AlignVCenter, 0, 1}};
        for (const Case& c : cases) {
            QWidget parent;
            parent.resize(400, 200);
            CHyperlinkStatic link(&parent);
            link.setAlignment(c.alignment);
            link.setGeometry(10, 20, 300, 40);
            Attach(link, QStringLiteral("Hello link"));
            link.SetUrl(QStringLiteral("https://example.org/")); // a later address keeps the rectangle
            QCOMPARE(link.geometry(), QRect(10, 20, 300, 40)); // not without auto-size
            link.SetAutoSize(true);
            const QFontMetrics metrics(link.font());
            const int w = metrics.horizontalAdvance(QStringLiteral("Hello link")), h = metrics.height();
            QCOMPARE(link.geometry(), QRect(10 + (300 - w) * c.xHalves / 2, 20 + (40 - h) * c.yHalves / 2, w, h));
        }
    }
};

QTEST_MAIN(HyperlinkTests)
#include "HyperlinkTests.moc"

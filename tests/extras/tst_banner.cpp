#include "ScriptedMessages.h"
#include "extras/CBannerView.h"
#include "extras/CHyperlinkStatic.h"
#include "extras/UrlOpener.h"

#include <QSet>
#include <QtTest>

#include <array>

namespace {

// The banner sizes the pane is laid out for.
constexpr std::array<QSize, 6> kBannerSizes{
    {{562, 60}, {330, 66}, {330, 66}, {138, 66}, {443, 60}, {500, 70}}};

QRect Centred(QSize pane, QSize banner)
{
    return {std::max((pane.width() - banner.width()) / 2, 0), std::max((pane.height() - banner.height()) / 2, 0),
        banner.width(), banner.height()};
}

} // namespace

class BannerTest : public QObject
{
    Q_OBJECT

private slots:
    void theCycleStartsAtTheFirstBannerAndStepsEvery30Seconds()
    {
        CBannerView view;
        QCOMPARE(view.CurrentBanner(), 0);
        QVERIFY(view.CycleTimer().isActive());
        QCOMPARE(view.CycleTimer().interval(), 30000);
        QCOMPARE(view.Link().pixmap().deviceIndependentSize().toSize(), kBannerSizes[0]);
    }

    void eachBannerHasItsPictureAndItsOwnAddress()
    {
        CBannerView view;
        QSet<QString> addresses;
        for (int banner = 0; banner < 6; ++banner) {
            QCOMPARE(view.CurrentBanner(), banner);
            QCOMPARE(view.Link().pixmap().deviceIndependentSize().toSize(), kBannerSizes[std::size_t(banner)]);
            QVERIFY(view.Link().Url().startsWith(QLatin1String("https://")));
            QCOMPARE(view.Link().toolTip(), view.Link().Url());
            addresses.insert(view.Link().Url());
            view.OnTimer();
        }
        QCOMPARE(addresses.size(), 6);
    }

    void afterThreeMinutesTheFirstBannerIsBack()
    {
        CBannerView view;
        view.show();
        view.resize(800, 100);
        view.OnTimer(); // 30 seconds
        QCOMPARE(view.CurrentBanner(), 1);
        QCOMPARE(view.Link().geometry(), Centred({800, 100}, kBannerSizes[1]));
        for (int step = 2; step <= 6; ++step)
            view.OnTimer();
        QCOMPARE(view.CurrentBanner(), 0); // 180 seconds
        QCOMPARE(view.Link().geometry(), Centred({800, 100}, kBannerSizes[0]));
    }

    void theBannerStaysCentredWhenThePaneIsResized()
    {
        CBannerView view;
        view.show();
        view.resize(800, 100);
        QCOMPARE(view.Link().geometry(), QRect(119, 20, 562, 60));
        view.resize(901, 121); // odd differences round towards zero
        QCOMPARE(view.Link().geometry(), QRect(169, 30, 562, 60));
    }

    void aSmallerPaneShowsTheBannerFromItsTopLeftCorner_data()
    {
        QTest::addColumn<QSize>("pane");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("smaller both ways") << QSize(300, 40) << QRect(0, 0, 562, 60);
        QTest::newRow("narrower only") << QSize(400, 100) << QRect(0, 20, 562, 60);
        QTest::newRow("lower only") << QSize(700, 30) << QRect(69, 0, 562, 60);
        QTest::newRow("one pixel narrower") << QSize(561, 60) << QRect(0, 0, 562, 60);
    }

    void aSmallerPaneShowsTheBannerFromItsTopLeftCorner()
    {
        QFETCH(QSize, pane);
        QFETCH(QRect, expected);
        CBannerView view;
        view.show();
        view.resize(pane);
        QCOMPARE(view.Link().geometry(), expected);
    }

    void aBannerIsALinkWithoutUnderlineOrUnderlinedFont()
    {
        CBannerView view;
        CHyperlinkStatic& link = view.Link();
        QVERIFY(!link.IsUnderlined());
        QVERIFY(!link.IsAutoSize());
        QCOMPARE(link.VisitedColour(), QColor(255, 0, 0));
        QCOMPARE(link.LinkColour(), QColor(0, 0, 238));
        QCOMPARE(link.cursor().shape(), Qt::BitmapCursor);
        view.grab();
        QVERIFY(!link.HasUnderlineFont());
    }

    void clickingTheBannerOpensItsAddress()
    {
        ScriptedMessages messages;
        QStringList opened;
        SetUrlOpener([&opened](const QString& address, int) {
            opened << address;
            return 42;
        });
        CBannerView view;
        view.show();
        view.resize(800, 100);
        view.OnTimer();
        const QString address = view.Link().Url();
        QTest::mouseClick(&view.Link(), Qt::LeftButton, {}, QPoint(20, 20));
        SetUrlOpener({});
        QCOMPARE(opened, QStringList{address});
        QVERIFY(view.Link().IsVisited());
        QVERIFY(messages.shown.empty());
    }
};

QTEST_MAIN(BannerTest)
#include "tst_banner.moc"

#include "ScriptedMessageService.h"
#include "ScriptedOpener.h"
#include "extras/CBannerView.h"
#include "extras/CHyperlinkStatic.h"

#include <QSet>
#include <QtTest>

#include <array>

class BannerTest : public QObject
{
    Q_OBJECT

private slots:
    void theBannersCycleEvery30SecondsEachCentredWithItsOwnAddress()
    {
        constexpr std::array<QSize, 6> kBannerSizes{
            {{562, 60}, {330, 66}, {330, 66}, {138, 66}, {443, 60}, {500, 70}}};
        CBannerView view;
        view.show();
        view.resize(800, 100);
        QVERIFY(view.CycleTimer().isActive());
        QCOMPARE(view.CycleTimer().interval(), 30000);
        QSet<QString> addresses;
        for (std::size_t banner = 0; banner < 6; ++banner) {
            QCOMPARE(view.CurrentBanner(), int(banner));
            QCOMPARE(view.Link().pixmap().deviceIndependentSize().toSize(), kBannerSizes[banner]);
            QVERIFY(view.Link().Url().startsWith(QLatin1String("https://")));
            QCOMPARE(view.Link().toolTip(), view.Link().Url());
            addresses.insert(view.Link().Url());
            view.OnTimer();
            if (banner == 0) // the next banner is centred at once
                QCOMPARE(view.Link().geometry(), QRect(235, 17, 330, 66));
        }
        QCOMPARE(addresses.size(), 6);
        QCOMPARE(view.CurrentBanner(), 0); // after three minutes
        QCOMPARE(view.Link().geometry(), QRect(119, 20, 562, 60));
    }

    void theBannerIsCentredOrShownFromTheTopLeftOfASmallerPane_data()
    {
        QTest::addColumn<QSize>("pane");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("centred") << QSize(800, 100) << QRect(119, 20, 562, 60);
        QTest::newRow("odd differences round down") << QSize(901, 121) << QRect(169, 30, 562, 60);
        QTest::newRow("smaller both ways") << QSize(300, 40) << QRect(0, 0, 562, 60);
        QTest::newRow("narrower only") << QSize(400, 100) << QRect(0, 20, 562, 60);
        QTest::newRow("lower only") << QSize(700, 30) << QRect(69, 0, 562, 60);
        QTest::newRow("one pixel narrower") << QSize(561, 60) << QRect(0, 0, 562, 60);
    }

    void theBannerIsCentredOrShownFromTheTopLeftOfASmallerPane()
    {
        QFETCH(QSize, pane);
        QFETCH(QRect, expected);
        CBannerView view;
        view.show();
        view.resize(1000, 500);
        view.resize(pane); // follows every resize
        QCOMPARE(view.Link().geometry(), expected);
    }

    void aBannerIsAnUnderlinelessLinkThatOpensItsAddress()
    {
        ScriptedMessageService messages;
        ScriptedOpener opener(42);
        CBannerView view;
        view.show();
        view.resize(800, 100);
        view.OnTimer();
        CHyperlinkStatic& link = view.Link();
        QVERIFY(!link.IsUnderlined());
        QVERIFY(!link.IsAutoSize());
        QCOMPARE(link.VisitedColour(), QColor(255, 0, 0));
        QCOMPARE(link.LinkColour(), QColor(0, 0, 238));
        QCOMPARE(link.cursor().shape(), Qt::BitmapCursor);
        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(opener.opened, QStringList{link.Url() + " 5"});
        QVERIFY(link.IsVisited());
        QVERIFY(messages.requests.empty());
        view.grab();
        QVERIFY(!link.HasUnderlineFont()); // painted, but never underlined
    }
};

QTEST_MAIN(BannerTest)
#include "tst_banner.moc"

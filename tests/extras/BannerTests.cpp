// The banner pane: the cycle, the place of a banner, the click.
#include "ScriptedMessageService.h"
#include "ScriptedOpener.h"
#include "extras/CBannerView.h"
#include "extras/CHyperlinkStatic.h"

#include <QSet>
#include <QtTest>

class BannerTests : public QObject
{
    Q_OBJECT

private slots:
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
            view.grab();
            QVERIFY(!view.Link().HasUnderlineFont()); // painted, but never underlined
        }
        QVERIFY(addresses.size() == 6 && messages.requests.empty());
        QCOMPARE(view.CurrentBanner(), 0); // after three minutes
    }

    void theBannerIsCentredOrShownFromTheTopLeftOfASmallerPane()
    {
        const std::pair<QSize, QRect> cases[] = {// banner 1 is 562 x 60
            {{901, 121}, {169, 30, 562, 60}}, // odd differences round down
            {{300, 40}, {0, 0, 562, 60}}, {{400, 100}, {0, 20, 562, 60}}, {{700, 30}, {69, 0, 562, 60}}};
        CBannerView view;
        view.show();
        for (const auto& [pane, expected] : cases) {
            view.resize(1000, 500);
            view.resize(pane); // follows every resize
            QCOMPARE(view.Link().geometry(), expected);
        }
    }
};

QTEST_MAIN(BannerTests)
#include "BannerTests.moc"

#include "ScriptedMessages.h"
#include "extras/CAboutDlg.h"
#include "extras/CCreditsPanel.h"
#include "extras/CHyperlinkStatic.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
const QString kVersion = QStringLiteral("1.0b15 - Feb  3 1999");
} // namespace

class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void theBoxShowsTheVersionAndTheHomeLink()
    {
        CAboutDlg about;
        about.SetVersionText(kVersion);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Orbek"));
        QCOMPARE(about.VersionLabel().text(), kVersion);

        CHyperlinkStatic& link = about.HomeLink();
        QCOMPARE(link.text(), QStringLiteral("Please visit Orbek Homepage"));
        QVERIFY(link.Url().startsWith(QLatin1String("https://")));
        QCOMPARE(link.toolTip(), link.Url());
        QCOMPARE(link.LinkColour(), QColor(0, 0, 238));
        QCOMPARE(link.VisitedColour(), QColor(255, 0, 0));
        QVERIFY(!link.IsUnderlined());
        QCOMPARE(link.cursor().shape(), Qt::BitmapCursor);
    }

    void theCreditsPanelHoldsTheCreditsPicture()
    {
        CAboutDlg about;
        const auto* panel = about.findChild<CCreditsPanel*>();
        QVERIFY(panel != nullptr);
        QCOMPARE(about.Scroller().PanelSize(), panel->contentsRect().size());
        QVERIFY(panel->contentsRect().width() >= 240);
        QVERIFY(panel->contentsRect().height() >= 150);
    }

    void theCreditsScrollEveryFiveMillisecondsOnceShown()
    {
        CAboutDlg about;
        const auto* timer = about.findChild<QTimer*>(QStringLiteral("creditsTimer"));
        QVERIFY(timer != nullptr);
        QCOMPARE(timer->interval(), 5);
        QVERIFY(!about.IsScrolling());
        about.show();
        QVERIFY(about.IsScrolling());
        // The real timer moves the credits on.
        QTRY_VERIFY_WITH_TIMEOUT(about.Scroller().LineIndex() > 0, 3000);
    }

    void okStopsTheCreditsAndClosesTheBox()
    {
        CAboutDlg about;
        about.show();
        QVERIFY(about.IsScrolling());
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("buttonOk"));
        QVERIFY(ok != nullptr);
        QVERIFY(ok->isDefault());
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!about.IsScrolling());
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void aMissingCreditsPictureStopsTheCreditsWithAMessage()
    {
        ScriptedMessages messages;
        CAboutDlg about(nullptr, [](const QString&) { return QPixmap(); });
        about.show();
        for (int tick = 1; tick <= 15; ++tick)
            about.OnTimer();
        QVERIFY(!about.IsScrolling());
        QCOMPARE(messages.shown.size(), std::size_t{1});
        QCOMPARE(messages.shown[0].text, QStringLiteral("Could not find bitmap resource \"SMALLSPLASH\". Be sure to "
                                                        "assign the bitmap a QUOTED resource name"));
        QCOMPARE(messages.shown[0].icon, IMessageService::Icon::None);
        QCOMPARE(messages.shown[0].buttons, IMessageService::Buttons::Ok);
        QVERIFY(about.isVisible()); // the box stays open
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"

// The help launcher and window: the three fixed requests, missing pages, links.
#include "res/OrbekResources.h"
#include "shell/CHelpViewer.h"
#include "shell/HtmlHelp.h"

#include <QAction>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

class HelpTests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitOrbekResources(); }

    void theContentsAndBothTopicsOpenInOneWindowWhoseLinksLeadBackAndForward()
    {
        const char* const cases[][3] = {
            {"Orbek.chm::/Html/EditPlayer.htm", "qrc:/help/Html/EditPlayer.htm", "Editing players"},
            {"Orbek.chm::/Html/EditTeams.htm", "qrc:/help/Html/EditTeams.htm", "Editing teams"},
            {"Orbek.chm", "qrc:/help/Html/Contents.htm", "Contents"},
        };
        CHelpViewer* viewer = nullptr;
        for (const auto& [request, page, title] : cases) {
            auto* shown = qobject_cast<CHelpViewer*>(OpenHtmlHelp(nullptr, request, kHelpDisplayTopic, 0));
            QVERIFY2(shown && shown->isVisible(), request);
            QCOMPARE(shown->CurrentPage(), QUrl(QString::fromLatin1(page)));
            QCOMPARE(shown->Browser()->documentTitle(), QString::fromLatin1(title));
            QVERIFY(!viewer || shown == viewer); // one window serves every request
            viewer = shown;
        }
        auto* back = viewer->findChild<QAction*>(QStringLiteral("helpBack"));
        auto* forward = viewer->findChild<QAction*>(QStringLiteral("helpForward"));
        QVERIFY(back && forward);
        const QUrl contents(QStringLiteral("qrc:/help/Html/Contents.htm"));
        const QUrl teams(QStringLiteral("qrc:/help/Html/EditTeams.htm"));
        emit viewer->Browser()->anchorClicked(QUrl(QStringLiteral("EditTeams.htm")));
        QCOMPARE(viewer->CurrentPage(), teams);
        back->trigger();
        QCOMPARE(viewer->CurrentPage(), contents);
        QVERIFY(forward->isEnabled());
        forward->trigger();
        QCOMPARE(viewer->CurrentPage(), teams);
        viewer->close();
    }

    void unknownFilesPagesAndCommandsFailSilently()
    {
        QVERIFY(OpenHtmlHelp(nullptr, "Orbek.chm::/Html/NoSuchPage.htm", kHelpDisplayTopic, 0) == nullptr);
        QVERIFY(OpenHtmlHelp(nullptr, "Other.chm", kHelpDisplayTopic, 0) == nullptr);
        QVERIFY(OpenHtmlHelp(nullptr, "Orbek.chm", 15, 0) == nullptr);
        QVERIFY(OpenHtmlHelp(nullptr, nullptr, kHelpDisplayTopic, 0) == nullptr);
    }

    void everyLinkOfEveryPageLeadsToAPage()
    {
        int pages = 0;
        const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
        for (QDirIterator it(QStringLiteral(":/help/Html"), {QStringLiteral("*.htm")}); it.hasNext(); ++pages) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (auto match = reference.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();) {
                const QString target = match.next().captured(1);
                const QString path = target.startsWith(QStringLiteral("qrc:")) ? target.mid(3) : ":/help/Html/" + target;
                QVERIFY2(QFile::exists(path), qPrintable(file.fileName() + " -> " + target));
            }
        }
        QCOMPARE(pages, 3);
    }
};

QTEST_MAIN(HelpTests)
#include "HelpTests.moc"

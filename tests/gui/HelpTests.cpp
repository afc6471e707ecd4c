// The help launcher and the help window: the three fixed requests, pages
// that do not exist, and following links back and forward.
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

    void theContentsAndBothTopicsOpenTheirPagesInOneWindow()
    {
        const char* const cases[][3] = {
            {"Orbek.chm", "qrc:/help/Html/Contents.htm", "Contents"},
            {"Orbek.chm::/Html/EditPlayer.htm", "qrc:/help/Html/EditPlayer.htm", "Editing players"},
            {"Orbek.chm::/Html/EditTeams.htm", "qrc:/help/Html/EditTeams.htm", "Editing teams"},
        };
        QWidget* first = nullptr;
        for (const auto& [request, page, title] : cases) {
            auto* viewer = qobject_cast<CHelpViewer*>(OpenHtmlHelp(nullptr, request, kHelpDisplayTopic, 0));
            QVERIFY2(viewer && viewer->isVisible(), request);
            QCOMPARE(viewer->CurrentPage(), QUrl(QString::fromLatin1(page)));
            QCOMPARE(viewer->Browser()->documentTitle(), QString::fromLatin1(title));
            if (!first)
                first = viewer;
            QCOMPARE(viewer, first); // one window serves every request
        }
        first->close();
    }

    void unknownFilesPagesAndCommandsFailSilently()
    {
        QVERIFY(OpenHtmlHelp(nullptr, "Orbek.chm::/Html/NoSuchPage.htm", kHelpDisplayTopic, 0) == nullptr);
        QVERIFY(OpenHtmlHelp(nullptr, "Other.chm", kHelpDisplayTopic, 0) == nullptr);
        QVERIFY(OpenHtmlHelp(nullptr, "Orbek.chm", 15, 0) == nullptr);
        QVERIFY(OpenHtmlHelp(nullptr, nullptr, kHelpDisplayTopic, 0) == nullptr);
    }

    void linksLeadBackAndForward()
    {
        auto* viewer = qobject_cast<CHelpViewer*>(OpenHtmlHelp(nullptr, "Orbek.chm", kHelpDisplayTopic, 0));
        QVERIFY(viewer);
        auto* back = viewer->findChild<QAction*>(QStringLiteral("helpBack"));
        auto* forward = viewer->findChild<QAction*>(QStringLiteral("helpForward"));
        QVERIFY(back && forward && !back->isEnabled());
        const QUrl contents(QStringLiteral("qrc:/help/Html/Contents.htm"));
        const QUrl teams(QStringLiteral("qrc:/help/Html/EditTeams.htm"));
        emit viewer->Browser()->anchorClicked(QUrl(QStringLiteral("EditTeams.htm")));
        QCOMPARE(viewer->CurrentPage(), teams);
        QVERIFY(back->isEnabled());
        back->trigger();
        QCOMPARE(viewer->CurrentPage(), contents);
        QVERIFY(forward->isEnabled());
        forward->trigger();
        QCOMPARE(viewer->CurrentPage(), teams);
        viewer->close();
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

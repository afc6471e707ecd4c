// The help launcher and the help window: the three fixed requests, pages
// that do not exist, and following links back and forward.
#include "shell/CHelpViewer.h"
#include "shell/HtmlHelp.h"
#include "res/OrbekResources.h"

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
    void theContentsAndBothTopicsOpenTheirPages();
    void unknownFilesPagesAndCommandsFailSilently();
    void linksLeadBackAndForward();
    void everyLinkOfEveryPageLeadsToAPage();
};

void HelpTests::theContentsAndBothTopicsOpenTheirPages()
{
    const struct
    {
        const char* request;
        const char* page;
        const char* title;
    } cases[] = {
        {"Orbek.chm", "qrc:/help/Html/Contents.htm", "Contents"},
        {"Orbek.chm::/Html/EditPlayer.htm", "qrc:/help/Html/EditPlayer.htm", "Editing players"},
        {"Orbek.chm::/Html/EditTeams.htm", "qrc:/help/Html/EditTeams.htm", "Editing teams"},
    };
    QWidget* first = nullptr;
    for (const auto& request : cases) {
        QWidget* window = OpenHtmlHelp(nullptr, request.request, kHelpDisplayTopic, 0);
        auto* viewer = qobject_cast<CHelpViewer*>(window);
        QVERIFY2(viewer, request.request);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->CurrentPage(), QUrl(QString::fromLatin1(request.page)));
        QCOMPARE(viewer->Browser()->documentTitle(), QString::fromLatin1(request.title));
        // One help window serves every request.
        if (!first)
            first = window;
        QCOMPARE(window, first);
    }
    first->close();
}

void HelpTests::unknownFilesPagesAndCommandsFailSilently()
{
    QVERIFY(OpenHtmlHelp(nullptr, "Orbek.chm::/Html/NoSuchPage.htm", kHelpDisplayTopic, 0) == nullptr);
    QVERIFY(OpenHtmlHelp(nullptr, "Other.chm", kHelpDisplayTopic, 0) == nullptr);
    QVERIFY(OpenHtmlHelp(nullptr, "Orbek.chm", 15, 0) == nullptr);
    QVERIFY(OpenHtmlHelp(nullptr, nullptr, kHelpDisplayTopic, 0) == nullptr);
}

void HelpTests::linksLeadBackAndForward()
{
    auto* viewer = qobject_cast<CHelpViewer*>(OpenHtmlHelp(nullptr, "Orbek.chm", kHelpDisplayTopic, 0));
    QVERIFY(viewer);
    QAction* back = viewer->findChild<QAction*>(QStringLiteral("helpBack"));
    QAction* forward = viewer->findChild<QAction*>(QStringLiteral("helpForward"));
    QVERIFY(back && forward);
    QVERIFY(!back->isEnabled());
    emit viewer->Browser()->anchorClicked(QUrl(QStringLiteral("EditTeams.htm")));
    QCOMPARE(viewer->CurrentPage(), QUrl(QStringLiteral("qrc:/help/Html/EditTeams.htm")));
    QVERIFY(back->isEnabled());
    back->trigger();
    QCOMPARE(viewer->CurrentPage(), QUrl(QStringLiteral("qrc:/help/Html/Contents.htm")));
    QVERIFY(forward->isEnabled());
    forward->trigger();
    QCOMPARE(viewer->CurrentPage(), QUrl(QStringLiteral("qrc:/help/Html/EditTeams.htm")));
    viewer->close();
}

void HelpTests::everyLinkOfEveryPageLeadsToAPage()
{
    int pages = 0;
    const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    for (QDirIterator it(QStringLiteral(":/help/Html")); it.hasNext();) {
        const QString path = it.next();
        if (!path.endsWith(QStringLiteral(".htm")))
            continue;
        ++pages;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (auto match = reference.globalMatch(html); match.hasNext();) {
            const QString target = match.next().captured(1);
            const QString resolved = target.startsWith(QStringLiteral("qrc:"))
                ? target.mid(3)
                : QStringLiteral(":/help/Html/") + target;
            QVERIFY2(QFile::exists(resolved), qPrintable(path + " -> " + target));
        }
    }
    QCOMPARE(pages, 3);
}

QTEST_MAIN(HelpTests)
#include "HelpTests.moc"

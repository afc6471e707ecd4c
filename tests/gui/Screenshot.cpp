// Starts the editor on a game file as a user would, expands the first team,
// selects its second player and saves a picture of the main window:
//     orbek_gui_screenshot <game file> <picture.png>
// Used to look at the editor under a virtual display (xvfb-run).
#include "shell/CMainFrame.h"
#include "shell/COrbekApp.h"
#include "tree/CTeamView.h"

#include <QApplication>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: orbek_gui_screenshot <game file> <picture.png>\n");
        return 2;
    }
    COrbekApp orbek;
    if (!orbek.InitInstance({QString::fromLocal8Bit(argv[1])}))
        return 1;
    QTreeWidget* tree = orbek.TeamView()->Tree();
    if (QTreeWidgetItem* team = tree->topLevelItem(0)) {
        team->setExpanded(true);
        if (team->childCount() > 1)
            tree->setCurrentItem(team->child(1));
    }
    const QString picture = QString::fromLocal8Bit(argv[2]);
    // After the splash has gone.
    QTimer::singleShot(4000, [&] {
        orbek.MainFrame()->grab().save(picture);
        QApplication::quit();
    });
    const int result = QApplication::exec();
    orbek.ExitInstance();
    return result;
}

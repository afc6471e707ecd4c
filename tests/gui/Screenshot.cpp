// Not a test: a picture of the editor on a game with the first team expanded,
// for looking at under xvfb-run:  orbek_gui_screenshot <game file> <picture.png>
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
    if (QTreeWidgetItem* team = orbek.TeamView()->Tree()->topLevelItem(0)) {
        team->setExpanded(true);
        orbek.TeamView()->Tree()->setCurrentItem(team->child(1));
    }
    QTimer::singleShot(4000, [&] { // after the splash has gone
        orbek.MainFrame()->grab().save(QString::fromLocal8Bit(argv[2]));
        QApplication::quit();
    });
    const int result = QApplication::exec();
    orbek.ExitInstance();
    return result;
}

// Saves pictures of the Team Properties dialog and the hire list, to check
// their layout by eye:   xvfb-run ./TeamDialogsScreenshot <folder>
#include "TeamsTestGame.h"

#include "teamdialogs/CPlayerListDlg.h"
#include "teamdialogs/CTeamPropertiesDlg.h"

#include <QApplication>
#include <QDir>
#include <QTreeWidget>

#include <iostream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return std::cerr << "usage: TeamDialogsScreenshot <folder>\n", 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    teamstest::LoadedGame game;
    CTeamPropertiesDlg team(game.game);
    team.show();
    team.findChild<QTreeWidget*>("IDC_FIRST_XI")->topLevelItem(3)->setSelected(true);
    CPlayerListDlg hire(game.game, teamstest::kTestTeam);
    hire.show();
    app.processEvents();
    if (!team.grab().save(folder.filePath("TeamProperties.png")) || !hire.grab().save(folder.filePath("PlayerList.png")))
        return std::cerr << "could not save the pictures in " << argv[1] << "\n", 1;
    return 0;
}

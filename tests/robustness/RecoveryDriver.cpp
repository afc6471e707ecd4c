// orbek_recovery_driver MODE GAME [TARGET]: the editor as main.cpp starts
// it, on GAME, with scripted message boxes (every box asked is printed to
// standard output, one line each; questions get Yes), for the crash
// recovery test to run, kill and run again. Settings come from the
// environment (HOME, XDG_CONFIG_HOME, XDG_DATA_HOME).
//   edit       sets the shortest recovery interval, makes the edits through
//              the document, prints "edited" and runs until killed
//   save-edits makes the edits and saves the game as TARGET
//   recover    saves the game as it is after start-up (a recovery accepted)
// Exit status: 0 done, 1 failed (reason on standard error), 2 usage.
#include "ScriptedMessageService.h"
#include "gamedata/TeamEdit.h"
#include "shell/COrbekApp.h"
#include "shell/EditorPreferences.h"
#include "shell/ProfileIni.h"

#include <QApplication>
#include <QFileInfo>

#include <iostream>
#include <string>

namespace {

int Fail(const std::string& message)
{
    std::cerr << "orbek_recovery_driver: " << message << "\n";
    return 1;
}

// A team renamed and a player's career changed: steps of the document, as
// the dialogs and the form make them.
GameStatus MakeEdits(CGameDocument& document)
{
    const CGame& game = document.Game();
    const CTeam* team = game.Teams().empty() ? nullptr : *game.Teams().begin();
    const CPlayer* player = game.Players().empty() ? nullptr : *game.Players().begin();
    if (!team || !player)
        return GameStatus::Failure("the game has no team or no player");
    const std::uint16_t teamId = team->m_wId;
    const std::uint32_t playerId = player->m_nId;
    auto status = document.Edit(QStringLiteral("Team Properties"), [&](GameEdit& edit) {
        auto names = TeamEdit::GetNames(*team);
        names.name += " Recovered";
        auto renamed = TeamEdit::SetNames(edit, teamId, names);
        edit.MarkTeamModified(teamId);
        return renamed;
    });
    if (!status)
        return status;
    return document.Edit(QStringLiteral("Edit"), [&](GameEdit& edit) {
        CPlayer& edited = *edit.Player(playerId);
        edited.SetStat(Competition::FirstClass, Stat::Runs, edited.GetStat(Competition::FirstClass, Stat::Runs) + 1000);
        edit.MarkPlayerModified(playerId);
        return GameStatus();
    });
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 2 ? argv[1] : "";
    const bool saveEdits = mode == "save-edits";
    if ((mode != "edit" && mode != "recover" && !saveEdits) || argc != (saveEdits ? 4 : 3)) {
        std::cerr << "usage: orbek_recovery_driver edit|recover GAME | save-edits GAME TARGET\n";
        return 2;
    }
    QApplication application(argc, argv);
    ScriptedMessageService messages;
    for (int i = 0; i < 8; ++i)
        messages.answers.push_back(IMessageService::Answer::Yes);
    const QString game = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    // The game folder is known, so the start asks nothing else.
    ProfileIni::WriteString(ProfileIni::FilePath(), QString::fromLatin1(ProfileIni::kSection),
        QString::fromLatin1(ProfileIni::kFolderKey), QFileInfo(game).path());
    if (mode == "edit") {
        EditorPreferences preferences = EditorPreferences::Read();
        preferences.SetRecoverySeconds(EditorPreferences::kRecoverySeconds.minimum);
        preferences.Write();
    }

    COrbekApp orbek;
    const bool started = orbek.InitInstance({game});
    for (const QString& text : messages.MessageTexts())
        std::cout << text.toStdString() << "\n";
    std::cout.flush();
    if (!started || !orbek.Game().IsLoaded())
        return Fail("the editor did not start on " + game.toStdString());
    if (mode != "recover") {
        if (auto status = MakeEdits(orbek.Document()); !status)
            return Fail(status.message());
    }
    if (mode == "edit") {
        std::cout << "edited" << std::endl;
        return QApplication::exec();
    }
    if (!orbek.SaveGameFile(saveEdits ? QString::fromLocal8Bit(argv[3]) : QString()))
        return Fail("the save failed: " + messages.MessageTexts().join(QLatin1Char('\n')).toStdString());
    orbek.ExitInstance();
    return 0;
}

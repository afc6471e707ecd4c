#pragma once

// What the editor's GUI tests share: private settings, synthetic games (loaded
// alone or in the started editor), the player form and a hand for modal dialogs.
#include "GameDescription.h"
#include "ScriptedMessageService.h"
#include "TempDir.h"
#include "gamedata/CGame.h"
#include "player/CPlayerAttributesView.h"
#include "shell/CMainFrame.h"
#include "shell/COrbekApp.h"
#include "tree/CTeamView.h"

#include <QApplication>
#include <QColor>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

class CHelpViewer;

namespace guitest {

using Placement = QList<QPair<QString, int>>; // values of the "Window" group

// The test's own configuration folder for "Orbek.INI" and the window placement.
class PrivateConfig
{
public:
    PrivateConfig();
    QString IniPath() const { return m_dir.filePath(QStringLiteral("Orbek.INI")); }
    void WriteIni(const QString& text) const;
    int PlacementValue(const QString& key) const { return Settings()->value("Window/" + key, -12345).toInt(); }

private:
    static std::unique_ptr<QSettings> Settings()
    {
        return std::make_unique<QSettings>(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Orbek"));
    }
    QTemporaryDir m_dir;
};

// A believable game: `teams` squads of `minSquad` to `minSquad` + 3 and some
// free players; same arguments, same game.
testgame::GameDescription SmallGame(int teams = 3, int players = 30, std::uint64_t seed = 7, int minSquad = 4);
QString WriteGame(const testgame::GameDescription& game, const QString& folder,
    const QString& name = QStringLiteral("DATABASE.DB")); // the absolute path
QByteArray FileBytes(const QString& path); // empty when it cannot be read
// A 24-bit bitmap file of one colour; returns its path.
QString WriteBitmap(const QString& path, int width = 60, int height = 70, QColor colour = QColor(200, 40, 40));
// Writes the game into `dir` and loads it without the editor; throws when it does not load.
void LoadGame(CGame& game, const testgame::GameDescription& description, const testgame::TempDir& dir,
    const std::string& fileName = "DATABASE.DB");

// The editor as a user starts it, on private settings (with a remembered game
// folder unless asked otherwise) and scripted messages.
class Editor
{
public:
    explicit Editor(bool rememberGameFolder = true);

    bool Start(const QStringList& arguments = {}) { return m_app->InitInstance(arguments); }
    bool StartOn(const testgame::GameDescription& game, const QString& name = QStringLiteral("DATABASE.DB"))
    {
        gameFile = WriteGame(game, files.path(), name);
        return Start({gameFile});
    }

    COrbekApp& App() { return *m_app; }
    CGame& Game() { return m_app->Game(); }
    CMainFrame& Frame() { return *m_app->MainFrame(); }
    CTeamView& Tree() { return *m_app->TeamView(); }
    QAction& Action(int commandId) { return *Frame().Action(commandId); }
    QTreeWidgetItem* TopLevel(const QString& label); // the first whose label starts so, or null
    void Select(QTreeWidgetItem* item) { Tree().Tree()->setCurrentItem(item); } // as a click would
    void Select(std::uint32_t playerId) { Tree().SelectPlayerNode(playerId); }
    QString Label(std::uint32_t data); // of the node with this item data, or "<no node>"

    CPlayerAttributesView& Form() { return *m_app->PlayerForm(); }
    const CPlayer& Player(std::uint32_t id) { return *Game().Player(id); }
    template <typename T>
    T* Child(const char* name) { return Form().findChild<T*>(QString::fromLatin1(name)); } // of the form
    void Retype(const char* field, const QString& text); // select all, type

    PrivateConfig config;
    QTemporaryDir files; // the game folder
    QString gameFile; // the one StartOn wrote
    ScriptedMessageService messages;

private:
    std::unique_ptr<COrbekApp> m_app;
};

CHelpViewer* ShownHelp(); // the help window on screen, or null
// Once Copy From opens: selects the row of player `id` (none for 0) and clicks `button`.
void ChooseInCopyFrom(std::uint32_t id, const char* button = "buttonOk");

// Runs `act` on the modal dialog of type T once one is up (call it before the
// code that opens the dialog); returns the number of runs, read afterwards.
// A dialog left open is closed, and so is another one after two seconds, so
// no test can hang.
template <typename T>
std::shared_ptr<int> WhenModalOpens(std::function<void(T&)> act)
{
    auto runs = std::make_shared<int>(0);
    auto tries = std::make_shared<int>(0);
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act, tries, runs] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && ++*tries <= 200)
            return;
        poll->stop();
        poll->deleteLater();
        if (!dialog) {
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        ++*runs;
        act(*dialog);
        if (dialog->isVisible())
            dialog->close();
    });
    poll->start(10);
    return runs;
}

} // namespace guitest

#pragma once

#include "GameDescription.h"
#include "ScriptedMessageService.h"
#include "shell/CMainFrame.h"
#include "shell/COrbekApp.h"
#include "tree/CTeamView.h"

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <memory>

namespace guitest {

using Placement = QList<QPair<QString, int>>; // values of the "Window" group

// A configuration folder of the test's own: "Orbek.INI" and the window
// placement are read and written there, never in the user's real profile.
class PrivateConfig
{
public:
    PrivateConfig();
    QString IniPath() const { return m_dir.filePath(QStringLiteral("Orbek.INI")); }
    void WriteIni(const QString& text) const;
    void WritePlacement(const Placement& values) const; // replaces the group
    int PlacementValue(const QString& key) const { return Settings()->value("Window/" + key, -12345).toInt(); }

private:
    static std::unique_ptr<QSettings> Settings()
    {
        return std::make_unique<QSettings>(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Orbek"));
    }
    QTemporaryDir m_dir;
};

// A small believable game: `teams` teams of 4 to 7 players and some players
// without a team, the same for the same seed.
testgame::GameDescription SmallGame(int teams = 3, int players = 30, std::uint64_t seed = 7);
// Writes the game into `folder` under `name`; returns the absolute path.
QString WriteGame(const testgame::GameDescription& game, const QString& folder,
    const QString& name = QStringLiteral("DATABASE.DB"));
QByteArray FileBytes(const QString& path);

// The editor as a user starts it: private settings (with a remembered game
// folder unless asked otherwise), scripted messages, COrbekApp::InitInstance.
class Editor
{
public:
    explicit Editor(bool rememberGameFolder = true);

    bool Start(const QStringList& arguments = {}) { return m_app->InitInstance(arguments); }
    bool StartOn(const testgame::GameDescription& game) { return Start({WriteGame(game, files.path())}); }

    COrbekApp& App() { return *m_app; }
    CGame& Game() { return m_app->Game(); }
    CMainFrame& Frame() { return *m_app->MainFrame(); }
    CTeamView& Tree() { return *m_app->TeamView(); }
    QAction& Action(int commandId) { return *Frame().Action(commandId); }
    // The top-level node whose label starts with `label`, or null.
    QTreeWidgetItem* TopLevel(const QString& label);
    void Select(QTreeWidgetItem* item) { Tree().Tree()->setCurrentItem(item); } // as a click would

    PrivateConfig config;
    QTemporaryDir files;
    ScriptedMessageService messages;

private:
    std::unique_ptr<COrbekApp> m_app;
};

} // namespace guitest

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

// The test's own configuration folder for "Orbek.INI" and the window placement.
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

// A believable game: `teams` squads of 4 to 7 and some free players; same seed, same game.
testgame::GameDescription SmallGame(int teams = 3, int players = 30, std::uint64_t seed = 7);
QString WriteGame(const testgame::GameDescription& game, const QString& folder,
    const QString& name = QStringLiteral("DATABASE.DB")); // the absolute path
QByteArray FileBytes(const QString& path);

// The editor as a user starts it, on private settings (with a remembered game
// folder unless asked otherwise) and scripted messages.
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
    QTreeWidgetItem* TopLevel(const QString& label); // the first whose label starts so, or null
    void Select(QTreeWidgetItem* item) { Tree().Tree()->setCurrentItem(item); } // as a click would

    PrivateConfig config;
    QTemporaryDir files;
    ScriptedMessageService messages;

private:
    std::unique_ptr<COrbekApp> m_app;
};

} // namespace guitest

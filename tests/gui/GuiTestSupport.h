#pragma once

#include "GameDescription.h"
#include "ScriptedMessageService.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class COrbekApp;
class CMainFrame;
class CTeamView;
class QAction;
class QTreeWidgetItem;

namespace guitest {

// A configuration folder of the test's own: "Orbek.INI" and the window
// placement are read and written there, never in the user's real profile.
class PrivateConfig
{
public:
    PrivateConfig();
    ~PrivateConfig();
    PrivateConfig(const PrivateConfig&) = delete;
    PrivateConfig& operator=(const PrivateConfig&) = delete;

    QString Folder() const { return m_dir.path(); }
    QString IniPath() const;
    QString ReadIni() const;
    void WriteIni(const QString& text) const;
    // Writes the given values of the "Window" group (missing ones are left out).
    void WritePlacement(const QList<QPair<QString, int>>& values) const;
    // A value of the "Window" group, or -12345 when it is missing.
    int PlacementValue(const QString& key) const;

private:
    QTemporaryDir m_dir;
};

// A small believable game: `teams` teams of 4 to 7 players and some
// players without a team, the same for the same seed.
testgame::GameDescription SmallGame(int teams = 3, int players = 30, std::uint64_t seed = 7);
// Writes the game into `folder` under `name`; returns the absolute path.
QString WriteGame(const testgame::GameDescription& game, const QString& folder, const QString& name = QStringLiteral("DATABASE.DB"));
QByteArray FileBytes(const QString& path);

// The editor as a user starts it: private settings (with a remembered game
// folder unless asked otherwise), scripted messages, COrbekApp::InitInstance.
class Editor
{
public:
    explicit Editor(bool rememberGameFolder = true);
    ~Editor();

    bool Start(const QStringList& arguments = {});

    COrbekApp& App() { return *m_app; }
    CMainFrame& Frame();
    CTeamView& Tree();
    QAction& Action(int commandId);
    // The top-level node whose label starts with `label`, or null.
    QTreeWidgetItem* TopLevel(const QString& label);
    // Selects the node as a click would.
    void Select(QTreeWidgetItem* item);

    PrivateConfig config;
    QTemporaryDir files;
    ScriptedMessageService messages;

private:
    std::unique_ptr<COrbekApp> m_app;
};

} // namespace guitest

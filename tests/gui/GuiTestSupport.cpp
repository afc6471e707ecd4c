#include "GuiTestSupport.h"

#include "GameFileBuilder.h"
#include "RealisticGame.h"
#include "shell/CMainFrame.h"
#include "shell/COrbekApp.h"
#include "shell/ProfileIni.h"
#include "shell/WindowPlacement.h"
#include "tree/CTeamView.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTreeWidget>

namespace guitest {

PrivateConfig::PrivateConfig()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

PrivateConfig::~PrivateConfig() = default;

QString PrivateConfig::IniPath() const
{
    return ProfileIni::FilePath();
}

QString PrivateConfig::ReadIni() const
{
    QFile file(IniPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void PrivateConfig::WriteIni(const QString& text) const
{
    QDir().mkpath(QFileInfo(IniPath()).absolutePath());
    QFile file(IniPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

void PrivateConfig::WritePlacement(const QList<QPair<QString, int>>& values) const
{
    QSettings settings(QString::fromLatin1(WindowPlacement::kCompany), QStringLiteral("Orbek"));
    settings.remove(QStringLiteral("Window"));
    settings.beginGroup(QStringLiteral("Window"));
    for (const auto& [key, value] : values)
        settings.setValue(key, value);
}

int PrivateConfig::PlacementValue(const QString& key) const
{
    QSettings settings(QString::fromLatin1(WindowPlacement::kCompany), QStringLiteral("Orbek"));
    return settings.value(QStringLiteral("Window/") + key, -12345).toInt();
}

testgame::GameDescription SmallGame(int teams, int players, std::uint64_t seed)
{
    testgame::RealisticOptions options;
    options.teamCount = teams;
    options.minSquad = 4;
    options.maxSquad = 7;
    options.otherEntries = 1;
    options.restTeamNameStrings = 2;
    return testgame::MakeRealisticGame(seed, players, options);
}

QString WriteGame(const testgame::GameDescription& game, const QString& folder, const QString& name)
{
    const QString path = QDir(folder).absoluteFilePath(name);
    testgame::WriteGame(game, std::filesystem::path(path.toStdString()));
    return path;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Editor::Editor(bool rememberGameFolder)
{
    if (rememberGameFolder)
        config.WriteIni(QStringLiteral("[Orbek]\r\nICC Folder=%1\r\n").arg(files.path()));
    m_app = std::make_unique<COrbekApp>();
}

Editor::~Editor()
{
    m_app.reset();
}

bool Editor::Start(const QStringList& arguments)
{
    return m_app->InitInstance(arguments);
}

CMainFrame& Editor::Frame()
{
    return *m_app->MainFrame();
}

CTeamView& Editor::Tree()
{
    return *m_app->TeamView();
}

QAction& Editor::Action(int commandId)
{
    return *Frame().Action(commandId);
}

QTreeWidgetItem* Editor::TopLevel(const QString& label)
{
    QTreeWidget* tree = Tree().Tree();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (tree->topLevelItem(i)->text(0).startsWith(label))
            return tree->topLevelItem(i);
    return nullptr;
}

void Editor::Select(QTreeWidgetItem* item)
{
    Tree().Tree()->setCurrentItem(item);
}

} // namespace guitest

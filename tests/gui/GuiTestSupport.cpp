#include "GuiTestSupport.h"

#include "BmpWriter.h"
#include "GameFileBuilder.h"
#include "RealisticGame.h"
#include "player/CCopyFromDlg.h"
#include "services/CHelpViewer.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

namespace guitest {

PrivateConfig::PrivateConfig()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

void PrivateConfig::WriteIni(const QString& text) const
{
    if (QFile file(IniPath()); file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

testgame::GameDescription SmallGame(int teams, int players, std::uint64_t seed, int minSquad)
{
    testgame::RealisticOptions options;
    options.teamCount = teams;
    options.minSquad = minSquad;
    options.maxSquad = minSquad + 3;
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

QString WriteBitmap(const QString& path, int width, int height, QColor colour)
{
    const testgame::Rgb rgb{std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue())};
    testgame::WriteBmp24(path.toStdString(), testgame::Image(width, height, rgb));
    return path;
}

void LoadGame(CGame& game, const testgame::GameDescription& description, const testgame::TempDir& dir,
    const std::string& fileName)
{
    testgame::WriteGame(description, dir / fileName);
    if (const GameStatus status = game.LoadGameFile((dir / fileName).string()); !status)
        throw std::runtime_error("the test game does not load: " + status.message());
}

CHelpViewer* ShownHelp()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* viewer = qobject_cast<CHelpViewer*>(window); viewer && viewer->isVisible())
            return viewer;
    return nullptr;
}

void ChooseInCopyFrom(std::uint32_t id, const char* button)
{
    WhenModalOpens<CCopyFromDlg>([id, button](CCopyFromDlg& dialog) {
        for (int i = 0; i < dialog.List()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = dialog.List()->topLevelItem(i);
            row->setSelected(row->data(0, Qt::UserRole).toUInt() == id);
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    });
}

Editor::Editor(bool rememberGameFolder)
{
    if (rememberGameFolder)
        config.WriteIni(QStringLiteral("[Orbek]\r\nICC Folder=%1\r\n").arg(files.path()));
    m_app = std::make_unique<COrbekApp>();
}

QTreeWidgetItem* Editor::TopLevel(const QString& label)
{
    QTreeWidget* tree = Tree().Tree();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (tree->topLevelItem(i)->text(0).startsWith(label))
            return tree->topLevelItem(i);
    return nullptr;
}

QString Editor::Label(std::uint32_t data)
{
    const QTreeWidgetItem* node = Tree().FindItemByData(data);
    return node ? node->text(0) : QStringLiteral("<no node>");
}

void Editor::Retype(const char* field, const QString& text)
{
    auto* edit = Child<QLineEdit>(field);
    edit->selectAll();
    edit->insert(text);
}

} // namespace guitest

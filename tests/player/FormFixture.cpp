#include "FormFixture.h"

#include "BmpWriter.h"
#include "GameFileBuilder.h"
#include "RealisticGame.h"

#include "gamedata/CGame.h"
#include "player/CPlayerAttributesView.h"
#include "shell/COrbekApp.h"
#include "tree/CTeamView.h"

#include <QDir>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTreeWidgetItem>

#include <QFile>

namespace playertest {

testgame::GameDescription MakeGame(int playerCount)
{
    return testgame::MakeRealisticGame(6, playerCount);
}

static QString WriteGame(const testgame::GameDescription& game, const testgame::TempDir& dir)
{
    const auto path = dir / "DATABASE.DB";
    testgame::WriteGame(game, path);
    return QString::fromStdString(path.string());
}

bool LoadGame(CGame& game, const testgame::GameDescription& description, const testgame::TempDir& dir)
{
    return game.LoadGameFile(WriteGame(description, dir).toStdString()).ok();
}

QString WriteBitmap(const QString& path, int width, int height, QColor colour)
{
    testgame::Image image(width, height,
        testgame::Rgb{std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue())});
    testgame::WriteBmp24(path.toStdString(), image);
    return path;
}

QString PathIn(const testgame::TempDir& dir, const QString& name)
{
    return QDir(QString::fromStdString(dir.Path().string())).filePath(name);
}

FormFixture::FormFixture()
{
    QStandardPaths::setTestModeEnabled(true);
}

FormFixture::~FormFixture() = default;

bool FormFixture::Start(const testgame::GameDescription& game)
{
    m_strGameFile = WriteGame(game, m_dir);
    m_app = std::make_unique<COrbekApp>();
    // No game folder is remembered yet: decline choosing one at start-up.
    m_messages.answers.push_back(IMessageService::Answer::No);
    if (!m_app->InitInstance({m_strGameFile}) || !m_app->Game().IsLoaded())
        return false;
    m_app->m_strGameFolder = GameFolder();
    m_messages.Clear();
    return true;
}

CPlayerAttributesView& FormFixture::Form() { return *m_app->PlayerForm(); }
QWidget* FormFixture::FormWidget() { return m_app->PlayerForm(); }
CPlayer& FormFixture::Player(std::uint32_t id) { return *m_app->Game().Player(id); }
void FormFixture::Select(std::uint32_t id) { m_app->TeamView()->SelectPlayerNode(id); }

QString FormFixture::Label(std::uint32_t id)
{
    const QTreeWidgetItem* item = m_app->TeamView()->FindItemByData(id);
    return item ? item->text(0) : QStringLiteral("<no node>");
}

void FormFixture::Retype(const char* field, const QString& text)
{
    auto* edit = Child<QLineEdit>(field);
    edit->selectAll();
    edit->insert(text);
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace playertest

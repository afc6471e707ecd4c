#include "FormFixture.h"

#include "PlayerTestGame.h"

#include "gamedata/CGame.h"
#include "player/CPlayerAttributesView.h"
#include "shell/COrbekApp.h"
#include "tree/CTeamView.h"

#include <QLineEdit>
#include <QStandardPaths>
#include <QTreeWidgetItem>
#include <QtTest>

namespace playertest {

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
    m_messages.QueueAnswer(IMessageService::Answer::No);
    if (!m_app->InitInstance({m_strGameFile}) || !m_app->Game().IsLoaded())
        return false;
    m_app->m_strGameFolder = GameFolder();
    m_messages.Clear();
    return true;
}

QString FormFixture::GameFolder() const
{
    return QString::fromStdString(m_dir.Path().string());
}

CPlayerAttributesView& FormFixture::Form()
{
    return *m_app->PlayerForm();
}

QWidget* FormFixture::FormWidget()
{
    return m_app->PlayerForm();
}

CPlayer& FormFixture::Player(std::uint32_t id)
{
    return *m_app->Game().Player(id);
}

void FormFixture::Select(std::uint32_t id)
{
    m_app->TeamView()->SelectPlayerNode(id);
}

QString FormFixture::Label(std::uint32_t id)
{
    const QTreeWidgetItem* item = m_app->TeamView()->FindItemByData(id);
    return item ? item->text(0) : QStringLiteral("<no node>");
}

void FormFixture::Retype(const char* field, const QString& text)
{
    QLineEdit* edit = Child<QLineEdit>(field);
    edit->selectAll();
    edit->insert(text);
}

} // namespace playertest

#include "checking/CSaveCheck.h"

#include "document/CGameDocument.h"
#include "services/MessageService.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr std::size_t kLinesShown = 3;

} // namespace

CSaveCheck::CSaveCheck(CGameDocument& document, QObject* parent) : QObject(parent), m_document(document)
{
    connect(&m_document, &CGameDocument::gameReset, this, &CSaveCheck::NoteFileFindings);
    connect(&m_document, &CGameDocument::gameSaved, this, &CSaveCheck::NoteFileFindings);
}

void CSaveCheck::NoteFileFindings()
{
    const CGame& game = m_document.Game();
    m_fileFindings = game.IsLoaded() ? GameCheck::CheckGame(game) : std::vector<GameCheck::Finding>{};
}

bool CSaveCheck::MaySave(QWidget* parent) const
{
    const auto added = GameCheck::NewFindings(m_fileFindings, GameCheck::CheckGame(m_document.Game()));
    if (added.empty())
        return true;
    return Messages().ShowMessage(parent, Question(added), IMessageService::Buttons::YesNo, IMessageService::Icon::Warning)
        == IMessageService::Answer::Yes;
}

QString CSaveCheck::Question(const std::vector<GameCheck::Finding>& added)
{
    QStringList lines;
    for (std::size_t i = 0; i < std::min(added.size(), kLinesShown); ++i)
        lines << QString::fromStdString(GameCheck::Line(added[i]));
    return tr("This game has %1 new problems that the game may not handle:\n%2\nSave anyway?")
        .arg(added.size())
        .arg(lines.join(QLatin1Char('\n')));
}

#include "CGameDocument.h"

#include "GameStep.h"

#include "gamedata/Cp1252.h"

#include <memory>

namespace {

QList<quint32> ToList(const auto& ids)
{
    QList<quint32> list;
    list.reserve(static_cast<qsizetype>(ids.size()));
    for (const auto id : ids)
        list.push_back(id);
    return list;
}

} // namespace

CGameDocument::CGameDocument(QObject* parent) : QObject(parent)
{
    m_observerToken = m_game.AddObserver([this](const GameChange& change) { OnGameChange(change); });
}

CGameDocument::~CGameDocument()
{
    m_game.RemoveObserver(m_observerToken);
    // The steps refer to the game: they go first.
    m_history.clear();
}

GameStatus CGameDocument::Load(const QString& path)
{
    m_history.clear();
    SetPendingPlayer(0);
    return m_game.LoadGameFile(path.toStdString());
}

GameStatus CGameDocument::Save(const QString& newPath, const std::optional<Backups::Settings>& backups)
{
    const GameStatus status = m_game.SaveGameFile(newPath.toStdString(), backups);
    if (status)
        m_history.setClean();
    return status;
}

void CGameDocument::Close()
{
    m_history.clear();
    SetPendingPlayer(0);
    m_game.FreeGameData();
}

GameStatus CGameDocument::Edit(const QString& stepName, const std::function<GameStatus(GameEdit&)>& operation)
{
    GameEdit edit(m_game);
    const GameStatus status = operation(edit);
    if (!status) {
        edit.Rollback();
        return status;
    }
    AddStep(edit.Commit(stepName.toStdString()));
    return status;
}

void CGameDocument::AddStep(GameUndoRecord record)
{
    if (!record.Empty())
        m_history.push(new GameStep(*this, std::move(record)));
}

void CGameDocument::SetCurrentPlayer(int playerId)
{
    if (playerId == m_currentPlayer)
        return;
    m_currentPlayer = playerId;
    emit currentPlayerChanged(playerId);
}

void CGameDocument::SetPendingPlayer(int playerId)
{
    if (playerId == m_pendingPlayer)
        return;
    const int previous = m_pendingPlayer;
    m_pendingPlayer = playerId;
    emit pendingPlayerChanged(previous, playerId);
}

QString CGameDocument::PlayerLabel(const CPlayer& player) const
{
    QString label = GameText(player.GetDisplayName());
    if (player.m_bModified || static_cast<int>(player.m_nId) == m_pendingPlayer)
        label += QLatin1Char('*');
    return label;
}

QString CGameDocument::GameText(const std::string& bytes)
{
    return QString::fromStdString(Cp1252::ToUtf8(bytes));
}

QString CGameDocument::StepName(const QString& action, const CPlayer& player)
{
    return action + QLatin1Char(' ') + GameText(player.GetDisplayName());
}

void CGameDocument::StepApplied(const GameUndoRecord& record)
{
    QList<quint32> players;
    for (const auto& image : record.Players())
        players.push_back(image.id);
    emit stepApplied(players);
}

void CGameDocument::OnGameChange(const GameChange& change)
{
    if (change.reset) {
        m_currentPlayer = -1;
        emit gameReset();
        return;
    }
    if (change.saved) {
        emit gameSaved();
        return;
    }
    if (change.names)
        emit namesChanged();
    if (!change.teams.empty())
        emit teamsChanged(ToList(change.teams));
    if (!change.players.empty())
        emit playersChanged(ToList(change.players));
}

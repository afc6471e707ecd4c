#include "GameEdit.h"

#include "RecordLayout.h"

#include <algorithm>
#include <cassert>

namespace {

// Takes the record's before-image the first time its id is touched. The
// slot table grows on demand; 0 = not touched yet, else the image's index + 1.
template <typename Record, typename Image>
Record* Touch(Record* record, std::uint32_t id, std::size_t tableSize, std::vector<std::uint32_t>& slots,
    std::vector<Image>& images)
{
    if (!record)
        return nullptr;
    if (slots.size() < tableSize)
        slots.resize(tableSize);
    if (slots[id] == 0) {
        images.push_back({static_cast<decltype(Image::id)>(id), *record, {}});
        slots[id] = static_cast<std::uint32_t>(images.size());
    }
    return record;
}

bool SameTeamState(const CTeam& a, const CTeam& b)
{
    return a.SameContent(b) && a.m_bModified == b.m_bModified && a.m_wFileXICount == b.m_wFileXICount;
}

bool SamePlayerState(const CPlayer& a, const CPlayer& b)
{
    return a.SameContent(b) && a.m_bModified == b.m_bModified && a.m_wSavedTeam == b.m_wSavedTeam;
}

} // namespace

GameEdit::GameEdit(CGame& game) : m_game(game), m_gameModifiedBefore(game.m_bModified)
{
    assert(!game.m_openEdit && "one edit at a time");
    m_game.m_openEdit = this;
}

GameEdit::~GameEdit()
{
    if (m_open)
        Rollback();
}

GameStatus GameEdit::Within(CGame& game, const std::function<GameStatus(GameEdit&)>& op)
{
    if (game.m_openEdit)
        return op(*game.m_openEdit);
    GameEdit edit(game);
    GameStatus status = op(edit);
    if (status)
        edit.Commit();
    return status;
}

CPlayer* GameEdit::Player(std::uint32_t id)
{
    return Touch(m_open ? m_game.WritablePlayer(id) : nullptr, id, m_game.m_players.size(), m_playerSlot, m_players);
}

CTeam* GameEdit::Team(std::uint32_t id)
{
    return Touch(m_open ? m_game.WritableTeam(id) : nullptr, id, m_game.m_teams.size(), m_teamSlot, m_teams);
}

void GameEdit::TouchNames()
{
    if (m_namesTouched)
        return;
    m_namesTouched = true;
    for (std::size_t list = 0; list < m_listSizeBefore.size(); ++list)
        m_listSizeBefore[list] = m_game.NameList(list).size();
}

void GameEdit::SetTeamName(std::size_t list, std::uint16_t id, const std::string& name)
{
    if (!m_open)
        return;
    TouchNames();
    auto& names = m_game.WritableNameList(list);
    const bool seen = std::any_of(m_names.begin(), m_names.end(),
        [&](const auto& image) { return image.list == list && image.id == id; });
    if (!seen)
        m_names.push_back({list, id, id < names.size() ? names[id] : std::string(), {}});
    if (names.size() <= id)
        names.resize(std::size_t{id} + 1);
    names[id] = name;
}

GameStatus GameEdit::MovePlayer(std::uint32_t playerId, std::uint16_t newTeam)
{
    const CPlayer* player = m_game.Player(playerId);
    return MovePlayer(playerId, player ? player->Team() : newTeam, newTeam);
}

GameStatus GameEdit::MovePlayer(std::uint32_t playerId, std::uint16_t oldTeam, std::uint16_t newTeam)
{
    if (oldTeam == newTeam || !m_open)
        return {};
    if (!m_game.Player(playerId))
        return GameStatus::Failure("There is no player with the id " + std::to_string(playerId) + ".");
    const CTeam* joined = newTeam != kNoTeam ? m_game.Team(newTeam) : nullptr;
    if (newTeam != kNoTeam && !joined)
        return GameStatus::Failure("There is no team with the id " + std::to_string(newTeam) + ".");
    if (joined && joined->m_wPlayerCount >= TeamLayout::kMaxSquad)
        return GameStatus::Failure("The squad of " + joined->m_strName + " is full: a team can hold at most 256 players.");

    if (CTeam* source = oldTeam != kNoTeam ? Team(oldTeam) : nullptr) {
        auto& squad = source->m_squad;
        const auto used = squad.begin() + source->m_wPlayerCount;
        const auto found = std::find(squad.begin(), used, playerId);
        if (found != used) {
            std::move(found + 1, used, found);
            --source->m_wPlayerCount;
            squad[source->m_wPlayerCount] = 0;
        }
        // Each First XI place he held goes to the first squad member not in the XI.
        for (auto& slot : source->m_firstXI) {
            if (slot != playerId)
                continue;
            for (std::size_t i = 0; i < source->m_wPlayerCount; ++i) {
                if (!source->HasInFirstXI(squad[i])) {
                    slot = squad[i];
                    break;
                }
            }
        }
    }
    if (CTeam* target = joined ? Team(newTeam) : nullptr)
        target->m_squad[target->m_wPlayerCount++] = playerId;

    Player(playerId)->SetTeam(newTeam);
    MarkPlayerModified(playerId);
    return {};
}

void GameEdit::MarkPlayerModified(std::uint32_t playerId)
{
    if (CPlayer* player = Player(playerId)) {
        player->m_bModified = 1;
        m_game.m_bModified = 1;
    }
}

void GameEdit::MarkTeamModified(std::uint16_t teamId)
{
    if (CTeam* team = Team(teamId)) {
        team->m_bModified = 1;
        m_game.m_bModified = 1;
    }
}

void GameEdit::MarkChangedModified()
{
    for (const auto& image : m_players) {
        if (!image.before.SameContent(*m_game.Player(image.id)))
            MarkPlayerModified(image.id);
    }
    for (const auto& image : m_teams) {
        if (!image.before.SameContent(*m_game.Team(image.id)))
            MarkTeamModified(image.id);
    }
}

GameUndoRecord GameEdit::Commit(std::string name)
{
    GameUndoRecord record;
    if (!m_open)
        return record;
    record.m_name = std::move(name);
    record.m_loadGeneration = m_game.LoadGeneration();
    record.m_saveGeneration = m_game.SaveGeneration();
    for (auto& image : m_players) {
        image.after = *m_game.Player(image.id);
        if (!SamePlayerState(image.before, image.after))
            record.m_players.push_back(std::move(image));
    }
    for (auto& image : m_teams) {
        image.after = *m_game.Team(image.id);
        if (!SameTeamState(image.before, image.after))
            record.m_teams.push_back(std::move(image));
    }
    for (auto& image : m_names) {
        const auto& list = m_game.NameList(image.list);
        image.after = image.id < list.size() ? list[image.id] : std::string();
        if (image.before != image.after)
            record.m_names.push_back(std::move(image));
    }
    if (m_namesTouched) {
        record.m_listSizeBefore = m_listSizeBefore;
        for (std::size_t list = 0; list < m_listSizeBefore.size(); ++list)
            record.m_listSizeAfter[list] = m_game.NameList(list).size();
        record.m_listsTouched = true;
    }
    record.m_gameModifiedBefore = m_gameModifiedBefore;
    record.m_gameModifiedAfter = m_game.m_bModified;
    std::ranges::sort(record.m_players, {}, &GameUndoRecord::PlayerImage::id);
    std::ranges::sort(record.m_teams, {}, &GameUndoRecord::TeamImage::id);
    Close();
    if (!record.Empty())
        m_game.Notify(record.Change());
    return record;
}

void GameEdit::Rollback()
{
    if (!m_open)
        return;
    for (auto image = m_players.rbegin(); image != m_players.rend(); ++image)
        *m_game.m_players[image->id] = image->before;
    for (auto image = m_teams.rbegin(); image != m_teams.rend(); ++image)
        *m_game.m_teams[image->id] = image->before;
    for (const auto& image : m_names) {
        auto& list = m_game.WritableNameList(image.list);
        if (image.id < list.size())
            list[image.id] = image.before;
    }
    if (m_namesTouched) {
        for (std::size_t list = 0; list < m_listSizeBefore.size(); ++list)
            m_game.WritableNameList(list).resize(m_listSizeBefore[list]);
    }
    m_game.m_bModified = m_gameModifiedBefore;
    Close();
}

void GameEdit::Close()
{
    m_open = false;
    m_players.clear();
    m_teams.clear();
    m_names.clear();
    m_game.m_openEdit = nullptr;
}

#include "teamdialogs/TeamPropertiesModel.h"

#include "teamdialogs/NameOrder.h"

#include "CGame.h"
#include "GameEdit.h"
#include "TeamEdit.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace {

constexpr int kFirstXISize = static_cast<int>(TeamLayout::kFirstXI);

bool HoldsMark(const ListEntry& entry, char mark)
{
    return entry.strMarks.find(mark) != std::string::npos;
}

bool AnyHoldsMark(const EntryList& list, char mark, int except = -1)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (static_cast<int>(i) != except && HoldsMark(list[i], mark))
            return true;
    }
    return false;
}

// The First XI place of each role as the team record stores it, with its mark.
std::array<std::pair<int, char>, 4> StoredRoles(const CTeam& team)
{
    return {{{team.Captain(), '*'}, {team.KeeperPos(), '+'}, {team.OpenBowler1(), '1'}, {team.OpenBowler2(), '2'}}};
}

} // namespace

CTeamPropertiesModel::CTeamPropertiesModel(CGame& game)
    : m_game(game)
{
}

// An edit still open (the dialog closed some other way) is rolled back.
CTeamPropertiesModel::~CTeamPropertiesModel() = default;

void CTeamPropertiesModel::Open()
{
    m_bChanged = false;
    m_record = {};
    m_edit = std::make_unique<GameEdit>(m_game);
    m_teamOrder.clear();
    for (const CTeam* team : m_game.Teams())
        m_teamOrder.push_back(team->m_wId);
    // Equal names keep table order, as a sorted combo box inserts them.
    std::stable_sort(m_teamOrder.begin(), m_teamOrder.end(),
        [this](std::uint16_t a, std::uint16_t b) { return NameLess(m_game.Team(a)->m_strName, m_game.Team(b)->m_strName); });
    if (!m_teamOrder.empty())
        LoadTeam(m_teamOrder.front());
}

const CTeam* CTeamPropertiesModel::Shown() const
{
    return m_nTeam < 0 ? nullptr : m_game.Team(static_cast<std::uint32_t>(m_nTeam));
}

CTeam* CTeamPropertiesModel::Edited()
{
    return m_nTeam < 0 || !m_edit ? nullptr : m_edit->Team(static_cast<std::uint32_t>(m_nTeam));
}

void CTeamPropertiesModel::CommitEdit()
{
    if (m_edit)
        m_record = m_edit->Commit("Team Properties");
}

TeamFields CTeamPropertiesModel::LoadedFields() const
{
    const CTeam* team = Shown();
    if (!team)
        return {};
    return {team->m_strName, team->m_strShortName, team->m_strAbbrev, std::to_string(team->Budget())};
}

void CTeamPropertiesModel::LoadTeam(int teamId)
{
    m_nTeam = teamId;
    m_teamList.clear();
    m_firstXI.clear();
    const CTeam* team = Shown();
    if (!team)
        return;
    m_teamCopy = *team;
    for (std::size_t k = 0; k < team->m_wPlayerCount; ++k)
        InsertTeamListEntry(team->m_squad[k]);
    FillFirstXI();
}

void CTeamPropertiesModel::FillTeamList()
{
    m_teamList.clear();
    const CTeam* team = Shown();
    if (!team)
        return;
    for (std::size_t k = 0; k < team->m_wPlayerCount; ++k) {
        const std::uint32_t id = team->m_squad[k];
        const bool inFirstXI = std::any_of(m_firstXI.begin(), m_firstXI.end(), [id](const ListEntry& e) { return e.nId == id; });
        if (!inFirstXI)
            InsertTeamListEntry(id);
    }
}

void CTeamPropertiesModel::FillFirstXI()
{
    const CTeam* team = Shown();
    for (int i = 0; i < kFirstXISize; ++i) {
        const std::uint32_t id = team->m_firstXI[static_cast<std::size_t>(i)];
        if (id == 0)
            continue;
        InsertFirstXIEntry(id, i);
        const auto it = std::find_if(m_teamList.begin(), m_teamList.end(), [id](const ListEntry& e) { return e.nId == id; });
        if (it != m_teamList.end())
            m_teamList.erase(it);
    }
}

// The Team List keeps its rows sorted by display name.
void CTeamPropertiesModel::InsertTeamListEntry(std::uint32_t playerId)
{
    auto nameOf = [this](std::uint32_t id) {
        const CPlayer* player = m_game.Player(id);
        return player ? player->GetDisplayName() : std::string();
    };
    const std::string name = nameOf(playerId);
    const auto at = std::upper_bound(m_teamList.begin(), m_teamList.end(), name,
        [&](const std::string& n, const ListEntry& e) { return NameLess(n, nameOf(e.nId)); });
    m_teamList.insert(at, ListEntry{playerId, {}, false});
}

void CTeamPropertiesModel::InsertFirstXIEntry(std::uint32_t playerId, int position)
{
    const int index = std::clamp(position, 0, static_cast<int>(m_firstXI.size()));
    m_firstXI.insert(m_firstXI.begin() + index, ListEntry{playerId, {}, false});
    SetEntryMarks(index);
}

// The marks come from the roles stored in the team record for the entry's
// position, not from the player; a mark another entry already carries (the
// user moved it there) stays there, so each mark is on one entry at most.
void CTeamPropertiesModel::SetEntryMarks(int index)
{
    std::string marks;
    for (const auto& [position, mark] : StoredRoles(*Shown())) {
        if (position == index && !AnyHoldsMark(m_firstXI, mark, index))
            marks += mark;
    }
    m_firstXI[static_cast<std::size_t>(index)].strMarks = marks;
}

// A mark that left with a removed entry is saved at the role's stored place,
// so the entry now there shows it. One player never opens from both ends:
// when the other opener stands there, the mark goes to the entry at the other
// opener's stored place instead (he has left it), so the list still shows
// every opener that OK saves.
void CTeamPropertiesModel::PlaceStrayMarks()
{
    const CTeam& team = *Shown();
    const int size = static_cast<int>(m_firstXI.size());
    for (const auto& [position, mark] : StoredRoles(team)) {
        if (AnyHoldsMark(m_firstXI, mark))
            continue;
        const bool opener = mark == '1' || mark == '2';
        const char otherEnd = mark == '1' ? '2' : '1';
        int place = position;
        if (opener && place >= 0 && place < size && HoldsMark(m_firstXI[static_cast<std::size_t>(place)], otherEnd))
            place = mark == '1' ? team.OpenBowler2() : team.OpenBowler1();
        if (place < 0 || place >= size)
            continue;
        std::string& marks = m_firstXI[static_cast<std::size_t>(place)].strMarks;
        if (!opener || marks.find(otherEnd) == std::string::npos)
            marks += mark;
    }
}

void CTeamPropertiesModel::RemoveFirstXIEntry(int index)
{
    const std::uint32_t id = m_firstXI[static_cast<std::size_t>(index)].nId;
    m_firstXI.erase(m_firstXI.begin() + index);
    auto& xi = Edited()->m_firstXI;
    const auto found = std::find(xi.begin(), xi.end(), id);
    if (found == xi.end())
        return;
    auto place = static_cast<std::size_t>(found - xi.begin());
    while (place + 1 < xi.size() && xi[place + 1] != 0) {
        xi[place] = xi[place + 1];
        ++place;
    }
    xi[place] = 0;
}

std::string CTeamPropertiesModel::AddToFirstXI()
{
    const std::vector<int> selected = SelectedIndexes(m_teamList);
    if (selected.empty())
        return "Please select player(s) to add to the First XI.";
    if (m_firstXI.size() + selected.size() > TeamLayout::kFirstXI)
        return "Too many players to be added to First XI";
    std::vector<std::uint32_t> ids;
    for (int i : selected)
        ids.push_back(m_teamList[static_cast<std::size_t>(i)].nId);
    auto& xi = Edited()->m_firstXI;
    for (std::uint32_t id : ids) {
        const int count = static_cast<int>(m_firstXI.size());
        const std::vector<int> xiSelected = SelectedIndexes(m_firstXI);
        // With nothing selected the new player goes before the last entry.
        const int position = !xiSelected.empty() ? xiSelected.front() : std::max(count - 1, 0);
        std::erase_if(m_teamList, [id](const ListEntry& e) { return e.nId == id; });
        std::copy_backward(xi.begin() + position, xi.end() - 1, xi.end());
        xi[static_cast<std::size_t>(position)] = id;
        InsertFirstXIEntry(id, position);
    }
    PlaceStrayMarks();
    return {};
}

std::string CTeamPropertiesModel::RemoveFromFirstXI()
{
    if (SelectedCount(m_firstXI) == 0)
        return "Please select player(s) to remove from the First XI.";
    for (std::vector<int> selected = SelectedIndexes(m_firstXI); !selected.empty(); selected = SelectedIndexes(m_firstXI)) {
        const std::uint32_t id = m_firstXI[static_cast<std::size_t>(selected.front())].nId;
        RemoveFirstXIEntry(selected.front());
        InsertTeamListEntry(id);
    }
    PlaceStrayMarks();
    return {};
}

std::string CTeamPropertiesModel::Swap()
{
    const int teamSelected = SelectedCount(m_teamList);
    const int xiSelected = SelectedCount(m_firstXI);
    if (teamSelected > 1 || xiSelected > 1)
        return "Only one player can be swapped at a time.";
    if (teamSelected == 0 || xiSelected == 0)
        return "Select a player on each list to be swapped.";
    const int t = SelectedIndexes(m_teamList).front();
    const int x = SelectedIndexes(m_firstXI).front();
    const std::uint32_t teamPlayer = m_teamList[static_cast<std::size_t>(t)].nId;
    const std::uint32_t xiPlayer = m_firstXI[static_cast<std::size_t>(x)].nId;
    m_teamList.erase(m_teamList.begin() + t);
    m_firstXI.erase(m_firstXI.begin() + x);
    InsertTeamListEntry(xiPlayer);
    Edited()->m_firstXI[static_cast<std::size_t>(x)] = teamPlayer;
    InsertFirstXIEntry(teamPlayer, x);
    return {};
}

std::string CTeamPropertiesModel::Sack()
{
    if (SelectedCount(m_teamList) == 0)
        return "Please select player(s) to sack from the team.";
    for (std::vector<int> selected = SelectedIndexes(m_teamList); !selected.empty(); selected = SelectedIndexes(m_teamList)) {
        const std::uint32_t id = m_teamList[static_cast<std::size_t>(selected.front())].nId;
        // Leaving a team for none cannot be refused.
        if (m_game.Player(id) && m_edit)
            (void)m_edit->MovePlayer(id, kNoTeam);
        m_teamList.erase(m_teamList.begin() + selected.front());
    }
    return {};
}

CTeamPropertiesModel::CommitResult CTeamPropertiesModel::Commit(const TeamFields& fields, bool bFullName, std::int32_t budget)
{
    CTeam* team = Edited();
    // Names go into the team and the name lists together; a name too long
    // for the file is refused before anything changes.
    TeamEdit::TeamNames names{bFullName ? fields.strTeamName : team->m_strName, fields.strShortName, fields.strAbbrev};
    if (const GameStatus status = TeamEdit::SetNames(*m_edit, team->m_wId, names); !status)
        return {status.message(), false};
    (void)TeamEdit::SetBudget(*m_edit, team->m_wId, budget); // in range: ParseBudget checked it
    for (int i = 0; i < kFirstXISize && i < static_cast<int>(m_firstXI.size()); ++i) {
        const ListEntry& entry = m_firstXI[static_cast<std::size_t>(i)];
        team->m_firstXI[static_cast<std::size_t>(i)] = entry.nId;
        // Each mark is on one entry at most; a mark on no entry keeps its
        // stored position.
        if (HoldsMark(entry, '*'))
            team->SetI32(TeamLayout::nCaptain, i);
        if (HoldsMark(entry, '+'))
            team->SetI32(TeamLayout::nKeeper, i);
        if (HoldsMark(entry, '1'))
            team->SetI32(TeamLayout::nOpenBowler1, i);
        if (HoldsMark(entry, '2'))
            team->SetI32(TeamLayout::nOpenBowler2, i);
    }
    return {{}, !team->SameContent(m_teamCopy)};
}

std::string CTeamPropertiesModel::SwitchTeam(int newTeam, const TeamFields& fields)
{
    if (m_firstXI.size() != TeamLayout::kFirstXI)
        return "There must be 11 players in the First XI.";
    // The budget typed for the team being left is kept, so it must be valid.
    const auto budget = ParseBudget(fields.strBudget);
    if (!budget)
        return TeamPropertiesMessages::kBudgetRange;
    const CommitResult commit = Commit(fields, false, *budget);
    if (!commit.error.empty())
        return commit.error;
    if (commit.bChanged) {
        m_edit->MarkTeamModified(static_cast<std::uint16_t>(m_nTeam));
        m_bChanged = true;
    }
    LoadTeam(newTeam);
    return {};
}

CTeamPropertiesModel::OkResult CTeamPropertiesModel::Ok(const TeamFields& fields)
{
    if (m_firstXI.size() != TeamLayout::kFirstXI)
        return {OkOutcome::Refused, "There must be 11 players in the First XI"};
    const auto budget = ParseBudget(fields.strBudget);
    if (!budget)
        return {OkOutcome::Refused, TeamPropertiesMessages::kBudgetRange};
    const CommitResult commit = Commit(fields, true, *budget);
    if (!commit.error.empty())
        return {OkOutcome::Refused, commit.error};
    if (!commit.bChanged) {
        CommitEdit();
        return {OkOutcome::Close, {}};
    }
    if (IsMasterDatabase(m_game.GameFile()))
        return {OkOutcome::AskDatabase, TeamPropertiesMessages::kDatabaseQuestion};
    AcceptChange();
    return {OkOutcome::Close, {}};
}

void CTeamPropertiesModel::AcceptChange()
{
    if (m_edit && Shown())
        m_edit->MarkTeamModified(static_cast<std::uint16_t>(m_nTeam));
    m_bChanged = true;
    CommitEdit();
}

void CTeamPropertiesModel::Cancel()
{
    if (m_edit)
        m_edit->Rollback();
}

std::optional<std::int32_t> CTeamPropertiesModel::ParseBudget(std::string_view text)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (value < 0 || value > TeamLayout::kMaxBudget)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

bool CTeamPropertiesModel::IsMasterDatabase(const std::string& path)
{
    std::string upper = path;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find("DATABASE.DB") != std::string::npos;
}

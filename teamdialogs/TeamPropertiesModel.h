#pragma once

#include "teamdialogs/ListEntry.h"

#include "CTeam.h"
#include "GameUndoRecord.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CGame;
class GameEdit;

// The editable fields of the dialog as typed: game text (Windows-1252
// bytes) and the budget's text.
struct TeamFields
{
    std::string strTeamName;
    std::string strShortName;
    std::string strAbbrev;
    std::string strBudget;
};

// What the Team Properties dialog does to the game, without its widgets:
// the shown team, its Team List and First XI rows, and the operations of
// the dialog's buttons. Everything the dialog changes goes through one
// GameEdit, open from Open() until OK commits it (one undo record, "Team
// Properties") or Cancel rolls it back. Hiring, sacking and moves within
// m_firstXI reach the records at once; names, budget, batting order and
// roles when the team is committed (a switch or OK). Every operation that
// can refuse returns the message to show, or an empty string.
class CTeamPropertiesModel
{
public:
    explicit CTeamPropertiesModel(CGame& game);
    ~CTeamPropertiesModel();
    CTeamPropertiesModel(const CTeamPropertiesModel&) = delete;
    CTeamPropertiesModel& operator=(const CTeamPropertiesModel&) = delete;

    // Opens the edit, orders the teams for the combo box and loads the
    // first of them.
    void Open();
    // Team ids in the combo box's order (by name).
    const std::vector<std::uint16_t>& TeamOrder() const { return m_teamOrder; }

    void LoadTeam(int teamId);
    int ShownTeam() const { return m_nTeam; }
    // The shown team's fields as loaded.
    TeamFields LoadedFields() const;

    EntryList& TeamList() { return m_teamList; }
    EntryList& FirstXI() { return m_firstXI; }
    const EntryList& TeamList() const { return m_teamList; }
    const EntryList& FirstXI() const { return m_firstXI; }

    std::string AddToFirstXI();
    std::string RemoveFromFirstXI();
    std::string Swap();
    std::string Sack();
    // After a hire: the squad members that are not in the First XI list.
    void FillTeamList();

    // Commits the shown team (its full name excepted) and loads another.
    std::string SwitchTeam(int newTeam, const TeamFields& fields);

    enum class OkOutcome { Refused, Close, AskDatabase };
    struct OkResult
    {
        OkOutcome outcome = OkOutcome::Refused;
        std::string message;
    };
    // Commits fully; Close also commits the edit. AskDatabase: the team
    // changed while the master database is loaded; the opener asks and
    // calls AcceptChange() on Yes.
    OkResult Ok(const TeamFields& fields);
    // Marks the shown team, the game and the dialog changed; commits the edit.
    void AcceptChange();
    // Rolls back everything the dialog changed.
    void Cancel();
    // The committed edit (empty before OK, after Cancel or without changes).
    GameUndoRecord TakeRecord() { return std::move(m_record); }

    bool m_bChanged = false;

    // A whole number from 0 to 1000000000 (blanks around it allowed).
    static std::optional<std::int32_t> ParseBudget(std::string_view text);
    static bool IsMasterDatabase(const std::string& path);

private:
    const CTeam* Shown() const;
    // The shown team for writing, through the edit.
    CTeam* Edited();
    void CommitEdit();
    void FillFirstXI();
    void InsertTeamListEntry(std::uint32_t playerId);
    void InsertFirstXIEntry(std::uint32_t playerId, int position);
    void SetEntryMarks(int index);
    void PlaceStrayMarks();
    void RemoveFirstXIEntry(int index);
    struct CommitResult
    {
        std::string error; // nothing was committed
        bool bChanged = false; // the team differs from its snapshot
    };
    // Commit steps: names (the full one only when told), budget, First XI
    // with roles.
    CommitResult Commit(const TeamFields& fields, bool bFullName, std::int32_t budget);

    CGame& m_game;
    std::unique_ptr<GameEdit> m_edit;
    GameUndoRecord m_record;
    std::vector<std::uint16_t> m_teamOrder;
    int m_nTeam = -1;
    CTeam m_teamCopy;
    EntryList m_teamList;
    EntryList m_firstXI;
};

namespace TeamPropertiesMessages {
inline constexpr const char* kBudgetRange = "Please enter an integer between 0 and 1000000000.";
inline constexpr const char* kDatabaseQuestion
    = "Changing team names in DATABASE.DB might result in unexpected error in the game. Do you wish to continue?";
} // namespace TeamPropertiesMessages

#pragma once

#include "CPlayer.h"
#include "CTeam.h"
#include "GameChange.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CGame;

// One finished edit, to apply back (Undo) and forth (Redo): the before- and
// after-images of exactly the records, team-name list entries and modified
// flags the edit changed, and the name the user sees ("Move Smith J").
// Player images share their record bytes with the game (copy on write), so
// a record costs little more than the records it touched.
//
// Applied within the saved state it was made in, the images restore the
// "*" marks and modified flags exactly. After a save (or before one it was
// made across) the flags it would restore no longer describe the file on
// disk: the touched records and the game are then marked modified.
class GameUndoRecord
{
public:
    struct PlayerImage
    {
        std::uint32_t id = 0;
        CPlayer before;
        CPlayer after;
    };
    struct TeamImage
    {
        std::uint16_t id = 0;
        CTeam before;
        CTeam after;
    };
    struct NameImage
    {
        std::size_t list = 0; // 0 full names, 1 short names, 2 abbreviations
        std::uint16_t id = 0;
        std::string before; // empty when the entry was beyond the list
        std::string after;
    };

    bool Empty() const;
    const std::string& Name() const { return m_name; }

    // False (and nothing changes) when the game holds another loaded file
    // than the one the edit was made in.
    bool Undo(CGame& game) const;
    bool Redo(CGame& game) const;

    // In id order.
    const std::vector<PlayerImage>& Players() const { return m_players; }
    const std::vector<TeamImage>& Teams() const { return m_teams; }
    const std::vector<NameImage>& Names() const { return m_names; }
    // What applying the record changes, as observers are told.
    GameChange Change() const;

    // Bytes the record holds beyond what it shares with the game.
    std::size_t MemoryBytes() const;

private:
    friend class GameEdit;
    enum class Side { Before, After };
    bool Apply(CGame& game, Side side) const;

    std::string m_name;
    std::vector<PlayerImage> m_players;
    std::vector<TeamImage> m_teams;
    std::vector<NameImage> m_names;
    bool m_listsTouched = false;
    std::array<std::size_t, 3> m_listSizeBefore{};
    std::array<std::size_t, 3> m_listSizeAfter{};
    std::uint32_t m_gameModifiedBefore = 0;
    std::uint32_t m_gameModifiedAfter = 0;
    std::uint64_t m_loadGeneration = 0;
    std::uint64_t m_saveGeneration = 0;
};

#pragma once

#include "GameLayoutConstants.h"
#include "LittleEndian.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace testgame {

// A team record of a game file (tag 1): every list with its own count, so a
// test can describe lists the editor has to refuse or pad.
struct TeamRecordDescription
{
    using Record = std::array<std::uint8_t, layout::kTeamRecordSize>;

    std::uint16_t id = 0;
    std::vector<std::uint16_t> squad;
    std::vector<std::uint16_t> firstXI;
    std::array<std::uint8_t, layout::kTeamOpaqueSize> opaque{};
    std::vector<std::array<std::uint8_t, 4>> itemList1;
    std::vector<std::array<std::uint8_t, 4>> itemList2;
    std::vector<std::string> stringList1;
    std::vector<std::string> stringList2;
    Record record{};
    std::uint16_t endWord = 0x8002;

    std::int32_t GetI32(std::size_t offset) const { return le::Get<std::int32_t>(record, offset); }
    TeamRecordDescription& SetI32(std::size_t offset, std::int32_t value) { le::Put(record, offset, value); return *this; }
    TeamRecordDescription& SetCaptain(std::int32_t pos) { return SetI32(layout::kCaptain, pos); }
    TeamRecordDescription& SetKeeper(std::int32_t pos) { return SetI32(layout::kKeeperPos, pos); }
    TeamRecordDescription& SetOpenBowler1(std::int32_t pos) { return SetI32(layout::kOpenBowler1, pos); }
    TeamRecordDescription& SetOpenBowler2(std::int32_t pos) { return SetI32(layout::kOpenBowler2, pos); }
    TeamRecordDescription& SetBudget(std::int32_t budget) { return SetI32(layout::kBudget, budget); }
};

// Any entry of the team list whose tag is not 1: the tag, the words of its
// body, then the word that ends it. Unset terminator: the end word of the
// team record written before it, or 0 before the first team record. The
// body must not hold the terminator, or the entry ends early.
struct OtherEntryDescription
{
    std::uint16_t tag = 2;
    std::vector<std::uint16_t> words;
    std::optional<std::uint16_t> terminator;
    bool writeTerminator = true;
};

using TeamEntryDescription = std::variant<TeamRecordDescription, OtherEntryDescription>;

} // namespace testgame

#pragma once

#include "GameDate.h"
#include "PlayerStats.h"
#include "RecordLayout.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

// One player of the loaded game. The 1290-byte game record is kept byte for
// byte as read; only the fields the editor uses are named (accessors below).
// Strings are game text: Windows-1252 bytes, never converted here.
//
// The record is copied on write: a loaded player reads his record where the
// loaded file's bytes hold it, and gets a copy of his own only when a byte
// of it changes. A large game thus costs one copy of the file in memory,
// not two, and an unchanged player is written back straight from the bytes
// it was read from. Copies of a player share his own copy too until one of
// them writes, so copying a player (an undo image) costs no record bytes.
class CPlayer
{
public:
    using Record = std::array<std::uint8_t, PlayerLayout::kSize>;

    CPlayer() = default;
    CPlayer(const CPlayer& other);
    CPlayer& operator=(const CPlayer& other);
    CPlayer(CPlayer&&) noexcept = default;
    CPlayer& operator=(CPlayer&&) noexcept = default;

    std::uint32_t m_nId = 0;
    std::string m_strGivenNames;
    std::string m_strFamilyName;
    std::string m_strInitials;
    CDate m_dtBirth;
    std::int32_t m_nSalary = 0;
    std::uint32_t m_bModified = 0;
    std::uint16_t m_wSavedTeam = 0;

    // "Smith JA": family name, one space, given-name initials; empty when
    // the family name is empty.
    std::string GetDisplayName() const;
    // First character of the given names and every character that directly
    // follows a space, upper-cased; empty for empty given names.
    std::string GetGivenInitials() const;
    // "OS", "SLA", "LS", "M", "M-F", "F-M", "F" for bowlers, "RHB"/"LHB"
    // (+ kOpenerSuffix for openers) for everybody else.
    std::string GetTypeAbbrev() const;
    static constexpr const char* kOpenerSuffix = " o";
    // 0..8: the player's picture in the tree and the dialogs' lists.
    int GetImageIndex() const;

    // The record as it stands (all zero for a player made from nothing).
    const std::uint8_t* RecordData() const;
    Record CopyRecord() const;
    // The record for writing: the player's own copy, made on first use.
    std::span<std::uint8_t, PlayerLayout::kSize> EditRecord();
    // Record bytes held outside the loaded file (shared with copies).
    std::size_t OwnRecordBytes() const { return m_ownRecord ? PlayerLayout::kSize : 0; }
    // Reads the record from loaded bytes, which `bytes` keeps alive; no copy
    // is made until the record changes.
    void ShareRecord(std::shared_ptr<const std::uint8_t> bytes);

    // Named record fields. The setters leave the record alone (and shared)
    // when the value is already there.
    std::uint32_t U32(std::size_t offset) const;
    void SetU32(std::size_t offset, std::uint32_t value);
    std::uint16_t U16(std::size_t offset) const;
    void SetU16(std::size_t offset, std::uint16_t value);
    std::uint8_t Byte(std::size_t offset) const { return RecordData()[offset]; }
    void SetByte(std::size_t offset, std::uint8_t value);

    std::uint16_t Team() const { return U16(PlayerLayout::wTeam); }
    void SetTeam(std::uint16_t team) { SetU16(PlayerLayout::wTeam, team); }
    std::uint16_t Origin() const { return U16(PlayerLayout::wOrigin); }
    std::uint32_t Type() const { return U32(PlayerLayout::nType); }
    std::uint32_t Keeper() const { return U32(PlayerLayout::nKeeper); }
    std::uint32_t PartTimeKeeper() const { return U32(PlayerLayout::nPartTimeKeeper); }
    std::uint32_t BowlStyle() const { return U32(PlayerLayout::nBowlStyle); }
    std::uint32_t BowlArm() const { return U32(PlayerLayout::nBowlArm); }
    std::uint32_t BatsRight() const { return U32(PlayerLayout::nBatsRight); }
    std::uint16_t NextTag() const { return U16(PlayerLayout::wNextTag); }

    // Career figures, signed as the statistics dialog treats them.
    std::int32_t GetStat(Competition competition, Stat stat) const;
    void SetStat(Competition competition, Stat stat, std::int32_t value);

    // Same names, decoded values and record bytes (the modified flag and
    // the saved team aside).
    bool SameContent(const CPlayer& other) const;

    // Sets m_dtBirth / m_nSalary from the coded record fields.
    void DecodeBirthAndSalary();

private:
    std::shared_ptr<const std::uint8_t> m_sharedRecord; // inside the loaded bytes
    std::shared_ptr<Record> m_ownRecord;                 // once edited; shared by copies until written
};

// The batting-preference bytes read as a choice: 0 for 0x40 or 0x3F (the
// first choice: "Back foot", "Leg side", "Fast Bowling"), 1 for any other.
int PreferenceChoice(std::uint8_t value);
// The byte the editor writes for a changed choice: 0x40 or 0xC0.
std::uint8_t PreferenceByte(int choice);

#include "PlayerForm.h"

#include "PlayerFields.h"
#include "RecordLayout.h"
#include "Salary.h"

#include <algorithm>
#include <cstdint>

namespace {

// A record value shown as a list or radio index: -1 outside the values
// the field offers.
int AsIndex(std::uint32_t value, const char* key)
{
    return value < PlayerFields::Count(PlayerFields::Field(key)) ? static_cast<int>(value) : -1;
}

void StoreChoiceIfChanged(CPlayer& player, std::size_t offset, int choice, int shownChoice)
{
    if (choice != shownChoice)
        player.SetByte(offset, PreferenceByte(choice));
}

} // namespace

namespace PlayerForm {

PlayerFormValues Fill(const CPlayer& player, std::size_t originCount)
{
    PlayerFormValues v;
    v.givenNames = player.m_strGivenNames;
    v.familyName = player.m_strFamilyName;
    v.birth = player.m_dtBirth;
    v.contract = static_cast<std::int32_t>(player.U32(PlayerLayout::nContract));
    v.salary = player.m_nSalary;
    const std::uint16_t team = player.Team();
    v.team = team >= 1 && team <= kTeamListSize ? team : -1;
    v.origin = player.Origin() < originCount ? player.Origin() : -1;
    v.type = AsIndex(player.Type(), "type");
    v.keeper = player.Keeper() != 0;
    v.keeperTime = v.keeper ? AsIndex(player.PartTimeKeeper(), "part_time_keeper") : -1;
    v.bowlStyle = AsIndex(player.BowlStyle(), "bowl_style");
    v.bowlArm = AsIndex(player.BowlArm(), "bowl_arm");
    v.batHand = AsIndex(player.BatsRight(), "bats_right");
    v.footwork = PreferenceChoice(player.Byte(PlayerLayout::bFootwork));
    v.side = PreferenceChoice(player.Byte(PlayerLayout::bSide));
    v.vsPace = PreferenceChoice(player.Byte(PlayerLayout::bVsPace));
    return v;
}

GameStatus Store(CPlayer& player, const PlayerFormValues& v, const PlayerFormValues& shown)
{
    if (!v.birth.valid)
        return GameStatus::Failure(kInvalidBirth);
    if (!Salary::IsStorable(v.salary))
        return GameStatus::Failure("The salary must be a whole number from 0 to "
            + std::to_string(Salary::kMaxSalary) + ": the game cannot store a larger one.");

    const PlayerField& contract = PlayerFields::Field("contract");
    if (v.contract < contract.min || v.contract > contract.max)
        return GameStatus::Failure(kNotAnInteger);

    player.m_dtBirth = v.birth;
    player.SetU32(PlayerLayout::nBirthCode, GameDate::EncodeBirth(v.birth));

    player.m_strGivenNames = v.givenNames;
    player.m_strFamilyName = v.familyName;
    player.m_strInitials = player.GetGivenInitials();
    if (!v.familyName.empty())
        player.m_strInitials += v.familyName.front();

    player.SetU32(PlayerLayout::nContract, static_cast<std::uint32_t>(v.contract));
    player.m_nSalary = static_cast<std::int32_t>(v.salary);
    player.SetU32(PlayerLayout::nSalaryCode, Salary::Encode(player.m_nSalary));

    // Team changes go through MovePlayer as they are made. A list without a
    // selection means the player's team is not one the list offers: writing
    // "no team" then would leave him listed in a squad he no longer names.
    if (v.team >= 0)
        player.SetTeam(v.team == 0 ? kNoTeam : static_cast<std::uint16_t>(v.team));
    player.SetU16(PlayerLayout::wOrigin, static_cast<std::uint16_t>(v.origin));

    player.SetU32(PlayerLayout::nType, static_cast<std::uint32_t>(v.type));
    player.SetU32(PlayerLayout::nKeeper, v.keeper ? 1u : 0u);
    // A keeper with no time chosen is taken as full-time rather than storing "none".
    player.SetU32(PlayerLayout::nPartTimeKeeper, v.keeper ? static_cast<std::uint32_t>(std::max(v.keeperTime, 0)) : 0u);
    player.SetU32(PlayerLayout::nBowlStyle, static_cast<std::uint32_t>(v.bowlStyle));
    player.SetU32(PlayerLayout::nBowlArm, static_cast<std::uint32_t>(v.bowlArm));
    player.SetU32(PlayerLayout::nBatsRight, static_cast<std::uint32_t>(v.batHand));

    StoreChoiceIfChanged(player, PlayerLayout::bFootwork, v.footwork, shown.footwork);
    StoreChoiceIfChanged(player, PlayerLayout::bSide, v.side, shown.side);
    StoreChoiceIfChanged(player, PlayerLayout::bVsPace, v.vsPace, shown.vsPace);
    return {};
}

bool DiffersFromCopy(const CPlayer& player, const CPlayer& copy)
{
    constexpr std::size_t kComparedFrom = PlayerLayout::wTeam;
    return player.m_nId != copy.m_nId || player.m_strGivenNames != copy.m_strGivenNames
        || player.m_strFamilyName != copy.m_strFamilyName || player.m_strInitials != copy.m_strInitials
        || player.m_nSalary != copy.m_nSalary || player.m_dtBirth != copy.m_dtBirth
        || !std::equal(player.RecordData() + kComparedFrom, player.RecordData() + PlayerLayout::kSize,
            copy.RecordData() + kComparedFrom);
}

void RefreshAbilities(const CPlayer& player, PlayerFormValues& values, PlayerFormValues& shown)
{
    const PlayerFormValues filled = Fill(player, 0);
    values.type = filled.type;
    values.keeper = filled.keeper;
    values.keeperTime = filled.keeperTime;
    values.bowlStyle = filled.bowlStyle;
    values.bowlArm = filled.bowlArm;
    values.batHand = filled.batHand;
    values.footwork = shown.footwork = filled.footwork;
    values.side = shown.side = filled.side;
    values.vsPace = shown.vsPace = filled.vsPace;
}

} // namespace PlayerForm

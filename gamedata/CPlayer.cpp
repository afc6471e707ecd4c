#include "CPlayer.h"

#include "ByteOrder.h"
#include "Cp1252.h"
#include "Salary.h"

#include <algorithm>

std::string CPlayer::GetGivenInitials() const
{
    std::string initials;
    const std::string& given = m_strGivenNames;
    for (std::size_t i = 0; i < given.size(); ++i) {
        if (i == 0 || given[i - 1] == ' ')
            initials += Cp1252::ToUpper(given[i]);
    }
    return initials;
}

std::string CPlayer::GetDisplayName() const
{
    if (m_strFamilyName.empty())
        return {};
    return m_strFamilyName + " " + GetGivenInitials();
}

std::string CPlayer::GetTypeAbbrev() const
{
    if (Type() == 3) {
        switch (BowlStyle()) {
        case 0: return BowlArm() == 1 ? "OS" : "SLA";
        case 1: return "LS";
        case 2: return "M";
        case 3: return "M-F";
        case 4: return "F-M";
        case 5: return "F";
        default: return {};
        }
    }
    std::string abbrev = BatsRight() == 1 ? "RHB" : "LHB";
    if (Type() == 0)
        abbrev += kOpenerSuffix;
    return abbrev;
}

int CPlayer::GetImageIndex() const
{
    // A type outside 0..3 would point past the pictures: show it as a batsman.
    const std::uint32_t type = Type() <= 3 ? Type() : 1;
    if (PartTimeKeeper() != 0)
        return static_cast<int>(type + 5);
    if (Keeper() != 0)
        return 4;
    return static_cast<int>(type);
}

CPlayer::CPlayer(const CPlayer& other) = default;
CPlayer& CPlayer::operator=(const CPlayer& other) = default;

bool CPlayer::SameContent(const CPlayer& other) const
{
    return m_nId == other.m_nId && m_strGivenNames == other.m_strGivenNames && m_strFamilyName == other.m_strFamilyName
        && m_strInitials == other.m_strInitials && m_dtBirth == other.m_dtBirth && m_nSalary == other.m_nSalary
        && (RecordData() == other.RecordData() || std::equal(RecordData(), RecordData() + PlayerLayout::kSize, other.RecordData()));
}

const std::uint8_t* CPlayer::RecordData() const
{
    static const Record kBlank{};
    if (m_ownRecord)
        return m_ownRecord->data();
    return m_sharedRecord ? m_sharedRecord.get() : kBlank.data();
}

CPlayer::Record CPlayer::CopyRecord() const
{
    Record copy;
    std::copy_n(RecordData(), copy.size(), copy.begin());
    return copy;
}

std::span<std::uint8_t, PlayerLayout::kSize> CPlayer::EditRecord()
{
    if (!m_ownRecord || m_ownRecord.use_count() > 1) {
        m_ownRecord = std::make_shared<Record>(CopyRecord());
        m_sharedRecord.reset();
    }
    return *m_ownRecord;
}

void CPlayer::ShareRecord(std::shared_ptr<const std::uint8_t> bytes)
{
    m_sharedRecord = std::move(bytes);
    m_ownRecord.reset();
}

std::uint32_t CPlayer::U32(std::size_t offset) const
{
    return ByteOrder::GetU32(RecordData() + offset);
}

void CPlayer::SetU32(std::size_t offset, std::uint32_t value)
{
    if (U32(offset) != value)
        ByteOrder::PutU32(EditRecord().data() + offset, value);
}

std::uint16_t CPlayer::U16(std::size_t offset) const
{
    return ByteOrder::GetU16(RecordData() + offset);
}

void CPlayer::SetU16(std::size_t offset, std::uint16_t value)
{
    if (U16(offset) != value)
        ByteOrder::PutU16(EditRecord().data() + offset, value);
}

void CPlayer::SetByte(std::size_t offset, std::uint8_t value)
{
    if (Byte(offset) != value)
        EditRecord()[offset] = value;
}

std::int32_t CPlayer::GetStat(Competition competition, Stat stat) const
{
    return static_cast<std::int32_t>(U32(PlayerStats::Offset(competition, stat)));
}

void CPlayer::SetStat(Competition competition, Stat stat, std::int32_t value)
{
    SetU32(PlayerStats::Offset(competition, stat), static_cast<std::uint32_t>(value));
}

void CPlayer::DecodeBirthAndSalary()
{
    m_dtBirth = GameDate::DecodeBirth(U32(PlayerLayout::nBirthCode));
    m_nSalary = Salary::Decode(U32(PlayerLayout::nSalaryCode));
}

int PreferenceChoice(std::uint8_t value)
{
    return value == 0x40 || value == 0x3F ? 0 : 1;
}

std::uint8_t PreferenceByte(int choice)
{
    return choice != 0 ? 0xC0 : 0x40;
}

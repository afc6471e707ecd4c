#include "PlayersFilter.h"

#include "PlayersTableModel.h"

#include "gamedata/CPlayer.h"
#include "gamedata/Cp1252.h"

#include <algorithm>
#include <string_view>

namespace {

// Whether `name` holds `folded` (upper-cased game text), whatever the case
// of its letters. No copy of the name is made.
bool ContainsFolded(std::string_view name, std::string_view folded)
{
    if (folded.empty())
        return true;
    const auto same = [](char n, char f) { return Cp1252::ToUpper(n) == f; };
    return std::search(name.begin(), name.end(), folded.begin(), folded.end(), same) != name.end();
}

bool InRange(int value, int from, int to)
{
    return (from == PlayersFilterCriteria::kAny || value >= from) && (to == PlayersFilterCriteria::kAny || value <= to);
}

} // namespace

bool PlayersFilterCriteria::IsEmpty() const
{
    return *this == PlayersFilterCriteria{};
}

PlayersFilter::PlayersFilter(PlayersTableModel& model, QObject* parent)
    : QSortFilterProxyModel(parent), m_model(model)
{
    setSourceModel(&model);
}

void PlayersFilter::SetCriteria(const PlayersFilterCriteria& criteria)
{
    if (criteria == m_criteria)
        return;
    m_criteria = criteria;
    const auto encoded = Cp1252::FromUtf8(criteria.text.toStdString());
    m_textEncodable = encoded.has_value();
    m_foldedText = encoded.value_or(std::string());
    std::transform(m_foldedText.begin(), m_foldedText.end(), m_foldedText.begin(), Cp1252::ToUpper);
    // One layout change for the whole table: invalidateFilter() would tell
    // the view of every run of rows that comes or goes, one at a time.
    invalidate();
}

bool PlayersFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const CPlayer* player = m_model.PlayerAt(sourceRow);
    return player && Matches(*player);
}

bool PlayersFilter::Matches(const CPlayer& player) const
{
    const PlayersFilterCriteria& c = m_criteria;
    constexpr int kAny = PlayersFilterCriteria::kAny;
    if (c.team != kAny && player.Team() != c.team)
        return false;
    if (c.type != kAny && player.Type() != static_cast<std::uint32_t>(c.type))
        return false;
    if (c.keeper != kAny && (player.Keeper() != 0) != (c.keeper == 1))
        return false;
    if ((c.bornFrom != kAny || c.bornTo != kAny)
        && (!player.m_dtBirth.valid || !InRange(player.m_dtBirth.year, c.bornFrom, c.bornTo)))
        return false;
    if (!InRange(player.m_nSalary, c.salaryFrom, c.salaryTo))
        return false;
    if (c.text.isEmpty())
        return true;
    // The display name is worked out once per row, the given names read as they are.
    return m_textEncodable
        && (ContainsFolded(player.GetDisplayName(), m_foldedText) || ContainsFolded(player.m_strGivenNames, m_foldedText));
}

bool PlayersFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    return m_model.LessThan(left.row(), right.row(), left.column());
}

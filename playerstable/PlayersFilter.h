#pragma once

#include "gamedata/RecordLayout.h"

#include <QSortFilterProxyModel>
#include <QString>

#include <string>

class CPlayer;
class PlayersTableModel;

// What the players table's filter bar asks for; every criterion set must
// match. Ranges are inclusive; an open end is kAny.
struct PlayersFilterCriteria
{
    static constexpr int kAny = -1;
    static constexpr int kNoTeam = ::kNoTeam; // `team`: the players of no team

    QString text;       // part of the name (display or given names), any case
    int team = kAny;    // a team id or kNoTeam
    int type = kAny;    // stored type 0..3
    int keeper = kAny;  // 1 keepers (full- or part-time), 0 the others
    int bornFrom = kAny, bornTo = kAny;     // years of birth; no date matches no range
    int salaryFrom = kAny, salaryTo = kAny;

    bool IsEmpty() const;
    friend bool operator==(const PlayersFilterCriteria&, const PlayersFilterCriteria&) = default;
};

// The rows of PlayersTableModel that match the criteria, sorted through the
// model's own comparison (numbers as numbers, dates as dates).
class PlayersFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    PlayersFilter(PlayersTableModel& model, QObject* parent = nullptr);

    const PlayersFilterCriteria& Criteria() const { return m_criteria; }
    void SetCriteria(const PlayersFilterCriteria& criteria);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    bool Matches(const CPlayer& player) const;

    PlayersTableModel& m_model;
    PlayersFilterCriteria m_criteria;
    // The text criterion as game text upper-cased once; unset when no game
    // text can hold it (then no name matches).
    std::string m_foldedText;
    bool m_textEncodable = true;
};

#pragma once

#include "PlayersFilter.h"

#include <QWidget>

class CGameDocument;
class QComboBox;
class QLineEdit;
class QSpinBox;

// The bar above the players table: "Filter:" (part of a name), team, type,
// keeper, years of birth from-to and salary from-to. Every change is
// reported at once as the whole set of criteria. The team list follows the
// loaded game and its team names.
class CPlayersFilterBar : public QWidget
{
    Q_OBJECT

public:
    CPlayersFilterBar(const CGameDocument& document, QWidget* parent = nullptr);

    PlayersFilterCriteria Criteria() const;

signals:
    void criteriaChanged(const PlayersFilterCriteria& criteria);

private:
    // The team list from the game, keeping the team chosen when it is still there.
    void FillTeams();
    QSpinBox* AddRangeEnd(const char* name, int first, int last);
    void Report() { emit criteriaChanged(Criteria()); }

    const CGameDocument& m_document;
    QLineEdit* m_text = nullptr;
    QComboBox* m_team = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_keeper = nullptr;
    QSpinBox* m_bornFrom = nullptr;
    QSpinBox* m_bornTo = nullptr;
    QSpinBox* m_salaryFrom = nullptr;
    QSpinBox* m_salaryTo = nullptr;
};

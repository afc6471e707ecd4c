#include "CPlayersFilterBar.h"

#include "document/CGameDocument.h"
#include "gamedata/GameDate.h"
#include "gamedata/Salary.h"
#include "player/FieldWords.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace {

constexpr int kAny = PlayersFilterCriteria::kAny;

QComboBox* Combo(const char* name, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

int ChosenValue(const QComboBox* combo)
{
    const QVariant value = combo->currentData();
    return value.isValid() ? value.toInt() : kAny;
}

} // namespace

CPlayersFilterBar::CPlayersFilterBar(const CGameDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto label = [this, layout](const QString& text, QWidget* buddy) {
        auto* shown = new QLabel(text, this);
        shown->setBuddy(buddy);
        layout->addWidget(shown);
        layout->addWidget(buddy);
    };

    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("playersFilterText"));
    m_text->setClearButtonEnabled(true);
    m_text->setPlaceholderText(tr("name"));
    m_text->setMinimumWidth(fontMetrics().averageCharWidth() * 10);
    label(tr("&Filter:"), m_text);
    layout->setStretchFactor(m_text, 1);

    m_team = Combo("playersFilterTeam", this);
    // Long team names must not squeeze the name field.
    m_team->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_team->setMinimumContentsLength(11);
    label(tr("Team:"), m_team);
    FillTeams();

    m_type = Combo("playersFilterType", this);
    m_type->addItem(tr("(any type)"));
    const QStringList types = FormWords("type");
    for (int type = 0; type < types.size(); ++type)
        m_type->addItem(types[type], type);
    label(tr("Type:"), m_type);

    m_keeper = Combo("playersFilterKeeper", this);
    m_keeper->addItem(tr("(any)"));
    m_keeper->addItem(tr("Keepers"), 1);
    m_keeper->addItem(tr("Not keepers"), 0);
    label(tr("Keeper:"), m_keeper);

    // The lowest value of each end reads "any": that end is open.
    m_bornFrom = AddRangeEnd("playersFilterBornFrom", GameDate::kMinYear, GameDate::kMaxYear);
    m_bornTo = AddRangeEnd("playersFilterBornTo", GameDate::kMinYear, GameDate::kMaxYear);
    label(tr("Born:"), m_bornFrom);
    label(tr("to"), m_bornTo);
    m_salaryFrom = AddRangeEnd("playersFilterSalaryFrom", 0, Salary::kMaxSalary);
    m_salaryTo = AddRangeEnd("playersFilterSalaryTo", 0, Salary::kMaxSalary);
    label(tr("Salary:"), m_salaryFrom);
    label(tr("to"), m_salaryTo);

    connect(m_text, &QLineEdit::textChanged, this, &CPlayersFilterBar::Report);
    for (QComboBox* combo : {m_team, m_type, m_keeper})
        connect(combo, &QComboBox::currentIndexChanged, this, &CPlayersFilterBar::Report);
    connect(&document, &CGameDocument::gameReset, this, &CPlayersFilterBar::FillTeams);
    connect(&document, &CGameDocument::namesChanged, this, &CPlayersFilterBar::FillTeams);
}

QSpinBox* CPlayersFilterBar::AddRangeEnd(const char* name, int first, int last)
{
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(first - 1, last);
    spin->setSpecialValueText(tr("any"));
    spin->setValue(first - 1);
    spin->setAccelerated(true);
    connect(spin, &QSpinBox::valueChanged, this, &CPlayersFilterBar::Report);
    return spin;
}

PlayersFilterCriteria CPlayersFilterBar::Criteria() const
{
    const auto end = [](const QSpinBox* spin) { return spin->value() == spin->minimum() ? kAny : spin->value(); };
    PlayersFilterCriteria criteria;
    criteria.text = m_text->text();
    criteria.team = ChosenValue(m_team);
    criteria.type = ChosenValue(m_type);
    criteria.keeper = ChosenValue(m_keeper);
    criteria.bornFrom = end(m_bornFrom);
    criteria.bornTo = end(m_bornTo);
    criteria.salaryFrom = end(m_salaryFrom);
    criteria.salaryTo = end(m_salaryTo);
    return criteria;
}

void CPlayersFilterBar::FillTeams()
{
    const int chosen = ChosenValue(m_team);
    {
        const QSignalBlocker quiet(m_team);
        m_team->clear();
        m_team->addItem(tr("(any team)"));
        m_team->addItem(tr("(no team)"), PlayersFilterCriteria::kNoTeam);
        const CGame& game = m_document.Game();
        for (const CTeam* team : game.Teams())
            m_team->addItem(CGameDocument::GameText(game.TeamName(team->m_wId)), team->m_wId);
        m_team->setCurrentIndex(std::max(0, m_team->findData(chosen)));
    }
    if (ChosenValue(m_team) != chosen)
        Report();
}

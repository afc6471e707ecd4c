#include "CPlayerStatsDlg.h"

#include "StatsFigures.h"
#include "WholeNumber.h"
#include "ui_PlayerStatsDlg.h"

#include "gamedata/CGame.h"
#include "gamedata/Cp1252.h"
#include "gamedata/GameEdit.h"
#include "services/MessageService.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr const char* kRowKeys[] = {"FirstClass", "OneDay", "TestMatch", "OneDayInt"};
constexpr const char* kBattingKeys[] = {"Debut", "Matches", "Innings", "Runs", "NotOuts", "BatAvg", "HighScore",
    "Fifties", "Hundreds", "Catches", "Stumpings"};
constexpr const char* kBowlingKeys[] = {"Balls", "RunsConceded", "Wickets", "BowlAvg", "BestBowling", "FiveWkts",
    "TenWkts", "RunsPerOver"};

constexpr const char* kBestBowlingMessages[] = {
    "Invalid First Class Best Bowling value.",
    "Invalid One-day Best Bowling value.",
    "Invalid Test match Best Bowling value.",
    "Invalid One-day International Best Bowling value.",
};

using Col = CPlayerStatsDlg;

// The stored figures of each editable column.
struct BattingFigure
{
    CPlayerStatsDlg::BattingColumn column;
    Stat stat;
};
struct BowlingFigure
{
    CPlayerStatsDlg::BowlingColumn column;
    Stat stat;
};

// In the order the dialog reads them, which decides the figure reported
// first when several are not whole numbers.
constexpr BattingFigure kBattingOrder[] = {
    {Col::Fifties, Stat::Fifties}, {Col::Hundreds, Stat::Hundreds}, {Col::Debut, Stat::Debut},
    {Col::HighScore, Stat::HighScore}, {Col::Innings, Stat::Innings}, {Col::Matches, Stat::Matches},
    {Col::NotOuts, Stat::NotOuts}, {Col::Runs, Stat::Runs}, {Col::Catches, Stat::Catches},
    {Col::Stumpings, Stat::Stumpings}};
constexpr BowlingFigure kBowlingOrder[] = {
    {Col::TenWkts, Stat::TenWkts}, {Col::FiveWkts, Stat::FiveWkts}, {Col::Balls, Stat::Balls},
    {Col::RunsConceded, Stat::RunsConceded}, {Col::Wickets, Stat::Wickets}};

std::size_t Index(Stat stat)
{
    return static_cast<std::size_t>(stat);
}

} // namespace

CPlayerStatsDlg::CPlayerStatsDlg(CGame& game, QWidget* parent)
    : QDialog(parent)
    , m_game(game)
    , m_ui(std::make_unique<Ui::PlayerStatsDlg>())
{
    m_ui->setupUi(this);
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        const QString prefix = QStringLiteral("edit") + QLatin1String(kRowKeys[row]);
        for (std::size_t col = 0; col < kBattingColumns; ++col)
            m_batting[row][col] = findChild<QLineEdit*>(prefix + QLatin1String(kBattingKeys[col]));
        for (std::size_t col = 0; col < kBowlingColumns; ++col)
            m_bowling[row][col] = findChild<QLineEdit*>(prefix + QLatin1String(kBowlingKeys[col]));
    }
    // Worked-out figures look like the read-only fields they are.
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        for (QLineEdit* derived : {m_batting[row][BatAvg], m_bowling[row][BowlAvg], m_bowling[row][RunsPerOver]}) {
            QPalette palette = derived->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
            derived->setPalette(palette);
        }
    }
    connect(m_ui->buttonClearAllStats, &QPushButton::clicked, this, &CPlayerStatsDlg::OnClearAllStats);
    connect(m_ui->buttonUpdateAvg, &QPushButton::clicked, this, &CPlayerStatsDlg::OnUpdateAverages);
    connect(m_ui->buttonOk, &QPushButton::clicked, this, &CPlayerStatsDlg::accept);
}

CPlayerStatsDlg::~CPlayerStatsDlg() = default;

QLineEdit* CPlayerStatsDlg::BattingEdit(std::size_t row, BattingColumn column) const
{
    return m_batting.at(row).at(column);
}

QLineEdit* CPlayerStatsDlg::BowlingEdit(std::size_t row, BowlingColumn column) const
{
    return m_bowling.at(row).at(column);
}

void CPlayerStatsDlg::showEvent(QShowEvent* event)
{
    if (!m_bInitialised) {
        m_bInitialised = true;
        if (m_game.IsLoaded())
            FillPlayerStats(m_nPlayer);
    }
    QDialog::showEvent(event);
}

void CPlayerStatsDlg::FillPlayerStats(int playerId)
{
    if (playerId == 0)
        return;
    m_nPlayer = playerId;
    const CPlayer* player = m_game.Player(static_cast<std::uint32_t>(playerId));
    if (!player)
        return;
    m_ui->labelName->setText(QString::fromStdString(Cp1252::ToUtf8(player->GetDisplayName())));
    Figures figures{};
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        for (std::size_t stat = 0; stat < PlayerStats::kStatCount; ++stat)
            figures[row][stat] = player->GetStat(kRows[row], PlayerStats::StatAt(stat));
    }
    ShowFigures(figures);
    ShowDerived(figures);
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        m_bowling[row][BestBowling]->setText(StatsFigures::BestBowling(
            figures[row][Index(Stat::BestBowling1)], figures[row][Index(Stat::BestBowling2)]));
    }
}

void CPlayerStatsDlg::OnClearAllStats()
{
    const Figures zero{};
    ShowFigures(zero);
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        m_batting[row][BatAvg]->clear();
        m_bowling[row][BowlAvg]->clear();
        m_bowling[row][BestBowling]->clear();
        m_bowling[row][RunsPerOver]->clear();
    }
}

void CPlayerStatsDlg::OnUpdateAverages()
{
    Figures figures{};
    if (!ReadFigures(figures))
        return;
    ShowFigures(figures);
    ShowDerived(figures);
}

bool CPlayerStatsDlg::StorePlayerStats()
{
    Figures figures{};
    if (!ReadFigures(figures))
        return false;
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        QLineEdit* edit = m_bowling[row][BestBowling];
        const auto best = StatsFigures::ParseBestBowling(edit->text());
        if (!best) {
            Messages().ShowMessage(this, QString::fromLatin1(kBestBowlingMessages[row]));
            edit->setFocus();
            return false;
        }
        figures[row][Index(Stat::BestBowling1)] = best->first;
        figures[row][Index(Stat::BestBowling2)] = best->second;
    }
    // Into the opener's edit (one step with the dialog), or an edit of its own.
    (void)GameEdit::Within(m_game, [&](GameEdit& edit) {
        CPlayer* player = edit.Player(static_cast<std::uint32_t>(m_nPlayer));
        if (!player)
            return GameStatus(); // nobody to store into: the opener never allows this
        for (std::size_t row = 0; row < kRows.size(); ++row) {
            for (std::size_t stat = 0; stat < PlayerStats::kStatCount; ++stat)
                player->SetStat(kRows[row], PlayerStats::StatAt(stat), figures[row][stat]);
        }
        return GameStatus();
    });
    return true;
}

void CPlayerStatsDlg::accept()
{
    if (StorePlayerStats())
        QDialog::accept();
}

bool CPlayerStatsDlg::ReadFigures(Figures& figures)
{
    const auto read = [this](QLineEdit* edit, std::int32_t& value) {
        const auto number = ParseWholeNumber(edit->text());
        if (number && *number >= INT32_MIN && *number <= INT32_MAX) {
            value = static_cast<std::int32_t>(*number);
            return true;
        }
        Messages().ShowMessage(this, QString::fromLatin1(kEnterAnInteger));
        edit->setFocus();
        edit->selectAll();
        return false;
    };
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        for (const auto& figure : kBattingOrder) {
            if (!read(m_batting[row][figure.column], figures[row][Index(figure.stat)]))
                return false;
        }
    }
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        for (const auto& figure : kBowlingOrder) {
            if (!read(m_bowling[row][figure.column], figures[row][Index(figure.stat)]))
                return false;
        }
    }
    return true;
}

void CPlayerStatsDlg::ShowFigures(const Figures& figures)
{
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        for (const auto& figure : kBattingOrder)
            m_batting[row][figure.column]->setText(QString::number(figures[row][Index(figure.stat)]));
        for (const auto& figure : kBowlingOrder)
            m_bowling[row][figure.column]->setText(QString::number(figures[row][Index(figure.stat)]));
    }
}

void CPlayerStatsDlg::ShowDerived(const Figures& figures)
{
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        const auto& f = figures[row];
        m_batting[row][BatAvg]->setText(
            StatsFigures::BattingAverage(f[Index(Stat::Runs)], f[Index(Stat::Innings)], f[Index(Stat::NotOuts)]));
        m_bowling[row][BowlAvg]->setText(
            StatsFigures::BowlingAverage(f[Index(Stat::RunsConceded)], f[Index(Stat::Wickets)]));
        m_bowling[row][RunsPerOver]->setText(
            StatsFigures::RunsPerOver(f[Index(Stat::RunsConceded)], f[Index(Stat::Balls)]));
    }
}

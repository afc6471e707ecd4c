#pragma once

#include "gamedata/PlayerStats.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>

class CGame;
class QLineEdit;

namespace Ui {
class PlayerStatsDlg;
}

// "Player Stats": a player's career figures in First Class, One day, Test
// Match and One Day Int. cricket, with averages and runs per over worked out
// from them. The figures reach the player's record only through OK; Clear
// All Stats. and Update Avg. change only the dialog.
//
// Controls (ids of the original template -> objectNames): 1090 labelName;
// "edit" + competition + column, e.g. 1012 editFirstClassDebut, 1017
// editFirstClassBatAvg, 1061 editFirstClassBestBowling, 1088
// editOneDayIntRunsPerOver; competitions FirstClass, OneDay, TestMatch,
// OneDayInt; 1112 buttonClearAllStats, 1113 buttonUpdateAvg, 1 buttonOk,
// 2 buttonCancel.
class CPlayerStatsDlg : public QDialog
{
    Q_OBJECT

public:
    // The dialog's rows, top to bottom.
    static constexpr std::array<Competition, 4> kRows = {
        Competition::FirstClass, Competition::OneDay, Competition::TestMatch, Competition::OneDayInt};
    enum BattingColumn { Debut, Matches, Innings, Runs, NotOuts, BatAvg, HighScore, Fifties, Hundreds, Catches, Stumpings, kBattingColumns };
    enum BowlingColumn { Balls, RunsConceded, Wickets, BowlAvg, BestBowling, FiveWkts, TenWkts, RunsPerOver, kBowlingColumns };

    explicit CPlayerStatsDlg(CGame& game, QWidget* parent = nullptr);
    ~CPlayerStatsDlg() override;

    int m_nPlayer = 0;

    void FillPlayerStats(int playerId);
    void OnClearAllStats();
    void OnUpdateAverages();
    // Reads, checks and stores the figures; false (the dialog stays open)
    // when a figure is not a whole number or a best bowling has no "-".
    bool StorePlayerStats();

    QLineEdit* BattingEdit(std::size_t row, BattingColumn column) const;
    QLineEdit* BowlingEdit(std::size_t row, BowlingColumn column) const;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    using Figures = std::array<std::array<std::int32_t, PlayerStats::kStatCount>, kRows.size()>;

    bool ReadFigures(Figures& figures);
    void ShowFigures(const Figures& figures);
    void ShowDerived(const Figures& figures);

    CGame& m_game;
    std::unique_ptr<Ui::PlayerStatsDlg> m_ui;
    std::array<std::array<QLineEdit*, kBattingColumns>, kRows.size()> m_batting{};
    std::array<std::array<QLineEdit*, kBowlingColumns>, kRows.size()> m_bowling{};
    bool m_bInitialised = false;
};

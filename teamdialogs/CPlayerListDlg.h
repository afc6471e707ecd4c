#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class CPlayerListDlg;
}
class CGame;

// "List of Players": every player who is not in the team, with his type and
// his team (or origin). OK moves the selected players into the team, taking
// them out of their old teams; it refuses to grow the squad beyond 40.
// Clicking a column heading sorts the list by that column.
class CPlayerListDlg : public QDialog
{
    Q_OBJECT

public:
    CPlayerListDlg(CGame& game, int teamId, QWidget* parent = nullptr);
    ~CPlayerListDlg() override;

    void accept() override;

private:
    void FillList();

    CGame& m_game;
    int m_nTeam;
    std::unique_ptr<Ui::CPlayerListDlg> m_ui;
};

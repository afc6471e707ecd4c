#pragma once

#include <QDialog>

#include <memory>

class CGame;
class QTreeWidget;

namespace Ui {
class CopyFromDlg;
}

// "ICC Players": every player of the loaded game, sorted by display name,
// with his picture and his team (or, without a team, his origin). OK with a
// row selected puts its player id in m_nChosen; with none, -1.
//
// Ids of the original template -> objectNames: 1117 listPlayers,
// 1 buttonOk, 2 buttonCancel.
class CCopyFromDlg : public QDialog
{
    Q_OBJECT

public:
    CCopyFromDlg(const CGame& game, QWidget* parent = nullptr);
    ~CCopyFromDlg() override;

    int m_nChosen = -1;

    QTreeWidget* List() const;

    void accept() override;

private:
    void FillList();

    const CGame& m_game;
    std::unique_ptr<Ui::CopyFromDlg> m_ui;
};

#pragma once

#include "gamedata/GameCheck.h"

#include <QDialog>

class CGameDocument;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// Tools > Check Game: every problem and warning of the loaded game (the
// checks of orbek-cli validate) with the player or team it concerns and
// how to fix it. Modeless, so the user can fix things while it is open: it
// checks again whenever the document says the game changed. Double-click or
// Enter on a finding asks the shell to show its player or team.
class CCheckGameDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CCheckGameDlg(CGameDocument& document, QWidget* parent = nullptr);

    QTreeWidget* List() const { return m_list; }
    // Checks the game again and lists what it finds.
    void Refresh();

signals:
    void playerRequested(quint32 playerId);
    void teamRequested(quint32 teamId);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AddRow(const GameCheck::Finding& finding);
    QString Concerns(const GameCheck::Finding& finding) const;
    void OnActivated(QTreeWidgetItem* item);
    // Checks again only while shown; showing checks anyway.
    void RefreshIfShown();

    CGameDocument& m_document;
    QTreeWidget* m_list = nullptr;
    QLabel* m_count = nullptr;
};

#pragma once

#include "teamdialogs/FirstXIRoles.h"
#include "teamdialogs/TeamPropertiesModel.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class CTeamPropertiesDlg;
}
class CFirstXIDragger;
class CGame;
class QTreeWidget;

// The Team Properties dialog: one team at a time (chosen in the combo box)
// with its names, budget, squad (hire, sack), First XI of eleven, the role
// marks and the batting order. Everything it changes is one edit of the
// game: OK commits it (the opener takes the record, one undo step), Cancel
// rolls it back. The work is done by CTeamPropertiesModel; this class moves
// data between it and the controls and shows its messages.
class CTeamPropertiesDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CTeamPropertiesDlg(CGame& game, QWidget* parent = nullptr);
    ~CTeamPropertiesDlg() override;

    // A team was found changed at a switch or at OK.
    bool Changed() const { return m_model.m_bChanged; }
    // After OK: what the dialog changed, as one undo record.
    GameUndoRecord TakeRecord() { return m_model.TakeRecord(); }
    // Shows this team, as choosing it in the combo box does; nothing for
    // an id that is no team.
    void SelectTeam(std::uint16_t teamId);

    void accept() override;
    void reject() override;

private:
    void LoadTeam();
    void ShowLists();
    void ShowList(QTreeWidget& list, const EntryList& entries, bool bMarks);
    void ReadSelection();
    // False (after the message) when a text cannot be stored as game text.
    bool ReadFields(TeamFields& fields);
    // Runs a model operation on the lists and shows its message, if any.
    void RunListOperation(const std::function<std::string()>& operation);
    void ShowMessage(const std::string& text);

    void OnSelChangeTeam(int comboIndex);
    void OnHire();
    void OnHelp();
    void OnDrop(int dragIndex, int dropIndex);

    CGame& m_game;
    CTeamPropertiesModel m_model;
    std::unique_ptr<Ui::CTeamPropertiesDlg> m_ui;
    CFirstXIDragger* m_pDragger = nullptr;
    bool m_bSettingCombo = false;
};

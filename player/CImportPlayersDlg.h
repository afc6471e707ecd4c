#pragma once

#include <QDialog>

#include <memory>

class CGame;
class QTreeWidget;
namespace PlayersCsv {
struct ImportPlan;
}
namespace Ui {
class ImportPlayersDlg;
}

// "Import Players": the preview of a players CSV before anything changes.
// A plan without errors lists every change (player, field, old, new) under
// a count of changes and players, with "Apply" and "Cancel"; a plan with
// errors lists them (row, column, reason) and offers only Close, as does a
// file that changes nothing. The dialog changes nothing itself: Apply
// closes it Accepted and the caller makes the plan one step.
//
//     CImportPlayersDlg dialog(game, plan, this);
//     if (dialog.exec() == QDialog::Accepted)
//         ... document.Edit(..., PlayersCsv::Apply(edit, plan)) ...
class CImportPlayersDlg : public QDialog
{
    Q_OBJECT

public:
    CImportPlayersDlg(const CGame& game, const PlayersCsv::ImportPlan& plan, QWidget* parent = nullptr);
    ~CImportPlayersDlg() override;

    // True when Apply is offered: the plan has changes and no errors.
    bool CanApply() const;
    QTreeWidget* Changes() const;
    QTreeWidget* Errors() const;

private:
    void ShowChanges(const CGame& game, const PlayersCsv::ImportPlan& plan);
    void ShowErrors(const PlayersCsv::ImportPlan& plan);
    // Only the button that closes, named Close.
    void OfferOnlyClose();

    std::unique_ptr<Ui::ImportPlayersDlg> m_ui;
};

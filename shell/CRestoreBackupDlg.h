#pragma once

#include "gamedata/Backups.h"

#include <QDialog>

#include <memory>

class CGame;
class QTreeWidget;

namespace Ui {
class CRestoreBackupDlg;
}

// File > Restore Backup: the backups of the loaded file, newest first, each
// with its time, its size and how many players and teams differ from the
// game as it is loaded now (unsaved edits included). A backup that does not
// load says why and cannot be chosen. "Restore" closes the dialog with the
// chosen backup; the caller puts it back:
//
//     CRestoreBackupDlg dialog(game, settings, this);
//     if (dialog.exec() == QDialog::Accepted)
//         ... dialog.ChosenBackup() ...
class CRestoreBackupDlg : public QDialog
{
    Q_OBJECT

public:
    CRestoreBackupDlg(const CGame& loaded, const Backups::Settings& settings, QWidget* parent = nullptr);
    ~CRestoreBackupDlg() override;

    // The path of the backup chosen with Restore; empty before.
    QString ChosenBackup() const { return m_chosen; }
    QTreeWidget* List() const;

private:
    void FillList(const CGame& loaded, const Backups::Settings& settings);
    // The path of the selected backup that loads; empty when there is none.
    QString SelectedBackup() const;
    void OnRestore();
    // The backups folder in the desktop's file manager.
    void OnOpenFolder();

    std::unique_ptr<Ui::CRestoreBackupDlg> m_ui;
    QString m_folder;
    QString m_chosen;
};

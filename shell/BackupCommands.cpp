// File > Restore Backup.
#include "CMainFrame.h"

#include "COrbekApp.h"
#include "CRestoreBackupDlg.h"
#include "EditorPreferences.h"

void CMainFrame::OnRestoreBackup()
{
    if (!m_app.Game().IsLoaded())
        return;
    CRestoreBackupDlg dialog(m_app.Game(), EditorPreferences::Read().BackupSettings(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // As before Open: Escape keeps the file and the edits as they are.
    if (!SaveModifiedIfWanted())
        return;
    m_app.RestoreBackup(dialog.ChosenBackup());
    // As after Open: the caption follows the loaded file, or none.
    SetCaptionFromGameFile();
}

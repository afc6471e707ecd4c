// File > Restore Backup.
#include "CMainFrame.h"

#include "COrbekApp.h"
#include "CRestoreBackupDlg.h"
#include "EditorPreferences.h"
#include "services/MessageService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

void CMainFrame::OnRestoreBackup()
{
    if (!m_app.Game().IsLoaded())
        return;
    CRestoreBackupDlg dialog(m_app.Game(), EditorPreferences::Read().BackupSettings(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A save before the restore prunes old backups, perhaps the chosen one:
    // the restore reads a copy of it taken now.
    const QString chosen = dialog.ChosenBackup();
    QTemporaryDir hold;
    const QString held = hold.filePath(QFileInfo(chosen).fileName());
    if (!hold.isValid() || !QFile::copy(chosen, held)) {
        Messages().ShowMessage(this, tr("Cannot restore \"%1\": the backup cannot be read.").arg(QDir::toNativeSeparators(chosen)),
            IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
        return;
    }
    // As before Open: Escape keeps the file and the edits as they are.
    if (!SaveModifiedIfWanted())
        return;
    m_app.RestoreBackup(held);
    // As after Open: the caption follows the loaded file, or none.
    SetCaptionFromGameFile();
}

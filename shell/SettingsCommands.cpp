// The main frame's commands on the user's settings: the recent files of the
// File menu and Edit > Preferences.
#include "CMainFrame.h"

#include "COrbekApp.h"
#include "CPreferencesDlg.h"
#include "Commands.h"
#include "RecentFiles.h"
#include "services/MessageService.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

void CMainFrame::CreateRecentFileActions()
{
    for (int i = 0; i < RecentFiles::kMaxCount; ++i) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("actionRecentFile%1").arg(i + 1));
        action->setProperty("commandId", Command::kRecentFile1 + i);
        action->setStatusTip(tr("Open this file"));
        action->setVisible(false);
        m_actions[Command::kRecentFile1 + i] = action;
        connect(action, &QAction::triggered, this, [this, action] {
            OnOpenRecentFile(action->data().toString());
            m_app.OnIdle();
        });
    }
}

void CMainFrame::UpdateRecentFileMenu()
{
    const QStringList files = RecentFiles::Read();
    for (int i = 0; i < RecentFiles::kMaxCount; ++i) {
        QAction* action = Action(Command::kRecentFile1 + i);
        const QString path = files.value(i);
        action->setData(path);
        action->setVisible(!path.isEmpty());
        // "&&" shows an "&" of the path rather than a mnemonic.
        action->setText(QStringLiteral("&%1 %2").arg(QString::number(i + 1),
            QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QStringLiteral("&&"))));
    }
    if (m_recentSeparator)
        m_recentSeparator->setVisible(!files.isEmpty());
}

void CMainFrame::OnOpenRecentFile(const QString& path)
{
    if (path.isEmpty())
        return;
    // Nothing to open: the unsaved data is not asked about.
    if (!QFileInfo::exists(path)) {
        RecentFiles::Remove(path);
        UpdateRecentFileMenu();
        Messages().ShowMessage(this,
            tr("The file \"%1\" no longer exists. It has been removed from the list of recent files.")
                .arg(QDir::toNativeSeparators(path)),
            IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
        return;
    }
    if (!SaveModifiedIfWanted())
        return;
    m_app.LoadGameFile(path);
    // As after Open: the caption follows the loaded file, or none.
    SetCaptionFromGameFile();
}

void CMainFrame::OnPreferences()
{
    CPreferencesDlg dialog(EditorPreferences::Read(), m_app.Document().GameFolder(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.Preferences().Write();
    if (dialog.GameFolder() != m_app.Document().GameFolder())
        m_app.SetGameFolder(dialog.GameFolder());
}

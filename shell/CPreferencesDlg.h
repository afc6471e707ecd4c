#pragma once

#include "EditorPreferences.h"

#include <QDialog>

#include <memory>

namespace Ui {
class CPreferencesDlg;
}

// Edit > Preferences: the backup and recovery settings, the check before a
// save and the game folder.
// The dialog only shows and edits them; whoever opens it stores them when it
// closes with OK:
//
//     CPreferencesDlg dialog(EditorPreferences::Read(), folder, this);
//     if (dialog.exec() == QDialog::Accepted)
//         dialog.Preferences().Write();
class CPreferencesDlg : public QDialog
{
    Q_OBJECT

public:
    CPreferencesDlg(const EditorPreferences& preferences, const QString& gameFolder, QWidget* parent = nullptr);
    ~CPreferencesDlg() override;

    // As the controls show them.
    EditorPreferences Preferences() const;
    QString GameFolder() const;

private:
    // "Browse...": the folder browser, starting at the folder shown.
    void OnBrowse();

    std::unique_ptr<Ui::CPreferencesDlg> m_ui;
};

#include "CPreferencesDlg.h"

#include "COrbekApp.h"
#include "services/HtmlHelp.h"
#include "ui_CPreferencesDlg.h"

namespace {

void SetRange(QSpinBox& spin, const EditorPreferences::Range& range, int value)
{
    spin.setRange(range.minimum, range.maximum);
    spin.setValue(value);
}

} // namespace

CPreferencesDlg::CPreferencesDlg(const EditorPreferences& preferences, const QString& gameFolder, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CPreferencesDlg>())
{
    m_ui->setupUi(this);
    m_ui->checkMakeBackups->setChecked(preferences.MakeBackups());
    SetRange(*m_ui->spinBackupsToKeep, EditorPreferences::kBackupsToKeep, preferences.BackupsToKeep());
    SetRange(*m_ui->spinRecoverySeconds, EditorPreferences::kRecoverySeconds, preferences.RecoverySeconds());
    m_ui->checkBeforeSave->setChecked(preferences.CheckBeforeSave());
    m_ui->editGameFolder->setText(gameFolder);
    // How many backups to keep means nothing while none are made.
    const auto followBackups = [this](bool on) {
        m_ui->labelBackupsToKeep->setEnabled(on);
        m_ui->spinBackupsToKeep->setEnabled(on);
    };
    followBackups(preferences.MakeBackups());
    connect(m_ui->checkMakeBackups, &QCheckBox::toggled, this, followBackups);
    connect(m_ui->buttonBrowse, &QPushButton::clicked, this, &CPreferencesDlg::OnBrowse);
    AttachHelp(this, "Orbek.chm::/Html/Preferences.htm", m_ui->buttonBox);
}

CPreferencesDlg::~CPreferencesDlg() = default;

EditorPreferences CPreferencesDlg::Preferences() const
{
    EditorPreferences preferences;
    preferences.SetMakeBackups(m_ui->checkMakeBackups->isChecked());
    preferences.SetBackupsToKeep(m_ui->spinBackupsToKeep->value());
    preferences.SetRecoverySeconds(m_ui->spinRecoverySeconds->value());
    preferences.SetCheckBeforeSave(m_ui->checkBeforeSave->isChecked());
    return preferences;
}

QString CPreferencesDlg::GameFolder() const
{
    return m_ui->editGameFolder->text();
}

void CPreferencesDlg::OnBrowse()
{
    const QString chosen = COrbekApp::AskForGameFolder(this, GameFolder());
    if (!chosen.isEmpty())
        m_ui->editGameFolder->setText(chosen);
}

#include "tree/CSearchDlg.h"

#include "ui_CSearchDlg.h"

#include <QButtonGroup>

CSearchDlg::CSearchDlg(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CSearchDlg>())
{
    m_ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_direction = new QButtonGroup(this);
    m_direction->addButton(m_ui->IDC_DIRECTION_DOWN, 0);
    m_direction->addButton(m_ui->IDC_DIRECTION_UP, 1);
    connect(m_ui->IDOK, &QPushButton::clicked, this, &CSearchDlg::accept);
    connect(m_ui->IDCANCEL, &QPushButton::clicked, this, &CSearchDlg::reject);
}

CSearchDlg::~CSearchDlg() = default;

void CSearchDlg::showEvent(QShowEvent* event)
{
    UpdateControls();
    m_ui->IDC_SEARCH_TEXT->setFocus();
    m_ui->IDC_SEARCH_TEXT->selectAll();
    QDialog::showEvent(event);
}

void CSearchDlg::UpdateControls()
{
    m_ui->IDC_SEARCH_TEXT->setText(m_strText);
    m_ui->IDC_MATCH_CASE->setChecked(m_bMatchCase);
    m_ui->IDC_WHOLE_WORD->setChecked(m_bWholeWord);
    // A direction outside 0..1 checks neither button, as the stored -1 does.
    m_direction->setExclusive(false);
    m_ui->IDC_DIRECTION_DOWN->setChecked(m_nDirection == 0);
    m_ui->IDC_DIRECTION_UP->setChecked(m_nDirection == 1);
    m_direction->setExclusive(true);
}

void CSearchDlg::ReadControls()
{
    m_bMatchCase = m_ui->IDC_MATCH_CASE->isChecked();
    m_nDirection = m_direction->checkedId();
    m_strText = m_ui->IDC_SEARCH_TEXT->text();
    m_bWholeWord = m_ui->IDC_WHOLE_WORD->isChecked();
}

void CSearchDlg::accept()
{
    ReadControls();
    QDialog::accept();
}

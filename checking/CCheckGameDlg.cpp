#include "checking/CCheckGameDlg.h"

#include "checking/CloseHelpButtons.h"
#include "document/CGameDocument.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column { kSeverity, kConcerns, kProblem };
constexpr int kSubjectRole = Qt::UserRole;
constexpr int kIdRole = Qt::UserRole + 1;

QString CountText(int problems, int warnings)
{
    if (problems + warnings == 0)
        return CCheckGameDlg::tr("No problems found.");
    QStringList parts;
    if (problems > 0)
        parts << (problems == 1 ? CCheckGameDlg::tr("1 problem") : CCheckGameDlg::tr("%1 problems").arg(problems));
    if (warnings > 0)
        parts << (warnings == 1 ? CCheckGameDlg::tr("1 warning") : CCheckGameDlg::tr("%1 warnings").arg(warnings));
    return parts.join(QStringLiteral(", ")) + QLatin1Char('.');
}

} // namespace

CCheckGameDlg::CCheckGameDlg(CGameDocument& document, QWidget* parent) : QDialog(parent), m_document(document)
{
    setObjectName(QStringLiteral("checkGameDlg"));
    setWindowTitle(tr("Check Game"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("listProblems"));
    m_list->setHeaderLabels({tr("Severity"), tr("Concerns"), tr("Problem")});
    m_list->setRootIsDecorated(false);
    m_list->setWordWrap(true);
    m_list->setAlternatingRowColors(true);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(kSeverity, 80);
    m_list->setColumnWidth(kConcerns, 200);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("labelCount"));
    // Enter in the list shows the finding; it must not close the window.
    QDialogButtonBox* buttons = CloseHelpButtons(this, "Orbek.chm::/Html/CheckCompare.htm");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_count);
    layout->addWidget(buttons);
    resize(760, 380);

    connect(m_list, &QTreeWidget::itemActivated, this, &CCheckGameDlg::OnActivated);
    connect(&m_document, &CGameDocument::playersChanged, this, &CCheckGameDlg::RefreshIfShown);
    connect(&m_document, &CGameDocument::teamsChanged, this, &CCheckGameDlg::RefreshIfShown);
    connect(&m_document, &CGameDocument::namesChanged, this, &CCheckGameDlg::RefreshIfShown);
    connect(&m_document, &CGameDocument::gameReset, this, &CCheckGameDlg::RefreshIfShown);
}

void CCheckGameDlg::showEvent(QShowEvent* event)
{
    Refresh();
    QDialog::showEvent(event);
}

void CCheckGameDlg::RefreshIfShown()
{
    if (isVisible())
        Refresh();
}

void CCheckGameDlg::Refresh()
{
    const CGame& game = m_document.Game();
    auto findings = game.IsLoaded() ? GameCheck::CheckGame(game) : std::vector<GameCheck::Finding>{};
    // Problems first: they break what the game relies on.
    std::stable_sort(findings.begin(), findings.end(),
        [](const auto& a, const auto& b) { return a.severity < b.severity; });
    // The row shown stays current when it is still there.
    const QTreeWidgetItem* current = m_list->currentItem();
    const QString currentText = current ? current->text(kConcerns) + current->text(kProblem) : QString();
    m_list->clear();
    int problems = 0;
    for (const auto& finding : findings) {
        AddRow(finding);
        problems += finding.severity == GameCheck::Severity::Problem ? 1 : 0;
    }
    for (int i = 0; i < m_list->topLevelItemCount() && current; ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(i);
        if (item->text(kConcerns) + item->text(kProblem) == currentText)
            m_list->setCurrentItem(item);
    }
    m_count->setText(CountText(problems, static_cast<int>(findings.size()) - problems));
}

void CCheckGameDlg::AddRow(const GameCheck::Finding& finding)
{
    auto* item = new QTreeWidgetItem(m_list);
    item->setText(kSeverity, finding.severity == GameCheck::Severity::Problem ? tr("Problem") : tr("Warning"));
    item->setText(kConcerns, Concerns(finding));
    item->setText(kProblem, QString::fromStdString(finding.text));
    item->setToolTip(kProblem, item->text(kProblem));
    item->setData(0, kSubjectRole, static_cast<int>(finding.subject));
    item->setData(0, kIdRole, finding.id);
}

QString CCheckGameDlg::Concerns(const GameCheck::Finding& finding) const
{
    const CGame& game = m_document.Game();
    switch (finding.subject) {
    case GameCheck::Subject::Player:
        if (const CPlayer* player = game.Player(finding.id))
            return tr("%1 (player %2)").arg(CGameDocument::GameText(player->GetDisplayName())).arg(finding.id);
        return tr("Player %1").arg(finding.id);
    case GameCheck::Subject::Team:
        if (const CTeam* team = game.Team(finding.id))
            return tr("%1 (team %2)").arg(CGameDocument::GameText(team->m_strName)).arg(finding.id);
        return tr("Team %1").arg(finding.id);
    case GameCheck::Subject::File: break;
    }
    return tr("The file");
}

void CCheckGameDlg::OnActivated(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const auto subject = static_cast<GameCheck::Subject>(item->data(0, kSubjectRole).toInt());
    const quint32 id = item->data(0, kIdRole).toUInt();
    if (subject == GameCheck::Subject::Player)
        emit playerRequested(id);
    else if (subject == GameCheck::Subject::Team)
        emit teamRequested(id);
}

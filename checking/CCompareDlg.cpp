#include "checking/CCompareDlg.h"

#include "checking/CloseHelpButtons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { kRecord, kChange };
constexpr int kTeamRole = Qt::UserRole;
constexpr int kIdRole = Qt::UserRole + 1;

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QString RecordText(const RecordDiff::Difference& difference)
{
    const QString subject = difference.team ? CCompareDlg::tr("Team %1").arg(difference.id)
                                            : CCompareDlg::tr("Player %1").arg(difference.id);
    return difference.name.empty() ? subject : CCompareDlg::tr("%1 (%2)").arg(subject, Utf8(difference.name));
}

QString StatusText(RecordDiff::Status status)
{
    switch (status) {
    case RecordDiff::Status::Added: return CCompareDlg::tr("added");
    case RecordDiff::Status::Removed: return CCompareDlg::tr("removed");
    case RecordDiff::Status::Changed: break;
    }
    return CCompareDlg::tr("changed");
}

bool RowContains(const QTreeWidgetItem& item, const QString& text)
{
    return item.text(kRecord).contains(text, Qt::CaseInsensitive) || item.text(kChange).contains(text, Qt::CaseInsensitive);
}

} // namespace

CCompareDlg::CCompareDlg(std::vector<RecordDiff::Difference> differences, const QString& direction, QWidget* parent)
    : QDialog(parent)
    , m_differences(std::move(differences))
{
    setObjectName(QStringLiteral("compareDlg"));
    setWindowTitle(tr("Compare"));
    auto* directionLabel = new QLabel(direction, this);
    directionLabel->setObjectName(QStringLiteral("labelDirection"));
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("editFilter"));
    m_filter->setClearButtonEnabled(true);
    auto* filterLabel = new QLabel(tr("&Filter:"), this);
    filterLabel->setBuddy(m_filter);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("listDifferences"));
    m_list->setHeaderLabels({tr("Player or team"), tr("Change")});
    m_list->setColumnWidth(kRecord, 260);
    m_list->header()->setStretchLastSection(true);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("labelCount"));
    QDialogButtonBox* buttons = CloseHelpButtons(this, "Orbek.chm::/Html/CheckCompare.htm");

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(directionLabel);
    layout->addLayout(filterRow);
    layout->addWidget(m_list);
    layout->addWidget(m_count);
    layout->addWidget(buttons);
    resize(720, 460);

    connect(m_filter, &QLineEdit::textChanged, this, &CCompareDlg::ApplyFilter);
    connect(m_list, &QTreeWidget::itemActivated, this, &CCompareDlg::OnActivated);
    Fill();
    ApplyFilter();
}

void CCompareDlg::Fill()
{
    for (const RecordDiff::Difference& difference : m_differences) {
        auto* row = new QTreeWidgetItem(m_list, {RecordText(difference), StatusText(difference.status)});
        row->setData(0, kTeamRole, difference.team);
        row->setData(0, kIdRole, difference.id);
        for (const RecordDiff::FieldChange& field : difference.fields)
            new QTreeWidgetItem(row, {Utf8(field.name), tr("%1 → %2").arg(Utf8(field.before), Utf8(field.after))});
        if (!difference.unnamedBytes.empty())
            new QTreeWidgetItem(row, {tr("record bytes"), tr("differ at offsets %1").arg(Utf8(difference.unnamedBytes))});
    }
    m_list->expandAll();
}

void CCompareDlg::ApplyFilter()
{
    const QString text = m_filter->text().trimmed();
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = m_list->topLevelItem(i);
        // A row that matches shows all its fields, else only the fields that match.
        const bool rowMatches = text.isEmpty() || RowContains(*row, text);
        bool anyField = false;
        for (int f = 0; f < row->childCount(); ++f) {
            const bool shown = rowMatches || RowContains(*row->child(f), text);
            row->child(f)->setHidden(!shown);
            anyField = anyField || shown;
        }
        row->setHidden(!rowMatches && !anyField);
    }
    m_count->setText(CountText());
}

QString CCompareDlg::CountText() const
{
    int players = 0;
    for (const auto& difference : m_differences)
        players += difference.team ? 0 : 1;
    const int teams = static_cast<int>(m_differences.size()) - players;
    if (m_differences.empty())
        return tr("The games do not differ.");
    QString text = tr("%1 %2 and %3 %4 differ.")
                       .arg(players)
                       .arg(players == 1 ? tr("player") : tr("players"))
                       .arg(teams)
                       .arg(teams == 1 ? tr("team") : tr("teams"));
    int shown = 0;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        shown += m_list->topLevelItem(i)->isHidden() ? 0 : 1;
    if (shown != m_list->topLevelItemCount())
        text += tr(" %1 shown.").arg(shown);
    return text;
}

void CCompareDlg::OnActivated(QTreeWidgetItem* item)
{
    if (item && item->parent())
        item = item->parent();
    if (item && !item->data(0, kTeamRole).toBool())
        emit playerRequested(item->data(0, kIdRole).toUInt());
}

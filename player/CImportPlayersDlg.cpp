#include "CImportPlayersDlg.h"

#include "ui_ImportPlayersDlg.h"

#include "gamedata/CGame.h"
#include "gamedata/PlayersCsv.h"
#include "gamedata/RecordDiff.h"
#include "services/HtmlHelp.h"
#include "services/WindowPlacement.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace {

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QString Count(std::size_t count, const QString& one, const QString& many)
{
    return count == 1 ? one : many.arg(count);
}

// A row or column number of the file; 0 stands for none.
QString Place(std::size_t number)
{
    return number == 0 ? QString() : QString::number(number);
}

// A row whose cells show their whole text as a tip, as long ones are cut.
QTreeWidgetItem* NewRow(const QStringList& cells)
{
    auto* item = new QTreeWidgetItem(cells);
    for (int c = 0; c < cells.size(); ++c)
        item->setToolTip(c, cells[c]);
    return item;
}

void FitColumns(QTreeWidget& list)
{
    list.header()->resizeSections(QHeaderView::ResizeToContents);
    list.header()->setStretchLastSection(true);
}

} // namespace

CImportPlayersDlg::CImportPlayersDlg(const CGame& game, const PlayersCsv::ImportPlan& plan, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::ImportPlayersDlg>())
{
    m_ui->setupUi(this);
    if (!plan.ok())
        ShowErrors(plan);
    else
        ShowChanges(game, plan);
    constexpr const char* kHelpTopic = "Orbek.chm::/Html/PlayersCsv.htm";
    AttachHelp(this, kHelpTopic);
    connect(m_ui->buttonHelp, &QPushButton::clicked, this, [this] { OpenHtmlHelp(this, kHelpTopic, kHelpDisplayTopic, 0); });
    WindowPlacement::RememberSize(*this);
}

CImportPlayersDlg::~CImportPlayersDlg() = default;

bool CImportPlayersDlg::CanApply() const
{
    return !m_ui->buttonApply->isHidden();
}

QTreeWidget* CImportPlayersDlg::Changes() const
{
    return m_ui->listChanges;
}

QTreeWidget* CImportPlayersDlg::Errors() const
{
    return m_ui->listErrors;
}

void CImportPlayersDlg::ShowChanges(const CGame& game, const PlayersCsv::ImportPlan& plan)
{
    m_ui->listErrors->hide();
    if (plan.changes.empty()) {
        // The empty list stays, so the dialog keeps its shape.
        m_ui->labelSummary->setText(tr("The file changes nothing."));
        OfferOnlyClose();
        return;
    }
    m_ui->labelSummary->setText(tr("%1 to %2")
            .arg(Count(plan.changes.size(), tr("1 change"), tr("%1 changes")),
                Count(plan.rows.size(), tr("1 player"), tr("%1 players"))));
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(plan.changes.size()));
    for (const PlayersCsv::CellChange& change : plan.changes) {
        const CPlayer* player = game.Player(change.playerId);
        const QString who = player ? Utf8(RecordDiff::IdAndName(*player)) : QString::number(change.playerId);
        items << NewRow({who, Utf8(change.key), Utf8(change.oldText), Utf8(change.newText)});
    }
    m_ui->listChanges->addTopLevelItems(items);
    FitColumns(*m_ui->listChanges);
}

void CImportPlayersDlg::ShowErrors(const PlayersCsv::ImportPlan& plan)
{
    m_ui->listChanges->hide();
    m_ui->labelSummary->setText(tr("Nothing can be imported: the file has %1.")
            .arg(Count(plan.errors.size(), tr("1 error"), tr("%1 errors"))));
    QList<QTreeWidgetItem*> items;
    for (const PlayersCsv::ImportError& error : plan.errors) {
        QString column = Place(error.column);
        if (!column.isEmpty() && !error.key.empty())
            column += QStringLiteral(" (%1)").arg(Utf8(error.key));
        items << NewRow({Place(error.row), column, Utf8(error.reason)});
    }
    m_ui->listErrors->addTopLevelItems(items);
    FitColumns(*m_ui->listErrors);
    OfferOnlyClose();
}

void CImportPlayersDlg::OfferOnlyClose()
{
    m_ui->buttonApply->hide();
    m_ui->buttonCancel->setText(tr("Close"));
    m_ui->buttonCancel->setDefault(true);
}

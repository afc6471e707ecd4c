#include "CPlayersPanel.h"

#include "CPlayersFilterBar.h"
#include "PlayersFilter.h"
#include "PlayersTableColumns.h"
#include "PlayersTableModel.h"

#include "document/CGameDocument.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using PlayersTableColumns::Show;

// A width that shows the header and a typical value of the column.
int InitialWidth(const QFontMetrics& metrics, const PlayersTableColumns::Column& column)
{
    const auto chars = [&](int count) { return metrics.averageCharWidth() * count; };
    int content = chars(7);
    switch (column.show) {
    case Show::Label:
    case Show::Text: content = chars(16); break;
    case Show::Team:
    case Show::Origin: content = chars(14); break;
    case Show::Date: content = metrics.horizontalAdvance(QStringLiteral("00/00/0000")); break;
    case Show::Words:
        for (const QString& word : column.words)
            content = std::max(content, metrics.horizontalAdvance(word));
        break;
    default: break;
    }
    // Room for the padding and the sort arrow.
    return std::max(content, metrics.horizontalAdvance(column.title)) + 24;
}

} // namespace

CPlayersPanel::CPlayersPanel(CGameDocument& document, QWidget* parent) : QWidget(parent), m_document(document)
{
    setObjectName(QStringLiteral("playersPanel"));
    m_model = new PlayersTableModel(document, this);
    m_filter = new PlayersFilter(*m_model, this);

    auto* layout = new QVBoxLayout(this);
    m_filterBar = new CPlayersFilterBar(document, this);
    layout->addWidget(m_filterBar);
    CreateTable();
    layout->addWidget(m_table, 1);

    auto* buttonRow = new QWidget(this);
    CreateActions(buttonRow);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("playersCount"));
    buttonRow->layout()->addWidget(m_count);
    layout->addWidget(buttonRow);

    connect(m_filterBar, &CPlayersFilterBar::criteriaChanged, m_filter, &PlayersFilter::SetCriteria);
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_filter, signal, this, &CPlayersPanel::UpdateCount);
    connect(m_filter, &QAbstractItemModel::modelReset, this, &CPlayersPanel::UpdateCount);
    connect(m_filter, &QAbstractItemModel::layoutChanged, this, &CPlayersPanel::UpdateCount);
    connect(&document, &CGameDocument::currentPlayerChanged, this, &CPlayersPanel::SelectPlayer);
    UpdateCount();
}

void CPlayersPanel::CreateTable()
{
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("playersTable"));
    m_table->setModel(m_filter);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    // Rows of one fixed height: a large game needs no measuring.
    QHeaderView* rows = m_table->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);

    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionsMovable(true);
    header->setHighlightSections(false);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    for (int i = 0; i < PlayersTableColumns::Count(); ++i)
        header->resizeSection(i, InitialWidth(fontMetrics(), PlayersTableColumns::All()[static_cast<std::size_t>(i)]));
    // Unsorted until a header is clicked: the rows stay in id order.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    connect(header, &QHeaderView::customContextMenuRequested, this, &CPlayersPanel::ShowHeaderMenu);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CPlayersPanel::OnSelectionChanged);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CPlayersPanel::CreateActions(QWidget* buttonRow)
{
    auto* buttons = new QHBoxLayout(buttonRow);
    buttons->setContentsMargins(0, 0, 0, 0);
    const auto add = [this, buttonRow, buttons](const QString& text, const char* name, auto request) {
        auto* action = new QAction(text, this);
        action->setIconText(text); // the buttons keep the "..." of a command that asks
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, request] { request(SelectedPlayerIds()); });
        m_table->addAction(action);
        auto* button = new QToolButton(buttonRow);
        button->setDefaultAction(action);
        buttons->addWidget(button);
        m_actions.push_back(action);
    };
    const auto separate = [this] {
        auto* line = new QAction(this);
        line->setSeparator(true);
        m_table->addAction(line);
    };
    add(tr("Set..."), "actionPlayersSet", [this](const QList<quint32>& ids) { emit setFieldRequested(ids); });
    separate();
    const std::pair<Preset, const char*> presets[] = {
        {kAverage, "Average"}, {kGood, "Good"}, {kExcellent, "Excellent"}, {kSuperBatsman, "SuperBatsman"}};
    for (const auto& [preset, text] : presets) {
        const QString name = QStringLiteral("actionPlayersPreset") + QString::fromLatin1(text);
        add(tr(text), name.toLatin1().constData(),
            [this, preset](const QList<quint32>& ids) { emit presetRequested(ids, preset); });
    }
    separate();
    add(tr("Move to Team..."), "actionPlayersMove", [this](const QList<quint32>& ids) { emit moveRequested(ids); });
    add(tr("Take Out of Team"), "actionPlayersTakeOut", [this](const QList<quint32>& ids) { emit takeOutRequested(ids); });
    buttons->addStretch(1);
    for (QAction* action : m_actions)
        action->setEnabled(false);
}

void CPlayersPanel::ShowHeaderMenu(const QPoint& at)
{
    QHeaderView* header = m_table->horizontalHeader();
    QMenu menu(this);
    const int shown = header->count() - header->hiddenSectionCount();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        QAction* action = menu.addAction(m_model->headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!header->isSectionHidden(column));
        // The last column shown stays: a table without columns cannot get them back.
        action->setEnabled(header->isSectionHidden(column) || shown > 1);
        connect(action, &QAction::toggled, header, [header, column](bool on) { header->setSectionHidden(column, !on); });
    }
    menu.exec(header->mapToGlobal(at));
}

QList<quint32> CPlayersPanel::SelectedPlayerIds() const
{
    QModelIndexList rows = m_table->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QList<quint32> ids;
    ids.reserve(rows.size());
    for (const QModelIndex& row : rows)
        ids.push_back(row.data(PlayersTableModel::kPlayerIdRole).toUInt());
    return ids;
}

QList<quint32> CPlayersPanel::VisiblePlayerIds() const
{
    QList<quint32> ids;
    ids.reserve(m_filter->rowCount());
    for (int row = 0; row < m_filter->rowCount(); ++row)
        ids.push_back(m_model->IdAt(m_filter->mapToSource(m_filter->index(row, 0)).row()));
    return ids;
}

bool CPlayersPanel::IsFiltered() const
{
    return !m_filter->Criteria().IsEmpty();
}

int CPlayersPanel::PlayerCount() const
{
    return m_model->rowCount();
}

void CPlayersPanel::SelectPlayer(int playerId)
{
    if (playerId >= 0 && SelectedPlayerIds() == QList<quint32>{static_cast<quint32>(playerId)})
        return;
    const QModelIndex source = playerId >= 0 ? m_model->index(m_model->RowOf(static_cast<std::uint32_t>(playerId)), 0)
                                            : QModelIndex();
    const QModelIndex row = m_filter->mapFromSource(source);
    m_bFollowing = true;
    if (row.isValid()) {
        m_table->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_table->scrollTo(row);
    } else {
        m_table->clearSelection();
    }
    m_bFollowing = false;
}

QByteArray CPlayersPanel::HeaderState() const
{
    return m_table->horizontalHeader()->saveState();
}

void CPlayersPanel::RestoreHeaderState(const QByteArray& state)
{
    QHeaderView* header = m_table->horizontalHeader();
    // A state of another set of columns would show the wrong ones.
    if (state.isEmpty() || !header->restoreState(state) || header->count() != PlayersTableColumns::Count())
        return;
    m_table->sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

void CPlayersPanel::OnSelectionChanged()
{
    const QList<quint32> ids = SelectedPlayerIds();
    for (QAction* action : m_actions)
        action->setEnabled(!ids.isEmpty());
    if (!m_bFollowing && ids.size() == 1 && static_cast<int>(ids.front()) != m_document.CurrentPlayer())
        emit playerChosen(ids.front());
}

void CPlayersPanel::UpdateCount()
{
    m_count->setText(tr("%1 of %2 players").arg(m_filter->rowCount()).arg(PlayerCount()));
}

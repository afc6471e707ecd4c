#include "tree/CSortableListCtrl.h"

#include "Cp1252.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>

#include <cstring>

namespace {

// Shows the wait cursor for as long as a sort runs.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Byte-wise, unsigned, shorter text first on a common prefix.
int CompareBytes(const QByteArray& a, const QByteArray& b)
{
    const auto common = static_cast<std::size_t>(std::min(a.size(), b.size()));
    if (const int c = std::memcmp(a.constData(), b.constData(), common); c != 0)
        return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// Everything of a row that travels with it when rows are exchanged.
struct RowContent
{
    QStringList texts;
    QIcon icon;
    QVariant data;
    bool selected = false;
    bool current = false;
};

} // namespace

CSortableListCtrl::CSortableListCtrl(QWidget* parent)
    : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    // QHeaderView reports left clicks only; a click of another button never
    // reaches the sort.
    connect(header(), &QHeaderView::sectionClicked, this,
        [this](int column) { OnHeaderItemClick(column, Qt::LeftButton); });
}

void CSortableListCtrl::OnHeaderItemClick(int column, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    m_bSortAscending = column == m_nSortColumn ? !m_bSortAscending : true;
    m_nSortColumn = column;
    SortByColumnText(column, m_bSortAscending);
}

bool CSortableListCtrl::SortByColumnText(int column, bool ascending)
{
    const WaitCursor wait;
    if (column < 0 || column >= columnCount())
        return false;
    return SortRange(column, ascending, 0, topLevelItemCount() - 1);
}

// The game's partition sort: the pivot is a text fixed for the call, rows
// with equal texts are never exchanged with each other.
bool CSortableListCtrl::SortRange(int column, bool ascending, int low, int high)
{
    int lo = low;
    int hi = high;
    if (hi <= lo)
        return false;
    const QByteArray pivot = RowText((lo + hi) / 2, column);
    auto before = [ascending](const QByteArray& a, const QByteArray& b) {
        const int c = CompareBytes(a, b);
        return ascending ? c < 0 : c > 0;
    };
    while (lo <= hi) {
        while (lo < high && before(RowText(lo, column), pivot))
            ++lo;
        while (hi > low && before(pivot, RowText(hi, column)))
            --hi;
        if (lo <= hi) {
            if (RowText(lo, column) != RowText(hi, column))
                ExchangeRows(lo, hi);
            ++lo;
            --hi;
        }
    }
    if (low < hi)
        SortRange(column, ascending, low, hi);
    if (lo < high)
        SortRange(column, ascending, lo, high);
    return true;
}

QByteArray CSortableListCtrl::RowText(int row, int column) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return {};
    const QString text = item->text(column);
    // The text as the game stores it; a character the code page cannot hold
    // sorts by its UTF-8 bytes.
    if (const auto bytes = Cp1252::FromUtf8(text.toStdString()))
        return QByteArray::fromStdString(*bytes);
    return text.toUtf8();
}

void CSortableListCtrl::ExchangeRows(int first, int second)
{
    QTreeWidgetItem* a = topLevelItem(first);
    QTreeWidgetItem* b = topLevelItem(second);
    if (!a || !b || a == b)
        return;
    auto read = [this](const QTreeWidgetItem* item) {
        RowContent row;
        for (int c = 0; c < columnCount(); ++c)
            row.texts.push_back(item->text(c));
        row.icon = item->icon(0);
        row.data = item->data(0, Qt::UserRole);
        row.selected = item->isSelected();
        row.current = currentItem() == item;
        return row;
    };
    const RowContent rowA = read(a);
    const RowContent rowB = read(b);
    auto write = [this](QTreeWidgetItem* item, const RowContent& row) {
        for (int c = 0; c < columnCount(); ++c)
            item->setText(c, row.texts.value(c));
        item->setIcon(0, row.icon);
        item->setData(0, Qt::UserRole, row.data);
        item->setSelected(row.selected);
        if (row.current)
            setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    };
    write(a, rowB);
    write(b, rowA);
}

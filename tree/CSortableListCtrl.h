#pragma once

#include <QTreeWidget>

// A report-style list that sorts its rows by the text of a clicked column:
// the first left click on a column sorts it ascending, the next click on the
// same column descending, and so on. Whole rows move: every column's text,
// the icon, the item data and the selection/current state. Texts compare as
// the game's Windows-1252 bytes, case-sensitively ('B' before 'a', "10"
// before "9"). Rows added after a sort stay where they are put.
class CSortableListCtrl : public QTreeWidget
{
    Q_OBJECT

public:
    explicit CSortableListCtrl(QWidget* parent = nullptr);

    // A click on a header section. Only the left button sorts.
    void OnHeaderItemClick(int column, Qt::MouseButton button);

    // Sorts every row by the text of `column`. False when the column does
    // not exist or there are fewer than two rows; the rows are then left as
    // they are.
    bool SortByColumnText(int column, bool ascending);

    int SortColumn() const { return m_nSortColumn; }
    bool SortAscending() const { return m_bSortAscending; }

private:
    bool SortRange(int column, bool ascending, int low, int high);
    QByteArray RowText(int row, int column) const;
    void ExchangeRows(int first, int second);

    int m_nSortColumn = -1;
    bool m_bSortAscending = true;
};

// The list that sorts its rows by a clicked column's text.
#include "tree/CSortableListCtrl.h"

#include <QHeaderView>
#include <QtTest>

namespace {

// Rows of (name, type); each row's id and icon colour follow from its place.
void Fill(CSortableListCtrl& list, const QList<QStringList>& rows)
{
    list.clear();
    list.setColumnCount(2);
    for (const QStringList& row : rows) {
        auto* item = new QTreeWidgetItem(&list, row);
        const int id = list.topLevelItemCount();
        item->setData(0, Qt::UserRole, id);
        QPixmap pixmap(16, 16);
        pixmap.fill(QColor::fromRgb(static_cast<QRgb>(id * 0x101010)));
        item->setIcon(0, QIcon(pixmap));
    }
}

// Column 0, or each row whole as "name type id colour-of-its-icon".
QStringList Rows(const CSortableListCtrl& list, bool whole = false)
{
    QStringList rows;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list.topLevelItem(i);
        const QColor colour = item->icon(0).pixmap(16, 16).toImage().pixelColor(4, 4);
        rows << (whole ? QStringList({item->text(0), item->text(1), item->data(0, Qt::UserRole).toString(),
                             colour.name()}).join(' ')
                       : item->text(0));
    }
    return rows;
}

} // namespace

class SortableListTests : public QObject
{
    Q_OBJECT

private slots:
    void text_order_is_by_bytes_case_sensitive_and_numbers_as_text_and_odd_requests_change_nothing()
    {
        CSortableListCtrl list;
        Fill(list, {{"9"}, {"10"}, {"a"}, {"B"}, {"Ab"}, {"A"}, {"\u00e9"}});
        QVERIFY(list.SortByColumnText(0, true)); // "é" is byte 0xE9 in the game's code page: after every ASCII letter
        QCOMPARE(Rows(list), QStringList({"10", "9", "A", "Ab", "B", "a", "\u00e9"}));
        QVERIFY(list.SortByColumnText(0, false));
        QCOMPARE(Rows(list), QStringList({"\u00e9", "a", "B", "Ab", "A", "9", "10"}));
        QVERIFY(!list.SortByColumnText(2, true) && !list.SortByColumnText(-1, true));
        list.OnHeaderItemClick(5, Qt::LeftButton);
        QCOMPARE(Rows(list).front(), QStringLiteral("\u00e9"));
        Fill(list, {{"d"}, {"c"}, {"b"}, {"a"}}); // rows 1..2 only
        QVERIFY(list.SortByColumnText(0, true, 1, 2));
        QCOMPARE(Rows(list), QStringList({"d", "b", "c", "a"}));
        Fill(list, {{"Only", "X"}});
        QVERIFY(!list.SortByColumnText(0, true));
        Fill(list, {});
        QVERIFY(!list.SortByColumnText(0, true));
    }

    void left_clicks_sort_ascending_then_toggle_right_clicks_do_nothing_and_rows_keep_icon_data_and_selection()
    {
        CSortableListCtrl list;
        list.setSelectionMode(QAbstractItemView::ExtendedSelection);
        Fill(list, {{"Smith JA", "RHB"}, {"brown T", "F"}, {"Adams K", "LHB"}, {"Zulu B", "OS"}, {"Brown T", "M"}});
        const QStringList before = Rows(list, true);
        list.topLevelItem(0)->setSelected(true); // Smith JA
        list.topLevelItem(3)->setSelected(true); // Zulu B
        list.setCurrentItem(list.topLevelItem(2), 0, QItemSelectionModel::NoUpdate); // Adams K
        list.resize(300, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QHeaderView* header = list.header();
        const QPoint typeSection(header->sectionViewportPosition(1) + 5, header->height() / 2);

        QTest::mouseClick(header->viewport(), Qt::RightButton, {}, typeSection);
        list.OnHeaderItemClick(1, Qt::RightButton);
        QVERIFY(Rows(list, true) == before && list.SortColumn() == -1);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, typeSection);
        QCOMPARE(Rows(list), QStringList({"brown T", "Adams K", "Brown T", "Zulu B", "Smith JA"})); // F LHB M OS RHB
        QVERIFY(list.SortColumn() == 1 && list.SortAscending());
        list.OnHeaderItemClick(1, Qt::LeftButton);
        QCOMPARE(Rows(list), QStringList({"Smith JA", "Zulu B", "Brown T", "Adams K", "brown T"}));
        QVERIFY(!list.SortAscending());
        list.OnHeaderItemClick(0, Qt::LeftButton);
        QVERIFY(list.SortAscending());
        QStringList expected;
        for (const int i : {2, 4, 0, 3, 1}) // Adams K, Brown T, Smith JA, Zulu B, brown T
            expected << before[i];
        QCOMPARE(Rows(list, true), expected);
        QStringList selected;
        for (const QTreeWidgetItem* item : list.selectedItems())
            selected << item->text(0);
        selected.sort();
        QCOMPARE(selected, QStringList({"Smith JA", "Zulu B"}));
        QCOMPARE(list.currentItem()->text(0), QStringLiteral("Adams K"));
    }
};

QTEST_MAIN(SortableListTests)
#include "SortableListTests.moc"

// The list that sorts its rows by a clicked column's text.
#include "tree/CSortableListCtrl.h"

#include <QHeaderView>
#include <QtTest>

namespace {

struct Row
{
    QString name, type;
    quint32 id;
};

QColor ColourOf(quint32 id) { return QColor::fromRgb(static_cast<QRgb>(id * 0x101010u)); }

void Fill(CSortableListCtrl& list, const std::vector<Row>& rows)
{
    list.clear();
    list.setColumnCount(2);
    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem(&list, QStringList{row.name, row.type});
        item->setData(0, Qt::UserRole, row.id);
        QPixmap pixmap(16, 16);
        pixmap.fill(ColourOf(row.id));
        item->setIcon(0, QIcon(pixmap));
    }
}

QStringList Column(const CSortableListCtrl& list, int column)
{
    QStringList texts;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        texts << list.topLevelItem(i)->text(column);
    return texts;
}

// Each row as "name type id colour-of-its-icon", to see that rows stay whole.
QStringList Rows(const CSortableListCtrl& list)
{
    QStringList rows;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list.topLevelItem(i);
        const QColor colour = item->icon(0).pixmap(16, 16).toImage().pixelColor(4, 4);
        rows << QStringList({item->text(0), item->text(1), item->data(0, Qt::UserRole).toString(), colour.name()}).join(' ');
    }
    return rows;
}

QString RowText(const Row& r) { return QStringList({r.name, r.type, QString::number(r.id), ColourOf(r.id).name()}).join(' '); }

} // namespace

class SortableListTests : public QObject
{
    Q_OBJECT

private slots:
    void text_order_is_by_bytes_case_sensitive_and_numbers_as_text_and_odd_requests_change_nothing()
    {
        CSortableListCtrl list;
        Fill(list, {{"9", "", 1}, {"10", "", 2}, {"a", "", 3}, {"B", "", 4}, {"Ab", "", 5}, {"A", "", 6}, {"\u00e9", "", 7}});
        QVERIFY(list.SortByColumnText(0, true)); // "é" is byte 0xE9 in the game's code page: after every ASCII letter
        QCOMPARE(Column(list, 0), QStringList({"10", "9", "A", "Ab", "B", "a", "\u00e9"}));
        QVERIFY(list.SortByColumnText(0, false));
        QCOMPARE(Column(list, 0), QStringList({"\u00e9", "a", "B", "Ab", "A", "9", "10"}));
        QVERIFY(!list.SortByColumnText(2, true) && !list.SortByColumnText(-1, true));
        list.OnHeaderItemClick(5, Qt::LeftButton);
        QCOMPARE(Column(list, 0).front(), QStringLiteral("\u00e9"));
        Fill(list, {{"d", "", 1}, {"c", "", 2}, {"b", "", 3}, {"a", "", 4}}); // rows 1..2 only
        QVERIFY(list.SortByColumnText(0, true, 1, 2));
        QCOMPARE(Column(list, 0), QStringList({"d", "b", "c", "a"}));
        Fill(list, {{"Only", "X", 1}});
        QVERIFY(!list.SortByColumnText(0, true));
        Fill(list, {});
        QVERIFY(!list.SortByColumnText(0, true));
    }

    void left_clicks_sort_ascending_then_toggle_right_clicks_do_nothing_and_rows_keep_icon_data_and_selection()
    {
        const std::vector<Row> rows{
            {"Smith JA", "RHB", 1}, {"brown T", "F", 2}, {"Adams K", "LHB", 3}, {"Zulu B", "OS", 4}, {"Brown T", "M", 5}};
        CSortableListCtrl list;
        list.setSelectionMode(QAbstractItemView::ExtendedSelection);
        Fill(list, rows);
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
        QCOMPARE(Column(list, 1), QStringList({"RHB", "F", "LHB", "OS", "M"}));
        QCOMPARE(list.SortColumn(), -1);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, typeSection);
        QCOMPARE(Column(list, 1), QStringList({"F", "LHB", "M", "OS", "RHB"}));
        QVERIFY(list.SortColumn() == 1 && list.SortAscending());
        list.OnHeaderItemClick(1, Qt::LeftButton);
        QCOMPARE(Column(list, 1), QStringList({"RHB", "OS", "M", "LHB", "F"}));
        QVERIFY(!list.SortAscending());
        list.OnHeaderItemClick(0, Qt::LeftButton);
        QVERIFY(list.SortAscending());
        QStringList expected;
        for (const int i : {2, 4, 0, 3, 1}) // Adams K, Brown T, Smith JA, Zulu B, brown T
            expected << RowText(rows[static_cast<std::size_t>(i)]);
        QCOMPARE(Rows(list), expected);
        QStringList selected;
        for (const QTreeWidgetItem* item : list.selectedItems())
            selected << item->text(0);
        selected.sort();
        QCOMPARE(selected, QStringList({"Smith JA", "Zulu B"}));
        QCOMPARE(list.currentItem()->data(0, Qt::UserRole).toUInt(), 3u);
    }
};

QTEST_MAIN(SortableListTests)
#include "SortableListTests.moc"

// The players table: View > Players Table shows it, its filters and sorts
// pick the right players of a known game, and it follows the tree, the form
// and undo without ever being rebuilt.
#include "GuiTestSupport.h"

#include "FieldCodes.h"
#include "playerstable/CPlayersPanel.h"
#include "shell/Commands.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <tuple>

using guitest::Editor;
using testgame::PlayerDescription;

namespace {

using Date = std::tuple<int, int, int>; // year, month, day

// Our own view of each player: what the game below was given.
struct Known
{
    int salary;
    Date birth;
    int type;
    bool keeper;
};

Known KnownOf(int i)
{
    // Salaries below and above 10000 and days that do not follow the years,
    // so that sorting texts would give other orders than sorting values.
    return {(i * 7919) % 60000, {1950 + (i * 13) % 50, 1 + (i * 5) % 12, 1 + (i * 11) % 28}, i % 4, i % 5 == 0};
}

testgame::GameDescription TableGame()
{
    testgame::GameDescription game = guitest::SmallGame(3, 40, 5, 6);
    for (int i = 0; i < static_cast<int>(game.players.size()); ++i) {
        const Known known = KnownOf(i);
        const auto [year, month, day] = known.birth;
        game.players[i].SetSalary(known.salary).SetBirth(year, month, day).SetType(known.type)
            .SetKeeper(known.keeper).SetPartTimeKeeper(0);
    }
    game.players[3].SetNames("Olaf", "Vanderbilt");
    game.players[8].SetNames("Sunderbans", "Rao");
    game.players[12].SetNames("Eve", "\xC9NDERBY"); // a capital E acute, Windows-1252
    return game;
}

using Rule = std::function<bool(const PlayerDescription&, const Known&)>;

QList<quint32> IdsWhere(const testgame::GameDescription& game, const Rule& rule)
{
    QList<quint32> ids;
    for (int i = 0; i < static_cast<int>(game.players.size()); ++i)
        if (rule(game.players[i], KnownOf(i)))
            ids << game.players[i].id;
    std::sort(ids.begin(), ids.end());
    return ids;
}

int ColumnTitled(QTableView& table, const QString& title)
{
    for (int column = 0; column < table.model()->columnCount(); ++column)
        if (table.model()->headerData(column, Qt::Horizontal).toString() == title)
            return column;
    return -1;
}

void ClickRow(QTableView& table, int row)
{
    const QModelIndex cell = table.model()->index(row, 0);
    table.scrollTo(cell);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(cell).center());
}

// Sets the filter control `name` to a text, a choice by its text or a number;
// no value puts it back to "any".
void SetFilter(CPlayersPanel& panel, const char* name, const QVariant& value)
{
    QWidget* control = panel.findChild<QWidget*>(QString::fromLatin1(name));
    if (auto* text = qobject_cast<QLineEdit*>(control))
        text->setText(value.toString());
    else if (auto* choice = qobject_cast<QComboBox*>(control))
        choice->setCurrentIndex(value.isNull() ? 0 : choice->findText(value.toString()));
    else if (auto* number = qobject_cast<QSpinBox*>(control))
        number->setValue(value.isNull() ? number->minimum() : value.toInt());
    else
        QFAIL(name);
}

} // namespace

class PlayersTableTests : public QObject
{
    Q_OBJECT

private slots:
    void ctrlLShowsThePanelWhoseFiltersAndSortsPickAndOrderTheRightPlayers()
    {
        const testgame::GameDescription game = TableGame();
        Editor editor;
        QVERIFY(editor.StartOn(game));
        editor.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor.Frame()));
        auto* dock = editor.Frame().findChild<QDockWidget*>(QStringLiteral("playersDock"));
        QVERIFY(dock && !dock->isVisible());
        QTest::keyClick(&editor.Frame(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(dock->isVisible() && editor.Action(Command::kPlayersTable).isChecked());
        CPlayersPanel& panel = *editor.Frame().PlayersPanel();

        // Each filter alone or with another, put back to "any" afterwards.
        const struct
        {
            std::vector<std::pair<const char*, QVariant>> settings;
            Rule keeps;
        } cases[] = {
            {{{"playersFilterText", "NdErB"}}, [](const PlayerDescription& p, const Known&) {
                 return p.familyName == "Vanderbilt" || p.givenNames == "Sunderbans" || p.familyName == "\xC9NDERBY";
             }},
            {{{"playersFilterText", QString::fromUtf8("\xC3\xA9ndErBy")}}, // e acute finds its capital
                [](const PlayerDescription& p, const Known&) { return p.familyName == "\xC9NDERBY"; }},
            {{{"playersFilterTeam", QString::fromLatin1(game.header.fullNames()[1])}, {"playersFilterType", "Bowler"}},
                [](const PlayerDescription& p, const Known& k) { return p.U16(testgame::layout::kTeam) == 2 && k.type == 3; }},
            {{{"playersFilterKeeper", "Keepers"}}, [](const PlayerDescription&, const Known& k) { return k.keeper; }},
            {{{"playersFilterBornFrom", 1960}, {"playersFilterBornTo", 1969}, {"playersFilterSalaryFrom", 10000}},
                [](const PlayerDescription&, const Known& k) {
                    return std::get<0>(k.birth) >= 1960 && std::get<0>(k.birth) <= 1969 && k.salary >= 10000;
                }},
        };
        for (const auto& filter : cases) {
            for (const auto& [name, value] : filter.settings)
                SetFilter(panel, name, value);
            const QList<quint32> expected = IdsWhere(game, filter.keeps);
            QVERIFY(panel.IsFiltered() && !expected.isEmpty());
            QCOMPARE(panel.VisiblePlayerIds(), expected);
            QCOMPARE(panel.findChild<QLabel*>(QStringLiteral("playersCount"))->text(),
                QStringLiteral("%1 of %2 players").arg(expected.size()).arg(game.players.size()));
            for (const auto& setting : filter.settings)
                SetFilter(panel, setting.first, {});
        }
        QVERIFY(!panel.IsFiltered());
        QCOMPARE(panel.VisiblePlayerIds(), IdsWhere(game, [](const PlayerDescription&, const Known&) { return true; }));

        // Salaries sort as numbers and births as dates, not as their texts.
        QTableView& table = *panel.Table();
        const auto keysInRowOrder = [&](auto key) {
            std::vector<decltype(key(KnownOf(0)))> keys;
            for (const quint32 id : panel.VisiblePlayerIds())
                keys.push_back(key(KnownOf(static_cast<int>(game.FindPlayer(static_cast<std::uint16_t>(id)) - game.players.data()))));
            return keys;
        };
        table.sortByColumn(ColumnTitled(table, QStringLiteral("Salary")), Qt::DescendingOrder);
        QVERIFY(std::ranges::is_sorted(keysInRowOrder([](const Known& k) { return k.salary; }), std::greater<>()));
        table.sortByColumn(ColumnTitled(table, QStringLiteral("Born")), Qt::AscendingOrder);
        QVERIFY(std::ranges::is_sorted(keysInRowOrder([](const Known& k) { return k.birth; })));
    }

    void rowsTreeAndFormFollowEachOtherAndEditsRefreshTheirRowWithoutAReset()
    {
        const testgame::GameDescription game = TableGame();
        Editor editor;
        QVERIFY(editor.StartOn(game));
        editor.Action(Command::kPlayersTable).trigger();
        CPlayersPanel& panel = *editor.Frame().PlayersPanel();
        QTableView& table = *panel.Table();
        QSignalSpy resets(table.model(), &QAbstractItemModel::modelReset);
        const std::uint32_t first = editor.Game().Team(1)->m_squad[0];
        const std::uint32_t second = editor.Game().Team(1)->m_squad[1];
        const auto nameCell = [&](std::uint32_t id) {
            return table.model()->index(panel.VisiblePlayerIds().indexOf(id), 0).data().toString();
        };
        const QString secondName = nameCell(second);
        const auto& described = *game.FindPlayer(static_cast<std::uint16_t>(second));

        ClickRow(table, panel.VisiblePlayerIds().indexOf(first));
        QCOMPARE(editor.Form().CurrentPlayer(), int(first));
        QCOMPARE(CTeamView::ItemData(editor.Tree().Tree()->currentItem()), first);
        editor.Select(second);
        QCOMPARE(panel.SelectedPlayerIds(), QList<quint32>{second});

        // Typed: the "*" of a pending edit; committed by choosing another row: the new name.
        editor.Retype("editFamilyName", QStringLiteral("Quorn"));
        QCOMPARE(nameCell(second), secondName + u'*');
        ClickRow(table, panel.VisiblePlayerIds().indexOf(first));
        QCOMPARE(nameCell(second), QString::fromLatin1(testgame::DisplayName(described.givenNames, "Quorn")) + u'*');

        editor.Action(Command::kUndo).trigger();
        QCOMPARE(nameCell(second), secondName);
        QCOMPARE(panel.SelectedPlayerIds(), QList<quint32>{second}); // the undo shows him

        // An action on the selection commits the form first; its row follows.
        editor.Retype("editSalary", QStringLiteral("10"));
        panel.findChild<QAction*>(QStringLiteral("actionPlayersTakeOut"))->trigger();
        QCOMPARE(editor.Player(second).m_nSalary, 10);
        QCOMPARE(editor.Player(second).Team(), kNoTeam);
        const int teamColumn = ColumnTitled(table, QStringLiteral("Team"));
        QCOMPARE(table.model()->index(panel.VisiblePlayerIds().indexOf(second), teamColumn).data().toString(), QString());
        QCOMPARE(resets.count(), 0);
    }

    void theShownDockAndTheHiddenColumnsComeBackAtTheNextStart()
    {
        const testgame::GameDescription game = TableGame();
        Editor first;
        QVERIFY(first.StartOn(game));
        first.Action(Command::kPlayersTable).trigger();
        QTableView& before = *first.Frame().PlayersPanel()->Table();
        const int salary = ColumnTitled(before, QStringLiteral("Salary"));
        before.horizontalHeader()->setSectionHidden(salary, true);
        QVERIFY(first.Frame().close());

        Editor second;
        // The next start reads what the first one stored.
        const QString stored = QFileInfo(first.config.IniPath()).absolutePath();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, stored);
        QVERIFY(second.StartOn(game));
        QVERIFY(second.Frame().findChild<QDockWidget*>(QStringLiteral("playersDock"))->isVisible());
        QHeaderView& after = *second.Frame().PlayersPanel()->Table()->horizontalHeader();
        QVERIFY(after.isSectionHidden(salary) && !after.isSectionHidden(salary + 1));
    }
};

QTEST_MAIN(PlayersTableTests)
#include "PlayersTableTests.moc"

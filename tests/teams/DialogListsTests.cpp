// The player lists of Team Properties, Hire and Copy From: they widen with
// their dialog, the dialogs keep the size they were given, and the Hire and
// Copy From lists narrow to the rows whose name holds the filter text.
#include "TeamsTestGame.h"

#include "player/CCopyFromDlg.h"
#include "teamdialogs/CPlayerListDlg.h"
#include "teamdialogs/CTeamPropertiesDlg.h"


#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

using namespace teamstest;

namespace {

struct Case
{
    const char* dialog;
    std::function<std::unique_ptr<QDialog>(CGame&)> open;
    const char* list;
    const char* filter; // nullptr: the dialog has none
};

const Case kCases[] = {
    {"Team Properties", [](CGame& g) { return std::make_unique<CTeamPropertiesDlg>(g); }, "IDC_FIRST_XI", nullptr},
    {"Hire", [](CGame& g) { return std::make_unique<CPlayerListDlg>(g, kTestTeam); }, "IDC_PLAYER_LIST", "IDC_FILTER"},
    {"Copy From", [](CGame& g) { return std::make_unique<CCopyFromDlg>(g); }, "listPlayers", "editFilter"},
};

QStringList VisibleNames(const QTreeWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (!list->topLevelItem(i)->isHidden())
            names << list->topLevelItem(i)->text(0);
    }
    return names;
}

} // namespace

class DialogListsTests : public QObject
{
    Q_OBJECT

private slots:
    void the_lists_widen_with_their_dialog_whose_size_is_kept_for_the_next_time()
    {
        guitest::PrivateConfig config;
        LoadedGame g;
        for (const Case& c : kCases) {
            QSize grown;
            {
                const auto dialog = c.open(g.game);
                dialog->show();
                QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
                auto* list = dialog->findChild<QTreeWidget*>(c.list);
                const int listWidth = list->width(), nameWidth = list->columnWidth(0);
                grown = dialog->size() + QSize(150, 90);
                dialog->resize(grown);
                // Team Properties shares the growth between its two lists.
                QTRY_VERIFY2(list->width() >= listWidth + 60, c.dialog);
                QVERIFY2(list->columnWidth(0) >= nameWidth + (list->width() - listWidth) - 2, c.dialog);
                dialog->reject();
            }
            const auto again = c.open(g.game);
            QCOMPARE(again->size(), grown);
        }
    }

    void the_filter_shows_the_names_holding_its_text_in_any_case_and_drops_hidden_rows_from_the_selection()
    {
        LoadedGame g;
        for (const Case& c : kCases) {
            if (!c.filter)
                continue;
            const auto dialog = c.open(g.game);
            auto* list = dialog->findChild<QTreeWidget*>(c.list);
            auto* filter = dialog->findChild<QLineEdit*>(c.filter);
            QVERIFY2(filter && list->topLevelItemCount() > 3, c.dialog);
            const QStringList all = VisibleNames(list);
            // A part from inside the second row's name, typed in the other case.
            const QString part = all.at(1).mid(1, 3).toUpper() == all.at(1).mid(1, 3) ? all.at(1).mid(1, 3).toLower()
                                                                                        : all.at(1).mid(1, 3).toUpper();
            QStringList expected;
            int hiddenRow = -1;
            for (int i = 0; i < all.size(); ++i) {
                if (all.at(i).contains(part, Qt::CaseInsensitive))
                    expected << all.at(i);
                else
                    hiddenRow = i;
            }
            QVERIFY2(expected.contains(all.at(1)) && hiddenRow >= 0, c.dialog);
            list->topLevelItem(hiddenRow)->setSelected(true); // OK must not take a player no longer shown
            QTest::keyClicks(filter, part);
            QCOMPARE(VisibleNames(list), expected);
            QVERIFY2(list->selectedItems().isEmpty(), c.dialog);
            filter->clear();
            QCOMPARE(VisibleNames(list), all);
        }
    }
};

QTEST_MAIN(DialogListsTests)
#include "DialogListsTests.moc"

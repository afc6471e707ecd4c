// The frame's Find, Find Next and Team Properties commands on the running
// editor, the List of Players that Hire... opens, and the filters of the Hire
// and Copy From lists.
#include "TeamsTestGame.h"

#include "Cp1252.h"
#include "player/CCopyFromDlg.h"
#include "res/OrbekResources.h"
#include "shell/Commands.h"
#include "teamdialogs/CPlayerListDlg.h"
#include "teamdialogs/CTeamPropertiesDlg.h"
#include "tree/CSearchDlg.h"
#include "tree/CSortableListCtrl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

using namespace teamstest;

namespace {

// The editor started on the team tests' game.
struct Running
{
    Running() { QVERIFY(editor.StartOn(MakeTeamsGame().description, QStringLiteral("LEAGUE.CAP"))); }
    CGame& game() { return editor.Game(); }
    int current() { return editor.App().Document().CurrentPlayer(); }
    QTreeWidget* tree() { return editor.Tree().Tree(); }
    bool findNextEnabled()
    {
        editor.App().OnIdle();
        return editor.Action(Command::kFindNext).isEnabled();
    }
    void select(const QString& label)
    {
        editor.Select(tree()->findItems(label, Qt::MatchStartsWith | Qt::MatchRecursive).value(0));
        QVERIFY(current() != -1);
    }
    // Runs the command; its modal dialog of type T gets `work` once open.
    template <typename T>
    void Run(int command, std::function<void(T&)> work)
    {
        const auto runs = guitest::WhenModalOpens<T>(work);
        editor.Action(command).trigger();
        QCOMPARE(*runs, 1);
    }
    guitest::Editor editor;
};

struct HireList
{
    HireList(LoadedGame& game, std::uint16_t team)
        : g(game), dlg(game.game, team), list(dlg.findChild<CSortableListCtrl*>("IDC_PLAYER_LIST"))
    {
    }
    QTreeWidgetItem* Row(std::uint32_t playerId)
    {
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            if (list->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == playerId)
                return list->topLevelItem(i);
        return nullptr;
    }
    std::vector<std::uint32_t> SelectFree(int count) // the first `count` listed players in no team
    {
        std::vector<std::uint32_t> ids;
        for (int i = 0; i < list->topLevelItemCount() && static_cast<int>(ids.size()) < count; ++i) {
            const std::uint32_t id = list->topLevelItem(i)->data(0, Qt::UserRole).toUInt();
            if (g.Player(id).Team() == kNoTeam) {
                list->topLevelItem(i)->setSelected(true);
                ids.push_back(id);
            }
        }
        return ids;
    }
    void Click(const char* button) { dlg.findChild<QPushButton*>(button)->click(); }
    LoadedGame& g;
    CPlayerListDlg dlg;
    CSortableListCtrl* list;
};

struct Case
{
    const char* dialog;
    std::function<std::unique_ptr<QDialog>(CGame&)> open;
    const char* list;
    const char* filter;
};

const Case kCases[] = {
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

class TeamDialogsTests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitOrbekResources(); }

    void find_shows_a_confirmed_search_and_a_failed_one_clears_the_selection_but_keeps_the_form()
    {
        Running r;
        r.Run<CSearchDlg>(Command::kFind, [](CSearchDlg& d) {
            d.findChild<QLineEdit*>("IDC_SEARCH_TEXT")->setText("kilo");
            d.findChild<QPushButton*>("IDCANCEL")->click();
        });
        QVERIFY(!r.findNextEnabled() && !r.tree()->currentItem());

        r.Run<CSearchDlg>(Command::kFind, [](CSearchDlg& d) {
            d.findChild<QLineEdit*>("IDC_SEARCH_TEXT")->setText("kilo");
            d.findChild<QCheckBox*>("IDC_WHOLE_WORD")->setChecked(true);
            d.findChild<QPushButton*>("IDOK")->click();
        });
        QVERIFY(r.findNextEnabled());
        QCOMPARE(r.tree()->currentItem()->text(0), QStringLiteral("Kilo J"));
        QCOMPARE(r.current(), int(r.game().Team(kTestTeam)->m_firstXI[10]));

        const int shown = r.current();
        r.editor.App().m_strFindText = QStringLiteral("Nobody at all");
        r.editor.messages.answers = {IMessageService::Answer::Yes};
        r.editor.Frame().OnFindNext();
        QCOMPARE(r.editor.messages.MessageTexts(),
            QStringList({"No more matches found. Would you like to continue at the top of the list?"}));
        QVERIFY(!r.tree()->currentItem());
        QCOMPARE(r.current(), shown);
        r.editor.App().m_strFindText = QString::fromLatin1(kTestTeamName); // from the top again
        r.editor.Frame().OnFindNext();
        QCOMPARE(r.tree()->currentItem()->text(0), QString::fromLatin1(kTestTeamName));
        QCOMPARE(r.current(), -1);
    }

    void team_properties_cancel_puts_everything_back_and_ok_rebuilds_the_tree_only_after_a_change()
    {
        Running r;
        r.select("Lima J");
        const CTeam before = *r.game().Team(kTestTeam);
        const std::uint32_t lima = before.m_squad[11];
        r.Run<CTeamPropertiesDlg>(Command::kTeamProperties, [](CTeamPropertiesDlg& d) {
            d.findChild<QTreeWidget*>("IDC_TEAM_LIST")->findItems("Lima", Qt::MatchStartsWith).front()->setSelected(true);
            d.findChild<QPushButton*>("IDC_SACK")->click();
            d.findChild<QLineEdit*>("IDC_SHORT_NAME")->setText("Changed");
            auto* combo = d.findChild<QComboBox*>("IDC_TEAM_NAME");
            combo->setCurrentIndex(combo->findText("Kent")); // commits the short name
            d.findChild<QPushButton*>("IDCANCEL")->click();
        });
        QVERIFY(r.game().Team(kTestTeam)->SameContent(before));
        QCOMPARE(r.game().NameList(1)[kTestTeam], before.m_strShortName);
        QCOMPARE(r.game().Player(lima)->Team(), kTestTeam);
        QVERIFY(!r.game().IsModified() && r.current() == -1 && !r.tree()->currentItem());
        r.game().MarkPlayerModified(lima);
        r.Run<CTeamPropertiesDlg>(Command::kTeamProperties, [](CTeamPropertiesDlg& d) { d.reject(); });
        QVERIFY(r.game().IsModified());

        QVERIFY(r.editor.App().SaveGameFile());
        r.select("Lima J");
        const int shown = r.current();
        r.Run<CTeamPropertiesDlg>(Command::kTeamProperties, [](CTeamPropertiesDlg& d) { d.accept(); });
        QVERIFY(r.current() == shown && r.tree()->currentItem() && !r.game().IsModified());
        r.Run<CTeamPropertiesDlg>(Command::kTeamProperties, [](CTeamPropertiesDlg& d) {
            d.findChild<QComboBox*>("IDC_TEAM_NAME")->setEditText("Anteaters");
            d.findChild<QPushButton*>("IDOK")->click();
        });
        QVERIFY(r.game().IsModified() && r.current() == -1 && !r.tree()->currentItem());
        QVERIFY(r.editor.TopLevel("Anteaters"));
    }

    void lists_every_player_outside_the_team_by_name_with_type_and_team_or_origin()
    {
        LoadedGame g;
        HireList h(g, kTestTeam);
        int outside = 0;
        for (const CPlayer* player : g.game.Players())
            outside += player->Team() != kTestTeam;
        QCOMPARE(h.list->topLevelItemCount(), outside);
        for (std::uint32_t id : g.built.testSquad)
            QVERIFY(!h.Row(id));
        const CPlayer& other = g.Player(g.built.otherTeamXIPlayer);
        QTreeWidgetItem* row = h.Row(other.m_nId);
        QCOMPARE(QStringList({row->text(0), row->text(1), row->text(2)}),
            QStringList({QString::fromStdString(Cp1252::ToUtf8(other.GetDisplayName())),
                QString::fromStdString(Cp1252::ToUtf8(other.GetTypeAbbrev())), "Surrey"}));
        QVERIFY(!row->icon(0).isNull());
        QCOMPARE(h.Row(g.built.originPlayer)->text(2), QStringLiteral("Surrey"));
        QCOMPARE(h.Row(g.built.noOriginPlayer)->text(2), QString());
        for (int i = 1; i < h.list->topLevelItemCount(); ++i) {
            const QString a = h.list->topLevelItem(i - 1)->text(0), b = h.list->topLevelItem(i)->text(0);
            QVERIFY2(QString::compare(a, b, Qt::CaseInsensitive) <= 0, qPrintable(a + " > " + b));
        }
    }

    void hiring_moves_players_from_any_team_and_a_squad_grows_to_forty_at_most()
    {
        LoadedGame g;
        ScriptedMessageService messages;
        {
            HireList h(g, kTestTeam); // Cancel, and OK without a selection, move nobody
            h.SelectFree(2);
            h.Click("IDCANCEL");
            HireList none(g, kTestTeam);
            none.Click("IDOK");
            QVERIFY(none.dlg.result() == QDialog::Accepted && !g.game.IsModified() && g.Team(kTestTeam).m_wPlayerCount == 15);
        }
        {
            const std::uint32_t id = g.built.otherTeamXIPlayer; // leaves his squad and First XI
            HireList h(g, kTestTeam);
            h.Row(id)->setSelected(true);
            h.Click("IDOK");
            QCOMPARE(g.Player(id).Team(), kTestTeam);
            QVERIFY(!g.Team(kOriginTeam).HasInSquad(id) && !g.Team(kOriginTeam).HasInFirstXI(id));
            QVERIFY(g.Team(kTestTeam).m_wPlayerCount == 16 && g.Team(kTestTeam).m_squad[15] == id);
            QVERIFY(g.Player(id).m_bModified && g.game.IsModified());
        }
        {
            HireList h(g, kTeamOf37);
            const auto ids = h.SelectFree(3);
            h.Click("IDOK");
            QCOMPARE(h.dlg.result(), int(QDialog::Accepted));
            QCOMPARE(int(g.Team(kTeamOf37).m_wPlayerCount), 40);
            for (std::uint32_t id : ids)
                QVERIFY(g.Player(id).Team() == kTeamOf37 && g.Team(kTeamOf37).HasInSquad(id));
        }
        QVERIFY(messages.requests.empty());
        QVERIFY(g.game.SaveGameFile().ok());
        HireList h(g, kTeamOf38);
        h.dlg.show();
        const auto three = h.SelectFree(3);
        h.Click("IDOK");
        QCOMPARE(messages.MessageTexts(), QStringList({"Too many players (max. 40)"}));
        QVERIFY(h.dlg.isVisible() && g.Team(kTeamOf38).m_wPlayerCount == 38 && !g.game.IsModified());
        for (std::uint32_t id : three)
            QCOMPARE(g.Player(id).Team(), kNoTeam);
        h.Row(three[2])->setSelected(false);
        h.Click("IDOK");
        QCOMPARE(h.dlg.result(), int(QDialog::Accepted));
        QCOMPARE(int(g.Team(kTeamOf38).m_wPlayerCount), 40);
    }

    void the_filter_shows_the_names_holding_its_text_in_any_case_and_drops_hidden_rows_from_the_selection()
    {
        LoadedGame g;
        for (const Case& c : kCases) {
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

QTEST_MAIN(TeamDialogsTests)
#include "TeamDialogsTests.moc"

// Tools > Check Game, the check before a save, and Compare With File /
// Compare With Saved, through the main window as a user drives them.
#include "GuiTestSupport.h"

#include "checking/CCheckGameDlg.h"
#include "checking/CCompareDlg.h"
#include "shell/Commands.h"
#include "shell/EditorPreferences.h"
#include "teamdialogs/CTeamPropertiesDlg.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using guitest::Editor;
using Answer = IMessageService::Answer;

namespace {

constexpr std::uint16_t kBrokenTeam = 2; // its captain position is 11
const QString kQuestionStart = QStringLiteral("This game has 1 new problems that the game may not handle:\n");

// A player of the game without a team.
std::uint16_t FreePlayer(const testgame::GameDescription& game)
{
    for (const auto& player : game.players)
        if (player.U16(testgame::layout::kTeam) == kNoTeam)
            return player.id;
    return 0;
}

// A game whose team 2 names captain position 11: a problem the file has.
testgame::GameDescription GameWithBrokenTeam()
{
    auto game = guitest::SmallGame();
    game.FindTeam(kBrokenTeam)->SetCaptain(11);
    return game;
}

// As the statistics dialog would: `notOuts` in 10 first-class innings.
void SetNotOuts(Editor& editor, std::uint32_t playerId, std::int32_t notOuts)
{
    const GameStatus status = editor.App().Document().Edit(QStringLiteral("Stats"), [&](GameEdit& edit) {
        edit.Player(playerId)->SetStat(Competition::FirstClass, Stat::Innings, 10);
        edit.Player(playerId)->SetStat(Competition::FirstClass, Stat::NotOuts, notOuts);
        edit.MarkPlayerModified(playerId);
        return GameStatus();
    });
    QVERIFY(status.ok());
}

QStringList Row(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int column = 0; item && column < item->columnCount(); ++column)
        texts << item->text(column);
    return texts;
}

void DoubleClick(QTreeWidget* list, QTreeWidgetItem* item)
{
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class ToolsTests : public QObject
{
    Q_OBJECT

private slots:
    void checkGameListsTheProblemsShowsWhatTheyConcernAndFollowsTheFixes()
    {
        Editor editor;
        auto description = GameWithBrokenTeam();
        const std::uint16_t player = description.FindTeam(1)->squad.front();
        QVERIFY(editor.StartOn(description));
        SetNotOuts(editor, player, 11);

        editor.Action(Command::kCheckGame).trigger();
        auto* dialog = editor.Frame().findChild<CCheckGameDlg*>();
        QVERIFY(dialog && dialog->isVisible());
        QTreeWidget* list = dialog->List();
        QCOMPARE(list->topLevelItemCount(), 2);
        const QString name = CGameDocument::GameText(editor.Player(player).GetDisplayName());
        QCOMPARE(Row(list->topLevelItem(0)).mid(0, 2), (QStringList{"Problem", QString("%1 (team 2)").arg(editor.Game().Team(2)->m_strName.c_str())}));
        QCOMPARE(Row(list->topLevelItem(1)).mid(0, 2), (QStringList{"Warning", QString("%1 (player %2)").arg(name).arg(player)}));

        // Enter on the warning shows the player in the form.
        list->setCurrentItem(list->topLevelItem(1));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(editor.Form().CurrentPlayer(), int(player));

        // A double-click on the team's problem opens Team Properties on that team.
        const auto opened = guitest::WhenModalOpens<CTeamPropertiesDlg>([](CTeamPropertiesDlg& properties) {
            QCOMPARE(properties.findChild<QComboBox*>(QStringLiteral("IDC_TEAM_NAME"))->currentData().toInt(), int(kBrokenTeam));
            properties.reject();
        });
        DoubleClick(list, list->topLevelItem(0));
        QCOMPARE(*opened, 1);

        // The fix takes the warning off the list, its undo brings it back.
        SetNotOuts(editor, player, 10);
        QCOMPARE(list->topLevelItemCount(), 1);
        editor.Action(Command::kUndo).trigger();
        QCOMPARE(list->topLevelItemCount(), 2);
    }

    void aSaveAsksOnlyAboutProblemsTheEditsBroughtInAndNoKeepsTheFile()
    {
        Editor editor;
        auto description = GameWithBrokenTeam();
        const std::uint16_t player = description.FindTeam(1)->squad.front();
        QVERIFY(editor.StartOn(description));
        const QString path = editor.gameFile;

        // The captain problem was in the file: no question.
        QVERIFY(editor.App().MovePlayer(FreePlayer(description), kNoTeam, 1, false));
        editor.Action(Command::kSave).trigger();
        QVERIFY(editor.messages.MessageTexts().isEmpty() && !editor.App().Document().IsModified());
        const QByteArray saved = guitest::FileBytes(path);

        // A new one asks; No writes nothing and keeps the edits.
        SetNotOuts(editor, player, 11);
        editor.Action(Command::kSave).trigger();
        const QStringList asked = editor.messages.MessageTexts();
        QVERIFY2(asked.size() == 1 && asked[0].startsWith(kQuestionStart + QString("player %1: First Class: 11 not outs").arg(player))
                && asked[0].endsWith(".\nSave anyway?"), qPrintable(asked.join('\n')));
        QCOMPARE(guitest::FileBytes(path), saved);
        QVERIFY(editor.App().Document().IsModified());

        // Yes saves.
        editor.messages.answers = {Answer::Yes};
        editor.Action(Command::kSave).trigger();
        QVERIFY(guitest::FileBytes(path) != saved && !editor.App().Document().IsModified());
        editor.messages.Clear();

        // With the preference off a new problem saves without a question.
        EditorPreferences preferences = EditorPreferences::Read();
        preferences.SetCheckBeforeSave(false);
        preferences.Write();
        SetNotOuts(editor, FreePlayer(description), 11);
        QVERIFY(editor.App().SaveGameFile());
        QVERIFY(editor.messages.MessageTexts().isEmpty() && !editor.App().Document().IsModified());
    }

    void compareListsWhatDiffersFiltersAndShowsAPlayerOfTheGame()
    {
        Editor editor;
        auto description = guitest::SmallGame();
        QVERIFY(editor.StartOn(description));
        const std::uint16_t renamed = description.FindTeam(1)->squad.front();
        const std::uint16_t removed = FreePlayer(description);

        // The other file: one player renamed, one missing, one new, a budget changed.
        auto other = description;
        other.FindPlayer(renamed)->SetNames(description.FindPlayer(renamed)->givenNames, "Quorn");
        auto added = *other.FindPlayer(removed);
        std::erase_if(other.players, [&](const auto& p) { return p.id == removed; });
        added.id = static_cast<std::uint16_t>(other.players.back().id + 1);
        added.SetNames("Ada", "Newman");
        other.players.insert(other.players.end() - 1, added); // the last record is marked as such
        other.FindTeam(3)->SetBudget(other.FindTeam(3)->GetI32(testgame::layout::kBudget) + 1000);
        editor.messages.openFiles = {guitest::WriteGame(other, editor.files.path(), QStringLiteral("OTHER.DB"))};
        editor.Action(Command::kCompareWithFile).trigger();
        auto* compare = editor.Frame().findChild<CCompareDlg*>();
        QVERIFY(compare && compare->isVisible());
        QTreeWidget* list = compare->List();
        QStringList rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << Row(list->topLevelItem(i)).join(" | ");
        QStringList expected{QString("Player %1 (%2) | changed").arg(renamed).arg(CGameDocument::GameText(editor.Player(renamed).GetDisplayName())),
            QString("Player %1 (%2) | removed").arg(removed).arg(CGameDocument::GameText(editor.Player(removed).GetDisplayName())),
            QString("Player %1 (Newman A) | added").arg(added.id),
            QString("Team 3 (%1) | changed").arg(editor.Game().Team(3)->m_strName.c_str())};
        const int changedRow = static_cast<int>(rows.indexOf(expected[0]));
        const int addedRow = static_cast<int>(rows.indexOf(expected[2]));
        QCOMPARE(rows.size(), expected.size());
        QVERIFY2(std::ranges::all_of(expected, [&](const QString& row) { return rows.contains(row); }), qPrintable(rows.join('\n')));
        QCOMPARE(Row(list->topLevelItem(changedRow)->child(0)), (QStringList{"family_name",
            QString("\"%1\" → \"Quorn\"").arg(description.FindPlayer(renamed)->familyName.c_str())}));

        // The filter keeps the rows that hold its text; a player of the loaded game is shown.
        compare->Filter()->setText(QStringLiteral("newman"));
        QVERIFY(!list->topLevelItem(addedRow)->isHidden() && list->topLevelItem(changedRow)->isHidden());
        compare->Filter()->clear();
        DoubleClick(list, list->topLevelItem(changedRow));
        QCOMPARE(editor.Form().CurrentPlayer(), int(renamed));

        // A file that does not load: the message, and the game as it was.
        const QString broken = editor.files.filePath(QStringLiteral("BROKEN.DB"));
        guitest::WriteBitmap(broken);
        editor.messages.openFiles = {broken};
        editor.Action(Command::kCompareWithFile).trigger();
        QCOMPARE(editor.messages.MessageTexts().size(), 1);
        QCOMPARE(editor.Game().GameFile(), editor.gameFile.toStdString());

        // Compare With Saved: an edit since the load is what the next save changes.
        QVERIFY(editor.App().MovePlayer(removed, kNoTeam, 1, false));
        editor.Action(Command::kCompareWithSaved).trigger();
        QTRY_COMPARE(editor.Frame().findChildren<CCompareDlg*>().size(), 1);
        compare = editor.Frame().findChild<CCompareDlg*>();
        QCOMPARE(compare->List()->topLevelItemCount(), 2); // the player and the squad of team 1
        QCOMPARE(Row(compare->List()->topLevelItem(0)->child(0)), (QStringList{"team", QString("%1 → 1").arg(kNoTeam)}));
    }
};

QTEST_MAIN(ToolsTests)
#include "ToolsTests.moc"

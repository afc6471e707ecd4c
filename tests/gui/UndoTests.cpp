// Undo and redo in the editor: each kind of edit is one step that undoes to
// the loaded bytes and redoes to the edited ones; the form, the tree, the
// Edit menu, the close question and the History panel follow the steps.
#include "GuiTestSupport.h"

#include "document/CGameDocument.h"
#include "player/CPlayerStatsDlg.h"
#include "shell/Commands.h"
#include "teamdialogs/CPlayerListDlg.h"
#include "teamdialogs/CTeamPropertiesDlg.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoView>
#include <QtTest>

using guitest::Editor;
using guitest::FileBytes;
using guitest::WhenModalOpens;

namespace {

// Three teams whose squads fill a First XI, and players without a team.
testgame::GameDescription Game()
{
    return guitest::SmallGame(3, 50, 11, 12);
}

// A command's text as the menu shows it: mnemonics and the key text removed.
QString Shown(const QAction& action)
{
    QString text = action.text().section(QLatin1Char('\t'), 0, 0);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

QString Name(Editor& editor, std::uint32_t id)
{
    return CGameDocument::GameText(editor.Player(id).GetDisplayName());
}

void Click(Editor& editor, const char* button)
{
    QTest::mouseClick(editor.Child<QPushButton>(button), Qt::LeftButton);
}

// Inside Team Properties: a new short name, one player sacked and another hired.
void EditInTeamProperties(Editor& editor)
{
    WhenModalOpens<CTeamPropertiesDlg>([](CTeamPropertiesDlg& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("IDC_SHORT_NAME"))->setText(QStringLiteral("Undoers"));
        QTreeWidgetItem* sacked = dialog.findChild<QTreeWidget*>(QStringLiteral("IDC_TEAM_LIST"))->topLevelItem(0);
        const QVariant sackedId = sacked->data(0, Qt::UserRole);
        sacked->setSelected(true);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("IDC_SACK")), Qt::LeftButton);
        WhenModalOpens<CPlayerListDlg>([sackedId](CPlayerListDlg& list) {
            auto* rows = list.findChild<QTreeWidget*>(QStringLiteral("IDC_PLAYER_LIST"));
            rows->topLevelItem(rows->topLevelItem(0)->data(0, Qt::UserRole) == sackedId ? 1 : 0)->setSelected(true);
            list.accept();
        });
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("IDC_HIRE")), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("IDOK")), Qt::LeftButton);
    });
    editor.Action(Command::kTeamProperties).trigger();
}

// One kind of edit on the player shown (`player`; `other` is another one).
struct EditKind
{
    const char* row;
    const char* step; // "<step> <player's name>"; a step of no player names none
    bool onPlayer;
    std::function<void(Editor&, std::uint32_t player, std::uint32_t other)> run;
};

const EditKind kEditKinds[] = {
    {"form commit", "Edit", true,
        [](Editor& e, std::uint32_t, std::uint32_t other) {
            e.Retype("editFamilyName", QStringLiteral("Undone"));
            e.Select(other); // commits
        }},
    {"team list", "Move", true,
        [](Editor& e, std::uint32_t, std::uint32_t) {
            auto* team = e.Child<QComboBox>("comboTeam");
            team->setCurrentIndex(2);
            emit team->activated(2);
        }},
    {"Sack", "Sack", true, [](Editor& e, std::uint32_t, std::uint32_t) { e.Form().OnSack(); }},
    {"preset", "Excellent", true, [](Editor& e, std::uint32_t, std::uint32_t) { Click(e, "buttonExcellent"); }},
    {"SuperBatsman", "SuperBatsman", true, [](Editor& e, std::uint32_t, std::uint32_t) { Click(e, "buttonSuper"); }},
    {"Copy From", "Copy From", true,
        [](Editor& e, std::uint32_t, std::uint32_t other) {
            guitest::ChooseInCopyFrom(other);
            Click(e, "buttonCopyFrom");
        }},
    {"statistics OK", "Player Stats", true,
        [](Editor& e, std::uint32_t, std::uint32_t) {
            WhenModalOpens<CPlayerStatsDlg>([](CPlayerStatsDlg& dialog) {
                dialog.BattingEdit(0, CPlayerStatsDlg::Runs)->setText(QStringLiteral("4321"));
                dialog.accept();
            });
            Click(e, "buttonStats");
        }},
    {"Team Properties", "Team Properties", false, [](Editor& e, std::uint32_t, std::uint32_t) { EditInTeamProperties(e); }},
};

} // namespace

class UndoTests : public QObject
{
    Q_OBJECT

private slots:
    void everyKindOfEditIsOneStepThatUndoesToTheLoadedBytesAndRedoesToTheEditedOnes_data()
    {
        QTest::addColumn<int>("kind");
        for (int i = 0; i < static_cast<int>(std::size(kEditKinds)); ++i)
            QTest::newRow(kEditKinds[i].row) << i;
    }

    void everyKindOfEditIsOneStepThatUndoesToTheLoadedBytesAndRedoesToTheEditedOnes()
    {
        QFETCH(int, kind);
        const EditKind& edit = kEditKinds[kind];
        Editor editor;
        QVERIFY(editor.StartOn(Game(), QStringLiteral("GAME.CAP")));
        const QByteArray loaded = FileBytes(editor.gameFile);
        QAction& undo = editor.Action(Command::kUndo);
        QAction& redo = editor.Action(Command::kRedo);
        QVERIFY(!undo.isEnabled() && !redo.isEnabled());
        QCOMPARE(Shown(undo), QStringLiteral("Undo"));

        const std::uint32_t player = editor.Game().Team(1)->m_squad[0];
        const std::uint32_t other = editor.Game().Team(1)->m_squad[1];
        const QString step = QString::fromLatin1(edit.step) + (edit.onPlayer ? u' ' + Name(editor, player) : QString());
        editor.Select(player);
        edit.run(editor, player, other);
        QCOMPARE(Shown(undo), QStringLiteral("Undo ") + step);
        QCOMPARE(editor.App().Document().History().count(), 1);
        QVERIFY(undo.isEnabled() && !redo.isEnabled());
        const QString done = editor.files.filePath(QStringLiteral("DONE.CAP"));
        QVERIFY(editor.App().SaveGameFile(done));
        QVERIFY(FileBytes(done) != loaded);

        undo.trigger();
        QCOMPARE(Shown(redo), QStringLiteral("Redo ") + step);
        QVERIFY(!undo.isEnabled() && redo.isEnabled());
        const QString undone = editor.files.filePath(QStringLiteral("UNDONE.CAP"));
        QVERIFY(editor.App().SaveGameFile(undone));
        QCOMPARE(FileBytes(undone), loaded);

        redo.trigger();
        const QString redone = editor.files.filePath(QStringLiteral("REDONE.CAP"));
        QVERIFY(editor.App().SaveGameFile(redone));
        QCOMPARE(FileBytes(redone), FileBytes(done));
    }

    void ctrlZAfterAFormEditRestoresTheFormAndTheTreeLabelAndAPendingEditIsAStepFirst()
    {
        Editor editor;
        QVERIFY(editor.StartOn(Game()));
        editor.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor.Frame()));
        const std::uint32_t player = editor.Game().Team(1)->m_squad[0];
        const std::uint32_t other = editor.Game().Team(1)->m_squad[1];
        const QString name = Name(editor, player);
        editor.Select(player);
        const QString family = editor.Child<QLineEdit>("editFamilyName")->text();
        editor.Retype("editFamilyName", QStringLiteral("Zed"));
        editor.Select(other);
        QVERIFY(editor.Label(player).startsWith(QStringLiteral("Zed")) && editor.Label(player).endsWith(u'*'));

        QTreeWidget* tree = editor.Tree().Tree();
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.Label(player), name);
        QCOMPARE(editor.Form().CurrentPlayer(), int(player));
        QCOMPARE(CTeamView::ItemData(tree->currentItem()), player);
        QCOMPARE(editor.Child<QLineEdit>("editFamilyName")->text(), family);
        QVERIFY(!editor.App().Document().IsModified());

        QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(editor.Label(player).startsWith(QStringLiteral("Zed")) && editor.Label(player).endsWith(u'*'));
        QCOMPARE(editor.Child<QLineEdit>("editFamilyName")->text(), QStringLiteral("Zed"));

        // Typed but not committed: the undo first makes it a step, then takes that back.
        editor.Retype("editSalary", QStringLiteral("12345"));
        editor.Action(Command::kUndo).trigger();
        QCOMPARE(editor.App().Document().History().count(), 2);
        QCOMPARE(Shown(editor.Action(Command::kRedo)), QStringLiteral("Redo Edit ") + Name(editor, player));
        QVERIFY(editor.Child<QLineEdit>("editSalary")->text() != QStringLiteral("12345"));
        QCOMPARE(Shown(editor.Action(Command::kUndo)), QStringLiteral("Undo Edit ") + name);
    }

    void undoingBackToTheSavedStateLeavesNothingToAskAtClose()
    {
        for (const bool saveBetween : {false, true}) {
            Editor editor;
            QVERIFY(editor.StartOn(Game()));
            const std::uint32_t player = editor.Game().Team(1)->m_squad[0];
            QVERIFY(editor.App().MovePlayer(player, 1, 2, false));
            if (saveBetween)
                editor.Action(Command::kSave).trigger();
            QVERIFY(editor.App().MovePlayer(player, 2, kNoTeam, false));
            editor.Action(Command::kUndo).trigger();
            // Back to the saved state, or still moved since the load.
            QCOMPARE(editor.Label(player).endsWith(u'*'), !saveBetween);
            QCOMPARE(editor.App().Document().IsModified(), !saveBetween);
            if (!saveBetween)
                editor.Action(Command::kUndo).trigger();
            QVERIFY(!editor.App().Document().IsModified() && !editor.Label(player).endsWith(u'*'));
            QVERIFY(editor.Frame().close());
            QVERIFY2(editor.messages.MessageTexts().isEmpty(), qPrintable(editor.messages.MessageTexts().join(u'|')));
        }
    }

    void theHistoryPanelShowsAndHidesAndJumpsToAnyStep()
    {
        Editor editor;
        QVERIFY(editor.StartOn(Game()));
        auto* panel = editor.Frame().findChild<QDockWidget*>(QStringLiteral("historyPanel"));
        QVERIFY(panel && !panel->isVisible());
        editor.Action(Command::kHistory).trigger();
        QVERIFY(panel->isVisible() && editor.Action(Command::kHistory).isChecked());

        const QByteArray loaded = FileBytes(editor.gameFile);
        const std::uint32_t player = editor.Game().Team(1)->m_squad[0];
        QVERIFY(editor.App().MovePlayer(player, 1, 2, false));
        QVERIFY(editor.App().MovePlayer(player, 2, 3, false));
        auto* view = panel->findChild<QUndoView*>();
        QCOMPARE(view->model()->rowCount(), 3); // as loaded, and the two steps
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 0)).center());
        QCOMPARE(editor.App().Document().History().index(), 0);
        QCOMPARE(editor.Player(player).Team(), 1);
        QVERIFY(editor.App().SaveGameFile());
        QCOMPARE(FileBytes(editor.gameFile), loaded);

        editor.Action(Command::kHistory).trigger();
        QVERIFY(!panel->isVisible());
    }
};

QTEST_MAIN(UndoTests)
#include "UndoTests.moc"

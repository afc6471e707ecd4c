// What the editor keeps for the user: the player the form shows when the
// tree moves away from refused edits, the edits when the save question is
// escaped, and the splitter divisions with the window placement.
#include "GuiTestSupport.h"

#include "player/CPlayerAttributesView.h"
#include "shell/Commands.h"
#include "shell/QtMessageService.h"

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QUrl>
#include <QtTest>

using Answer = IMessageService::Answer;
using Buttons = IMessageService::Buttons;

namespace {

// Two players of the first team, visible in the tree.
std::pair<QTreeWidgetItem*, QTreeWidgetItem*> TwoPlayerNodes(guitest::Editor& editor)
{
    QTreeWidgetItem* team = editor.Tree().Tree()->topLevelItem(0);
    team->setExpanded(true);
    return {team->child(0), team->child(1)};
}

void ClickNode(QTreeWidget* tree, QTreeWidgetItem* item)
{
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

} // namespace

class KeptStateTests : public QObject
{
    Q_OBJECT

private slots:
    void a_refused_commit_takes_the_tree_back_to_the_player_the_form_shows()
    {
        guitest::Editor editor;
        QVERIFY(editor.StartOn(guitest::SmallGame()));
        QTreeWidget* tree = editor.Tree().Tree();
        const auto [first, second] = TwoPlayerNodes(editor);
        ClickNode(tree, first);
        const int shown = static_cast<int>(CTeamView::ItemData(first));
        QCOMPARE(editor.App().PlayerForm()->CurrentPlayer(), shown);
        for (const char* field : {"editSalary", "editContract"}) {
            editor.messages.Clear();
            auto* edit = editor.App().PlayerForm()->findChild<QLineEdit*>(field);
            edit->selectAll();
            edit->insert(QStringLiteral("12x"));
            ClickNode(tree, second);
            QCOMPARE(editor.messages.MessageTexts().size(), 1);
            QCOMPARE(editor.App().PlayerForm()->CurrentPlayer(), shown);
            QTRY_COMPARE(tree->currentItem(), first);
            QCOMPARE(tree->selectedItems(), QList<QTreeWidgetItem*>{first});
            QCOMPARE(editor.Game().m_nCurPlayer, shown);
            QCOMPARE(editor.messages.MessageTexts().size(), 1); // the way back asks nothing
            edit->setText(QStringLiteral("10"));
        }
        ClickNode(tree, second); // valid again: the tree and the form move on
        QCOMPARE(editor.App().PlayerForm()->CurrentPlayer(), static_cast<int>(CTeamView::ItemData(second)));
        QCOMPARE(tree->currentItem(), second);
    }

    void escaping_the_save_question_calls_off_open_drop_and_close_with_the_edits_kept()
    {
        for (const QString command : {"open", "drop", "close"}) {
            guitest::Editor editor;
            const QString first = guitest::WriteGame(guitest::SmallGame(3, 30, 1), editor.files.path(), "FIRST.CAP");
            const QString second = guitest::WriteGame(guitest::SmallGame(2, 20, 2), editor.files.path(), "SECOND.CAP");
            const QByteArray firstBytes = guitest::FileBytes(first);
            QVERIFY(editor.Start({first}));
            editor.Frame().show();
            editor.App().MovePlayer(editor.Game().m_teams[1]->m_squad[0], 1, kNoTeam, false);
            editor.messages.answers = {ScriptedMessageService::Reply::Escape()};
            editor.messages.openFiles = {second};
            if (command == "open") {
                editor.Action(Command::kOpen).trigger();
            } else if (command == "drop") {
                QMimeData data;
                data.setUrls({QUrl::fromLocalFile(second)});
                QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(&editor.Frame(), &enter);
                QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(&editor.Frame(), &drop);
                QCoreApplication::processEvents();
            } else {
                QVERIFY(!editor.Frame().close());
            }
            QVERIFY2(editor.messages.requests.size() == 1, qPrintable(command));
            QCOMPARE(editor.messages.requests.front().buttons, Buttons::YesNoEscapeCancels);
            QVERIFY2(editor.Frame().isVisible() && editor.Game().m_bModified, qPrintable(command));
            QCOMPARE(editor.App().GameFilePath(), first);
            QVERIFY(editor.messages.Of(ScriptedMessageService::Kind::OpenFile).empty());
            QCOMPARE(guitest::FileBytes(first), firstBytes); // nothing written
            editor.Game().m_bModified = 0; // lets the editor close
        }
    }

    void the_real_box_shows_yes_and_no_and_escape_answers_as_its_buttons_say()
    {
        const struct
        {
            Buttons buttons;
            Answer escaped;
        } cases[] = {{Buttons::YesNoEscapeCancels, Answer::Cancel}, {Buttons::YesNo, Answer::No}};
        for (const auto& c : cases) {
            QStringList shownButtons;
            QTimer::singleShot(50, [&shownButtons] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                for (QAbstractButton* button : box->buttons()) {
                    if (button->isVisible())
                        shownButtons << button->text().remove('&');
                }
                QTest::keyClick(box, Qt::Key_Escape);
            });
            CQtMessageService real;
            QCOMPARE(real.ShowMessage(nullptr, QStringLiteral("Save?"), c.buttons, IMessageService::Icon::Question),
                c.escaped);
            shownButtons.sort();
            QCOMPARE(shownButtons, QStringList({"No", "Yes"}));
        }
    }

    void the_splitter_divisions_are_kept_with_the_window_placement()
    {
        guitest::Editor editor;
        QVERIFY(editor.StartOn(guitest::SmallGame()));
        auto* outer = editor.Frame().findChild<QSplitter*>(QStringLiteral("frameSplitter"));
        auto* inner = editor.Frame().findChild<QSplitter*>(QStringLiteral("viewSplitter"));
        QVERIFY(outer && inner);
        outer->setSizes({outer->sizes()[0] + 60, outer->sizes()[1] - 60});
        inner->setSizes({inner->sizes()[0] + 40, inner->sizes()[1] - 40});
        const QList<int> outerSizes = outer->sizes(), innerSizes = inner->sizes();
        QVERIFY(editor.Frame().close());
        outer->setSizes({100, 900});
        inner->setSizes({70, 700});
        editor.Frame().RestorePlacement();
        QCOMPARE(outer->sizes(), outerSizes);
        QCOMPARE(inner->sizes(), innerSizes);
    }
};

QTEST_MAIN(KeptStateTests)
#include "KeptStateTests.moc"

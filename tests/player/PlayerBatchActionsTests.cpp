// The players table's actions on several players, through the real "Set
// Field" and "Move to Team" dialogs: each is one step the Edit menu names,
// undoes and redoes (refusals: core/PlayerBatchTests).
#include "GuiTestSupport.h"
#include "RealisticGame.h"

#include "player/CSetFieldDlg.h"
#include "player/PlayerBatchActions.h"
#include "shell/Commands.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <algorithm>

using guitest::WhenModalOpens;

namespace {

void ClickOk(QDialog& dialog) { dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }

// Once "Set Field" opens: the field and the operation by their texts, the number, OK.
void FillSetField(const QString& field, const QString& operation, int value)
{
    WhenModalOpens<CSetFieldDlg>([=](CSetFieldDlg& dialog) {
        auto* fields = dialog.findChild<QComboBox*>(QStringLiteral("comboField"));
        fields->setCurrentIndex(fields->findText(field));
        auto* operations = dialog.findChild<QComboBox*>(QStringLiteral("comboOperation"));
        operations->setCurrentIndex(operations->findText(operation));
        dialog.findChild<QSpinBox*>(QStringLiteral("spinValue"))->setValue(value);
        ClickOk(dialog);
    });
}

} // namespace

class PlayerBatchActionsTests : public QObject
{
    Q_OBJECT

private slots:
    void setFieldAndMoveToTeamAreOneStepEachThatUndoesAndRedoes()
    {
        auto game = testgame::MakeRealisticGame(8, 60);
        const QList<quint32> ids = {3, 7, 12};
        for (const quint32 id : ids)
            game.FindPlayer(static_cast<std::uint16_t>(id))->SetSalary(1005);
        guitest::Editor editor;
        QVERIFY(editor.StartOn(game));
        CGameDocument& document = editor.App().Document();
        QAction& undo = editor.Action(Command::kUndo);
        const auto salariesAre = [&](int salary) {
            return std::ranges::all_of(ids, [&](quint32 id) { return editor.Player(id).m_nSalary == salary; });
        };

        FillSetField(QStringLiteral("Salary"), QStringLiteral("Multiply by %"), 110);
        QVERIFY(PlayerBatchActions::SetField(document, ids, &editor.Frame()));
        QVERIFY(salariesAre(1106)); // a tenth more, the half away from zero
        QCOMPARE(undo.text().section(u'\t', 0, 0), QStringLiteral("&Undo Set Salary of 3 players"));
        undo.trigger();
        QVERIFY(salariesAre(1005) && !document.IsModified());
        editor.Action(Command::kRedo).trigger();
        QVERIFY(salariesAre(1106));

        const auto& order = editor.Game().LoadedTeamOrder();
        const CTeam& team = *editor.Game().Team(order[order.front() == editor.Player(ids.front()).Team() ? 1 : 0]);
        WhenModalOpens<QDialog>([&](QDialog& dialog) {
            auto* teams = dialog.findChild<QComboBox*>(QStringLiteral("comboTeam"));
            teams->setCurrentIndex(teams->findData(team.m_wId));
            ClickOk(dialog);
        });
        QVERIFY(PlayerBatchActions::MoveToTeam(document, {ids.front()}, &editor.Frame()));
        QCOMPARE(editor.Player(ids.front()).Team(), team.m_wId);
        QCOMPARE(undo.text().section(u'\t', 0, 0), QStringLiteral("&Undo Move %1 to %2").arg(CGameDocument::GameText(editor.Player(ids.front()).GetDisplayName()),
            CGameDocument::GameText(team.m_strName)));
    }
};

QTEST_MAIN(PlayerBatchActionsTests)
#include "PlayerBatchActionsTests.moc"

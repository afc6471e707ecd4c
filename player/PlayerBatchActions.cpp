#include "player/PlayerBatchActions.h"

#include "player/CSetFieldDlg.h"

#include "document/CGameDocument.h"
#include "gamedata/PlayerBatch.h"
#include "services/MessageService.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include <functional>
#include <iterator>
#include <optional>
#include <vector>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("PlayerBatchActions", text);
}

std::vector<std::uint32_t> Ids(const QList<quint32>& ids)
{
    return {ids.begin(), ids.end()};
}

// "<action> Smith J" for one player, "<action> 37 players" for more.
QString StepName(const CGameDocument& document, const QString& action, const QList<quint32>& ids)
{
    if (ids.size() == 1) {
        if (const CPlayer* player = document.Game().Player(ids.front()))
            return CGameDocument::StepName(action, *player);
    }
    return Tr("%1 %2 players").arg(action).arg(ids.size());
}

// One step of the history; a refusal is shown and nothing changes.
bool Run(CGameDocument& document, const QString& stepName, QWidget* parent,
    const std::function<GameStatus(GameEdit&)>& operation)
{
    const GameStatus status = document.Edit(stepName, operation);
    if (!status) {
        Messages().ShowMessage(parent, QString::fromStdString(status.message()), IMessageService::Buttons::Ok,
            IMessageService::Icon::Warning);
    }
    return status.ok();
}

QString TeamLabel(const CTeam& team)
{
    const QString name = CGameDocument::GameText(team.m_strName);
    return name.isEmpty() ? Tr("Team %1").arg(team.m_wId) : name;
}

// "Move to Team": the game's teams by name; the chosen team's id, none when cancelled.
std::optional<std::uint16_t> ChooseTeam(const CGame& game, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("moveToTeamDlg"));
    dialog.setWindowTitle(Tr("Move to Team"));
    auto* teams = new QComboBox(&dialog);
    teams->setObjectName(QStringLiteral("comboTeam"));
    for (const CTeam* team : game.Teams())
        teams->addItem(TeamLabel(*team), team->m_wId);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout;
    form->addRow(Tr("Team:"), teams);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || teams->currentIndex() < 0)
        return std::nullopt;
    return static_cast<std::uint16_t>(teams->currentData().toUInt());
}

} // namespace

namespace PlayerBatchActions {

bool SetField(CGameDocument& document, const QList<quint32>& ids, QWidget* parent)
{
    if (ids.isEmpty())
        return false;
    CSetFieldDlg dialog(document.Game(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const std::string key = dialog.FieldKey();
    const PlayerBatch::Operation operation = dialog.ChosenOperation();
    const std::int32_t value = dialog.Value();
    const QString step = StepName(document, Tr("Set %1 of").arg(dialog.FieldLabel()), ids);
    return Run(document, step, parent,
        [&](GameEdit& edit) { return PlayerBatch::SetField(edit, Ids(ids), key, operation, value); });
}

bool ApplyPreset(CGameDocument& document, const QList<quint32>& ids, int preset, QWidget* parent)
{
    // The form's buttons' words, by preset.
    const QString levels[] = {Tr("Average"), Tr("Good"), Tr("Excellent"), Tr("SuperBatsman")};
    if (ids.isEmpty() || preset < 0 || preset >= static_cast<int>(std::size(levels)))
        return false;
    return Run(document, StepName(document, levels[preset], ids), parent,
        [&](GameEdit& edit) { return PlayerBatch::ApplyPreset(edit, Ids(ids), preset); });
}

bool MoveToTeam(CGameDocument& document, const QList<quint32>& ids, QWidget* parent)
{
    if (ids.isEmpty())
        return false;
    const auto team = ChooseTeam(document.Game(), parent);
    if (!team)
        return false;
    const QString step = StepName(document, Tr("Move"), ids) + Tr(" to %1").arg(TeamLabel(*document.Game().Team(*team)));
    return Run(document, step, parent, [&](GameEdit& edit) { return PlayerBatch::MoveToTeam(edit, Ids(ids), *team); });
}

bool TakeOut(CGameDocument& document, const QList<quint32>& ids, QWidget* parent)
{
    if (ids.isEmpty())
        return false;
    return Run(document, StepName(document, Tr("Take Out"), ids), parent,
        [&](GameEdit& edit) { return PlayerBatch::TakeOut(edit, Ids(ids)); });
}

} // namespace PlayerBatchActions

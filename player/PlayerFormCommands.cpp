// The form's commands that change the player shown: each one step of the
// game document ("Move <name>", "Sack <name>", "Excellent <name>", ...).
#include "CPlayerAttributesView.h"

#include "CCopyFromDlg.h"
#include "CPlayerStatsDlg.h"
#include "ui_PlayerAttributesView.h"

#include "document/CGameDocument.h"
#include "services/MessageService.h"

void CPlayerAttributesView::OnTeamChange()
{
    const CPlayer* player = Current();
    if (!player)
        return;
    const int data = m_ui->comboTeam->currentData().toInt();
    const std::uint16_t newTeam = data > 0 ? static_cast<std::uint16_t>(data) : kNoTeam;
    const GameStatus status = EditShown(tr("Move"),
        [&](GameEdit& edit) { return edit.MovePlayer(player->m_nId, newTeam); });
    if (!status) {
        Messages().ShowMessage(this, QString::fromStdString(status.message()), IMessageService::Buttons::Ok,
            IMessageService::Icon::Warning);
        // Refused (a full squad): the list goes back to where the player is.
        const std::uint16_t team = player->Team();
        m_ui->comboTeam->setCurrentIndex(team >= 1 && team <= PlayerForm::kTeamListSize ? team : -1);
    }
}

void CPlayerAttributesView::OnSack()
{
    const CPlayer* player = Current();
    if (!player)
        return;
    if (player->Team() == kNoTeam) {
        Messages().ShowMessage(this, QStringLiteral("You can't sack me! I am not in a team ;>"));
        return;
    }
    if (!StorePlayer())
        return;
    // Leaving a team for none cannot be refused.
    (void)EditShown(tr("Sack"), [&](GameEdit& edit) { return edit.MovePlayer(player->m_nId, kNoTeam); });
    m_values.team = -1;
    ShowValues();
}

void CPlayerAttributesView::OnAverage()
{
    OnLevel(AbilityPresets::Level::Average, m_ui->buttonAverage);
}

void CPlayerAttributesView::OnGood()
{
    OnLevel(AbilityPresets::Level::Good, m_ui->buttonGood);
}

void CPlayerAttributesView::OnExcellent()
{
    OnLevel(AbilityPresets::Level::Excellent, m_ui->buttonExcellent);
}

void CPlayerAttributesView::OnLevel(AbilityPresets::Level level, const QAbstractButton* button)
{
    if (!Current())
        return;
    // Only the type decides the image; the commit reads everything else.
    m_values.type = m_ui->buttonGroupType->checkedId();
    ApplyAndReshow(AbilityPresets::LevelImage(level, m_values.type), button);
}

void CPlayerAttributesView::OnSuper()
{
    if (!Current())
        return;
    ApplyAndReshow(AbilityPresets::SuperImage(), m_ui->buttonSuper);
}

void CPlayerAttributesView::ApplyAndReshow(const AbilityPresets::AbilityImage& image, const QAbstractButton* button)
{
    // The form's own changes are a step of their own; the values it showed
    // at first still decide which preferences it writes over the image. A
    // form that cannot be stored (its message shown) keeps its edits, and
    // the image alone is applied.
    const bool stored = StorePlayer();
    const std::uint32_t id = static_cast<std::uint32_t>(m_nPlayer);
    (void)EditShown(button->text().remove(QLatin1Char('&')), [&](GameEdit& edit) {
        CPlayer& player = *edit.Player(id);
        AbilityPresets::ApplyAbilities(player, image);
        if (stored)
            (void)PlayerForm::Store(player, m_values, m_shown); // accepted by StorePlayer just now
        edit.MarkPlayerModified(id);
        return GameStatus();
    });
    if (stored)
        ReloadPlayer();
}

void CPlayerAttributesView::OnCopyFrom()
{
    const CPlayer* player = Current();
    if (!player)
        return;
    CCopyFromDlg dialog(m_document.Game(), this);
    if (dialog.exec() != QDialog::Accepted || dialog.m_nChosen < 0)
        return;
    const CPlayer* source = m_document.Game().Player(static_cast<std::uint32_t>(dialog.m_nChosen));
    if (!source)
        return;
    (void)EditShown(tr("Copy From"), [&](GameEdit& edit) {
        AbilityPresets::CopyAbilities(*edit.Player(player->m_nId), *source);
        edit.MarkChangedModified();
        return GameStatus();
    });
    PlayerForm::RefreshAbilities(*player, m_values, m_shown);
    UpdateKeeperControls();
    // Only the copied fields are shown again: names and numbers being typed stay.
    ShowAbilityValues();
}

void CPlayerAttributesView::OnStats()
{
    if (!Current())
        return;
    CPlayerStatsDlg dialog(m_document.Game(), this);
    dialog.m_nPlayer = m_nPlayer;
    // The dialog stores its figures into this edit at OK; Cancel keeps nothing.
    (void)EditShown(tr("Player Stats"), [&](GameEdit& edit) {
        if (dialog.exec() != QDialog::Accepted)
            return GameStatus::Failure({});
        edit.MarkChangedModified();
        return GameStatus();
    });
}

#include "CPlayerAttributesView.h"

#include "CBmpDialog.h"
#include "LoadBitmapFile.h"
#include "PhotoPath.h"
#include "PlayerPhoto.h"
#include "WholeNumber.h"
#include "ui_PlayerAttributesView.h"

#include "document/CGameDocument.h"
#include "gamedata/Cp1252.h"
#include "gamedata/PlayerFields.h"
#include "services/HtmlHelp.h"
#include "services/MessageService.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QShortcut>

namespace {

constexpr const char* kHelpTopic = "Orbek.chm::/Html/EditPlayer.htm";

// Set while the form fills its controls, on every way out; scopes nest.
class FillingScope
{
public:
    explicit FillingScope(bool& flag) : m_flag(flag), m_before(flag) { m_flag = true; }
    ~FillingScope() { m_flag = m_before; }
    FillingScope(const FillingScope&) = delete;
    FillingScope& operator=(const FillingScope&) = delete;

private:
    bool& m_flag;
    bool m_before;
};

// Only a real change touches the control, so an unchanged field raises no
// change notification (and marks nothing).
void SetText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

// Checks the radio button with this id; -1 (or any id without a button)
// leaves the whole group unchecked.
void SetRadio(QButtonGroup* group, int id)
{
    if (group->checkedId() == id)
        return;
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

void SetIds(QButtonGroup* group, std::initializer_list<QAbstractButton*> buttons)
{
    int id = 0;
    for (QAbstractButton* button : buttons)
        group->setId(button, id++);
}

} // namespace

CPlayerAttributesView::CPlayerAttributesView(CGameDocument& document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
    , m_ui(std::make_unique<Ui::PlayerAttributesView>())
{
    setObjectName(QStringLiteral("playerAttributesView"));
    m_ui->setupUi(this);
    auto& ui = *m_ui;
    SetIds(ui.buttonGroupType, {ui.radioOpener, ui.radioBatsman, ui.radioAllRounder, ui.radioBowler});
    SetIds(ui.buttonGroupKeeperTime, {ui.radioFulltime, ui.radioParttime});
    SetIds(ui.buttonGroupBowlArm, {ui.radioLeftArm, ui.radioRightArm});
    SetIds(ui.buttonGroupBatHand, {ui.radioLeftBat, ui.radioRightBat});
    SetIds(ui.buttonGroupFootwork, {ui.radioBackFoot, ui.radioFrontFoot});
    SetIds(ui.buttonGroupSide, {ui.radioLegSide, ui.radioOffSide});
    SetIds(ui.buttonGroupVsPace, {ui.radioFastBowling, ui.radioSpinBowling});
    ui.editGivenNames->setMaxLength(static_cast<int>(PlayerFields::Field("given_names").max));
    ui.editFamilyName->setMaxLength(static_cast<int>(PlayerFields::Field("family_name").max));
    ui.spinContract->SetBuddy(ui.editContract);
    ui.spinContract->SetRange(0, PlayerFields::kMaxOfferedContract);
    ui.buttonSack->hide(); // the game's own editor never showed it either

    // The marking is connected first, so it runs before each button's own handler.
    ConnectMarking();
    connect(ui.comboTeam, &QComboBox::activated, this, &CPlayerAttributesView::OnTeamChange);
    connect(ui.checkKeeper, &QCheckBox::clicked, this, &CPlayerAttributesView::OnWicketkeeper);
    connect(ui.buttonAverage, &QPushButton::clicked, this, &CPlayerAttributesView::OnAverage);
    connect(ui.buttonGood, &QPushButton::clicked, this, &CPlayerAttributesView::OnGood);
    connect(ui.buttonExcellent, &QPushButton::clicked, this, &CPlayerAttributesView::OnExcellent);
    connect(ui.buttonSuper, &QPushButton::clicked, this, &CPlayerAttributesView::OnSuper);
    connect(ui.buttonCopyFrom, &QPushButton::clicked, this, &CPlayerAttributesView::OnCopyFrom);
    connect(ui.buttonPhoto, &QPushButton::clicked, this, &CPlayerAttributesView::OnPhoto);
    connect(ui.buttonStats, &QPushButton::clicked, this, &CPlayerAttributesView::OnStats);
    connect(ui.buttonSack, &QPushButton::clicked, this, &CPlayerAttributesView::OnSack);
    connect(ui.buttonHelp, &QPushButton::clicked, this, &CPlayerAttributesView::OnHelp);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this, this, &CPlayerAttributesView::OnHelp);
    help->setContext(Qt::WidgetWithChildrenShortcut);

    connect(&m_document, &CGameDocument::gameReset, this, &CPlayerAttributesView::ClearForm);
    connect(&m_document, &CGameDocument::playersChanged, this, &CPlayerAttributesView::OnPlayersChanged);
    connect(&m_document, &CGameDocument::namesChanged, this, [this] {
        if (m_bEditing)
            return;
        const FillingScope filling(m_bFilling);
        FillLists();
        ShowValues();
    });

    if (m_document.Game().IsLoaded())
        ClearForm();
    else
        UpdateKeeperControls();
}

CPlayerAttributesView::~CPlayerAttributesView() = default;

void CPlayerAttributesView::ConnectMarking()
{
    auto& ui = *m_ui;
    for (QLineEdit* edit : {ui.editGivenNames, ui.editFamilyName, static_cast<QLineEdit*>(ui.editBirth),
             ui.editSalary, ui.editContract})
        connect(edit, &QLineEdit::textChanged, this, &CPlayerAttributesView::MarkModifiedNow);
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        // Opening a dialog or the help changes nothing by itself; the contract
        // arrows mark through the text they change.
        if (button == ui.buttonStats || button == ui.buttonPhoto || button == ui.buttonHelp
            || ui.spinContract->isAncestorOf(button))
            continue;
        connect(button, &QAbstractButton::clicked, this, &CPlayerAttributesView::MarkModifiedNow);
    }
    for (QComboBox* combo : {ui.comboTeam, ui.comboOrigin, ui.comboBowlStyle})
        connect(combo, &QComboBox::activated, this, &CPlayerAttributesView::MarkModifiedNow);
}

const CPlayer* CPlayerAttributesView::Current() const
{
    return m_nPlayer != 0 ? m_document.Game().Player(static_cast<std::uint32_t>(m_nPlayer)) : nullptr;
}

void CPlayerAttributesView::MarkModifiedNow()
{
    if (m_bFilling || !Current())
        return;
    m_document.SetPendingPlayer(m_nPlayer);
}

GameStatus CPlayerAttributesView::EditShown(const QString& action, const std::function<GameStatus(GameEdit&)>& operation)
{
    const CPlayer* player = Current();
    if (!player)
        return {};
    const bool wasEditing = m_bEditing;
    m_bEditing = true;
    const GameStatus status = m_document.Edit(CGameDocument::StepName(action, *player), operation);
    m_bEditing = wasEditing;
    return status;
}

void CPlayerAttributesView::OnPlayersChanged(const QList<quint32>& playerIds)
{
    // An undo or redo changed the player shown: the form shows him as he is now.
    if (!m_bEditing && m_nPlayer > 0 && playerIds.contains(static_cast<quint32>(m_nPlayer)))
        ReloadPlayer();
}

void CPlayerAttributesView::ReloadPlayer()
{
    const FillingScope filling(m_bFilling);
    if (const CPlayer* player = Current())
        LoadPlayer(*player);
}

bool CPlayerAttributesView::ShowPlayer(int playerId)
{
    const FillingScope filling(m_bFilling);
    if (playerId < 1)
        return true;
    if (m_nPlayer != 0 && !StorePlayer())
        return false;
    ClearForm();
    const CPlayer* player = m_document.Game().Player(static_cast<std::uint32_t>(playerId));
    if (!player)
        return true;
    LoadPlayer(*player);
    return true;
}

void CPlayerAttributesView::LoadPlayer(const CPlayer& player)
{
    m_nPlayer = static_cast<int>(player.m_nId);
    LoadPhoto(player);
    m_values = PlayerForm::Fill(player, m_document.Game().NameList(0).size());
    m_shown = m_values;
    m_ui->editBirth->SetDate(m_values.birth);
    UpdateKeeperControls();
    ShowValues();
}

void CPlayerAttributesView::ClearForm()
{
    const FillingScope filling(m_bFilling);
    if (m_document.PendingPlayer() == m_nPlayer)
        m_document.SetPendingPlayer(0); // uncommitted edits are dropped
    m_nPlayer = 0;
    FillLists();
    m_ui->spinContract->SetRange(0, PlayerFields::kMaxOfferedContract);
    m_values = PlayerFormValues{};
    m_ui->editBirth->SetDate(CDate{});
    SetPhoto({});
    UpdateKeeperControls();
    ShowValues();
}

void CPlayerAttributesView::FillLists()
{
    const CGame& game = m_document.Game();
    QComboBox* team = m_ui->comboTeam;
    team->clear();
    team->addItem(QString(), 0);
    for (int id = 1; id <= PlayerForm::kTeamListSize; ++id)
        team->addItem(CGameDocument::GameText(game.TeamName(static_cast<std::size_t>(id))), id);
    QComboBox* origin = m_ui->comboOrigin;
    origin->clear();
    origin->addItem(QString());
    const auto& names = game.NameList(0);
    for (std::size_t id = 1; id < names.size(); ++id)
        origin->addItem(CGameDocument::GameText(names[id]));
}

bool CPlayerAttributesView::StorePlayer()
{
    const CPlayer* player = Current();
    if (!player)
        return true;
    PlayerFormValues values;
    if (!ReadValues(values))
        return false;
    const std::string oldName = player->GetDisplayName();
    const GameStatus status = EditShown(tr("Edit"), [&](GameEdit& edit) {
        GameStatus stored = PlayerForm::Store(*edit.Player(player->m_nId), values, m_shown);
        if (stored)
            edit.MarkChangedModified();
        return stored;
    });
    if (status) {
        m_document.SetPendingPlayer(0);
        const QString error = PlayerPhoto::FollowRename(m_document.GameFolder(), oldName, player->GetDisplayName());
        if (!error.isEmpty())
            Messages().ShowMessage(this, error, IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
    }
    if (!status) {
        Messages().ShowMessage(this, QString::fromStdString(status.message()));
        QLineEdit* field = status.message() == PlayerForm::kInvalidBirth ? m_ui->editBirth
            : status.message() == PlayerForm::kNotAnInteger              ? m_ui->editContract
                                                                         : m_ui->editSalary;
        field->setFocus();
        return false;
    }
    m_values = values;
    return true;
}

bool CPlayerAttributesView::ReadValues(PlayerFormValues& values)
{
    auto& ui = *m_ui;
    values = m_values;
    if (!ReadName(ui.editGivenNames, values.givenNames) || !ReadName(ui.editFamilyName, values.familyName)
        || !ReadNumber(ui.editContract, values.contract))
        return false;
    values.origin = ui.comboOrigin->currentIndex();
    if (!ReadNumber(ui.editSalary, values.salary))
        return false;
    values.team = ui.comboTeam->currentIndex();
    values.footwork = ui.buttonGroupFootwork->checkedId();
    values.batHand = ui.buttonGroupBatHand->checkedId();
    values.vsPace = ui.buttonGroupVsPace->checkedId();
    values.side = ui.buttonGroupSide->checkedId();
    values.bowlStyle = ui.comboBowlStyle->currentIndex();
    values.bowlArm = ui.buttonGroupBowlArm->checkedId();
    values.type = ui.buttonGroupType->checkedId();
    values.keeper = ui.checkKeeper->isChecked();
    values.keeperTime = ui.buttonGroupKeeperTime->checkedId();
    values.birth = ui.editBirth->GetDate();
    return true;
}

bool CPlayerAttributesView::ReadName(QLineEdit* edit, std::string& name)
{
    std::string error;
    const auto bytes = Cp1252::FromUtf8(edit->text().toStdString(), &error);
    if (!bytes) {
        Messages().ShowMessage(this, QStringLiteral("This name cannot be stored in the game file: %1.")
                                         .arg(QString::fromStdString(error)));
        edit->setFocus();
        return false;
    }
    name = *bytes;
    return true;
}

bool CPlayerAttributesView::ReadNumber(QLineEdit* edit, long long& number)
{
    const auto value = ParseWholeNumber(edit->text());
    if (!value) {
        Messages().ShowMessage(this, QString::fromLatin1(kEnterAnInteger));
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    number = *value;
    return true;
}

void CPlayerAttributesView::ShowValues()
{
    auto& ui = *m_ui;
    SetText(ui.editGivenNames, CGameDocument::GameText(m_values.givenNames));
    SetText(ui.editFamilyName, CGameDocument::GameText(m_values.familyName));
    SetText(ui.editContract, QString::number(m_values.contract));
    SetText(ui.editSalary, QString::number(m_values.salary));
    ui.comboOrigin->setCurrentIndex(m_values.origin < ui.comboOrigin->count() ? m_values.origin : -1);
    ui.comboTeam->setCurrentIndex(m_values.team < ui.comboTeam->count() ? m_values.team : -1);
    ShowAbilityValues();
}

void CPlayerAttributesView::ShowAbilityValues()
{
    auto& ui = *m_ui;
    SetRadio(ui.buttonGroupFootwork, m_values.footwork);
    SetRadio(ui.buttonGroupBatHand, m_values.batHand);
    SetRadio(ui.buttonGroupVsPace, m_values.vsPace);
    SetRadio(ui.buttonGroupSide, m_values.side);
    ui.comboBowlStyle->setCurrentIndex(m_values.bowlStyle < ui.comboBowlStyle->count() ? m_values.bowlStyle : -1);
    SetRadio(ui.buttonGroupBowlArm, m_values.bowlArm);
    SetRadio(ui.buttonGroupType, m_values.type);
    ui.checkKeeper->setChecked(m_values.keeper);
    SetRadio(ui.buttonGroupKeeperTime, m_values.keeperTime);
}

void CPlayerAttributesView::UpdateKeeperControls()
{
    m_ui->radioFulltime->setEnabled(m_values.keeper);
    m_ui->radioParttime->setEnabled(m_values.keeper);
}

void CPlayerAttributesView::OnWicketkeeper()
{
    m_values.keeper = m_ui->checkKeeper->isChecked();
    UpdateKeeperControls();
}

void CPlayerAttributesView::OnPhoto()
{
    const CPlayer* player = Current();
    if (!player)
        return;
    const PhotoPath target = PlayerPhotoPath(m_document.GameFolder(), player->GetDisplayName());
    if (!target.ok()) {
        Messages().ShowMessage(this, target.error, IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
        return;
    }
    // The game's photo folder when there is one, else where the user went last.
    static QString lastFolder;
    const QString photoFolder = PhotoFolder(m_document.GameFolder());
    CBmpDialog dialog(true, QString(), QString(), this);
    if (QFileInfo(photoFolder).isDir())
        dialog.setDirectory(photoFolder);
    else if (!lastFolder.isEmpty())
        dialog.setDirectory(lastFolder);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    lastFolder = dialog.directory().absolutePath();
    if (!chosen)
        return;
    QImage photo;
    if (PlayerPhoto::Install(this, dialog.selectedFiles().constFirst(), target.path,
            CGameDocument::GameText(player->GetDisplayName()), photo))
        SetPhoto(photo);
}

void CPlayerAttributesView::LoadPhoto(const CPlayer& player)
{
    const PhotoPath path = PlayerPhotoPath(m_document.GameFolder(), player.GetDisplayName());
    QImage bitmap;
    if (path.ok())
        LoadBitmapFile(path.path, bitmap);
    SetPhoto(bitmap);
}

void CPlayerAttributesView::SetPhoto(const QImage& bitmap)
{
    m_bmpPhoto = bitmap;
    if (bitmap.isNull())
        m_ui->labelPhoto->clear();
    else
        m_ui->labelPhoto->setPixmap(QPixmap::fromImage(bitmap));
}

void CPlayerAttributesView::OnHelp()
{
    OpenHtmlHelp(nullptr, kHelpTopic, kHelpDisplayTopic, 0);
}

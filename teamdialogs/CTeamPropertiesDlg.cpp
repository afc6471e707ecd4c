#include "teamdialogs/CTeamPropertiesDlg.h"

#include "ui_CTeamPropertiesDlg.h"

#include "player/PlayerIcons.h"
#include "services/HtmlHelp.h"
#include "services/MessageService.h"
#include "services/WindowPlacement.h"
#include "teamdialogs/CPlayerListDlg.h"
#include "teamdialogs/FirstXIDragger.h"

#include "CGame.h"
#include "Cp1252.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QShortcut>

// Outside any namespace, as Qt's resource registration requires; the editor
// is a static library, so the role pictures are pulled in by name.
static void InitRoleImages()
{
    Q_INIT_RESOURCE(teams);
}

namespace {

QString ShownText(const std::string& gameText)
{
    return QString::fromStdString(Cp1252::ToUtf8(gameText));
}

constexpr int kNameColumnWidth = 110;
constexpr int kSecondColumnWidth = 40;

} // namespace

CTeamPropertiesDlg::CTeamPropertiesDlg(CGame& game, QWidget* parent)
    : QDialog(parent)
    , m_game(game)
    , m_model(game)
    , m_ui(std::make_unique<Ui::CTeamPropertiesDlg>())
{
    InitRoleImages();
    m_ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // Modal for its own window only, so the help window it opens can be used.
    setWindowModality(Qt::WindowModal);
    // The name field takes what is typed: no completion from the other names.
    m_ui->IDC_TEAM_NAME->setCompleter(nullptr);
    for (QTreeWidget* list : {m_ui->IDC_TEAM_LIST, m_ui->IDC_FIRST_XI}) {
        list->header()->setStretchLastSection(false);
        list->header()->setSectionsMovable(false);
        list->header()->setSectionsClickable(false);
        list->setColumnWidth(0, kNameColumnWidth);
        list->setColumnWidth(1, kSecondColumnWidth);
        // The second heading is a single blank, which Designer does not keep.
        list->headerItem()->setText(1, QStringLiteral(" "));
        list->setIconSize(QSize(16, 16));
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // At least as wide as the two columns; the names take what the
        // dialog grows by.
        list->setMinimumWidth(kNameColumnWidth + kSecondColumnWidth + list->verticalScrollBar()->sizeHint().width()
            + 2 * list->frameWidth());
        list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }

    const struct
    {
        QPushButton* button;
        FirstXIRoles::Role role;
        const char* image;
        const char* label;
    } roles[] = {
        {m_ui->IDC_CAPTAIN, FirstXIRoles::Role::Captain, ":/roles/captain.png", "&Capt."},
        {m_ui->IDC_KEEPER, FirstXIRoles::Role::Keeper, ":/roles/keeper.png", "&Keeper"},
        {m_ui->IDC_OPEN1, FirstXIRoles::Role::OpenBowler1, ":/roles/open1.png", "Open &1"},
        {m_ui->IDC_OPEN2, FirstXIRoles::Role::OpenBowler2, ":/roles/open2.png", "Open &2"},
    };
    for (const auto& r : roles) {
        r.button->setIcon(QIcon(QString::fromLatin1(r.image)));
        r.button->setAccessibleName(QString::fromLatin1(r.label).remove('&'));
        // The buttons show only their picture; their labels' keys still work.
        auto* key = new QShortcut(QKeySequence::mnemonic(QString::fromLatin1(r.label)), this);
        connect(key, &QShortcut::activated, r.button, &QPushButton::click);
        const FirstXIRoles::Role role = r.role;
        connect(r.button, &QPushButton::clicked, this,
            [this, role] { RunListOperation([this, role] { return FirstXIRoles::AssignRole(m_model.FirstXI(), role); }); });
    }

    connect(m_ui->IDC_ADD_TO_XI, &QPushButton::clicked, this, [this] { RunListOperation([this] { return m_model.AddToFirstXI(); }); });
    connect(m_ui->IDC_REMOVE_FROM_XI, &QPushButton::clicked, this,
        [this] { RunListOperation([this] { return m_model.RemoveFromFirstXI(); }); });
    connect(m_ui->IDC_SWAP, &QPushButton::clicked, this, [this] { RunListOperation([this] { return m_model.Swap(); }); });
    connect(m_ui->IDC_SACK, &QPushButton::clicked, this, [this] { RunListOperation([this] { return m_model.Sack(); }); });
    connect(m_ui->IDC_HIRE, &QPushButton::clicked, this, &CTeamPropertiesDlg::OnHire);
    connect(m_ui->IDOK, &QPushButton::clicked, this, &CTeamPropertiesDlg::accept);
    connect(m_ui->IDCANCEL, &QPushButton::clicked, this, &CTeamPropertiesDlg::reject);
    connect(m_ui->IDHELP, &QPushButton::clicked, this, &CTeamPropertiesDlg::OnHelp);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &CTeamPropertiesDlg::OnHelp);
    connect(m_ui->IDC_TEAM_NAME, &QComboBox::currentIndexChanged, this, &CTeamPropertiesDlg::OnSelChangeTeam);

    m_pDragger = new CFirstXIDragger(*m_ui->IDC_FIRST_XI, *m_ui->IDC_TEAM_LIST,
        [this](int dragIndex, int dropIndex) { OnDrop(dragIndex, dropIndex); }, this);

    // Set-up: every player's team is remembered, the combo lists the teams
    // by name and the alphabetically first one is shown.
    m_model.Open();
    m_bSettingCombo = true;
    for (const std::uint16_t id : m_model.TeamOrder())
        m_ui->IDC_TEAM_NAME->addItem(ShownText(m_game.Team(id)->m_strName), id);
    m_ui->IDC_TEAM_NAME->setCurrentIndex(m_model.TeamOrder().empty() ? -1 : 0);
    m_bSettingCombo = false;
    LoadTeam();
    WindowPlacement::RememberSize(*this);
}

CTeamPropertiesDlg::~CTeamPropertiesDlg() = default;

void CTeamPropertiesDlg::LoadTeam()
{
    const TeamFields fields = m_model.LoadedFields();
    m_ui->IDC_TEAM_NAME->setEditText(ShownText(fields.strTeamName));
    m_ui->IDC_SHORT_NAME->setText(ShownText(fields.strShortName));
    m_ui->IDC_ABBREV->setText(ShownText(fields.strAbbrev));
    m_ui->IDC_BUDGET->setText(QString::fromStdString(fields.strBudget));
    ShowLists();
}

void CTeamPropertiesDlg::ShowLists()
{
    ShowList(*m_ui->IDC_TEAM_LIST, m_model.TeamList(), false);
    ShowList(*m_ui->IDC_FIRST_XI, m_model.FirstXI(), true);
}

void CTeamPropertiesDlg::ShowList(QTreeWidget& list, const EntryList& entries, bool bMarks)
{
    const QTreeWidgetItem* current = list.currentItem();
    const std::uint32_t currentId = current ? current->data(0, Qt::UserRole).toUInt() : 0;
    const bool hadCurrent = current != nullptr;
    list.clear();
    for (const ListEntry& entry : entries) {
        auto* item = new QTreeWidgetItem(&list);
        if (const CPlayer* player = m_game.Player(entry.nId)) {
            item->setText(0, ShownText(player->GetDisplayName()));
            item->setIcon(0, PlayerIcon16(player->GetImageIndex()));
            item->setText(1, bMarks ? QString::fromStdString(entry.strMarks) : ShownText(player->GetTypeAbbrev()));
        }
        item->setData(0, Qt::UserRole, entry.nId);
        if (hadCurrent && entry.nId == currentId)
            list.setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    }
    for (std::size_t i = 0; i < entries.size(); ++i)
        list.topLevelItem(static_cast<int>(i))->setSelected(entries[i].bSelected);
}

void CTeamPropertiesDlg::ReadSelection()
{
    const auto read = [](const QTreeWidget& list, EntryList& entries) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const QTreeWidgetItem* item = list.topLevelItem(static_cast<int>(i));
            entries[i].bSelected = item && item->isSelected();
        }
    };
    read(*m_ui->IDC_TEAM_LIST, m_model.TeamList());
    read(*m_ui->IDC_FIRST_XI, m_model.FirstXI());
}

bool CTeamPropertiesDlg::ReadFields(TeamFields& fields)
{
    const struct
    {
        QString text;
        std::string* target;
    } texts[] = {
        {m_ui->IDC_TEAM_NAME->currentText(), &fields.strTeamName},
        {m_ui->IDC_SHORT_NAME->text(), &fields.strShortName},
        {m_ui->IDC_ABBREV->text(), &fields.strAbbrev},
    };
    for (const auto& t : texts) {
        std::string error;
        const auto bytes = Cp1252::FromUtf8(t.text.toStdString(), &error);
        if (!bytes) {
            ShowMessage("The name \"" + t.text.toStdString() + "\" cannot be stored in the game file: " + error);
            return false;
        }
        *t.target = *bytes;
    }
    fields.strBudget = m_ui->IDC_BUDGET->text().toStdString();
    return true;
}

void CTeamPropertiesDlg::RunListOperation(const std::function<std::string()>& operation)
{
    ReadSelection();
    const std::string message = operation();
    ShowLists();
    if (!message.empty())
        ShowMessage(message);
}

void CTeamPropertiesDlg::ShowMessage(const std::string& text)
{
    Messages().ShowMessage(this, QString::fromStdString(text));
}

void CTeamPropertiesDlg::SelectTeam(std::uint16_t teamId)
{
    if (const int index = m_ui->IDC_TEAM_NAME->findData(static_cast<int>(teamId)); index >= 0)
        m_ui->IDC_TEAM_NAME->setCurrentIndex(index);
}

void CTeamPropertiesDlg::OnSelChangeTeam(int comboIndex)
{
    if (m_bSettingCombo || comboIndex < 0)
        return;
    const int newTeam = m_ui->IDC_TEAM_NAME->itemData(comboIndex).toInt();
    ReadSelection();
    // The full name is not taken: the combo's text is already the new team's.
    TeamFields fields;
    if (ReadFields(fields)) {
        const std::string message = m_model.SwitchTeam(newTeam, fields);
        if (message.empty()) {
            LoadTeam();
            return;
        }
        ShowMessage(message);
    }
    // Refused: the combo goes back to the shown team.
    m_bSettingCombo = true;
    m_ui->IDC_TEAM_NAME->setCurrentIndex(m_ui->IDC_TEAM_NAME->findData(m_model.ShownTeam()));
    m_bSettingCombo = false;
}

void CTeamPropertiesDlg::OnHire()
{
    CPlayerListDlg dialog(m_game, m_model.ShownTeam(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ReadSelection();
    m_model.FillTeamList();
    ShowLists();
}

void CTeamPropertiesDlg::OnDrop(int dragIndex, int dropIndex)
{
    ReadSelection();
    FirstXIRoles::MoveEntry(m_model.FirstXI(), dragIndex, dropIndex);
    ShowLists();
}

void CTeamPropertiesDlg::OnHelp()
{
    OpenHtmlHelp(this, "Orbek.chm::/Html/EditTeams.htm", kHelpDisplayTopic, 0);
}

void CTeamPropertiesDlg::accept()
{
    ReadSelection();
    TeamFields fields;
    if (m_model.FirstXI().size() != TeamLayout::kFirstXI) {
        ShowMessage("There must be 11 players in the First XI");
        return;
    }
    if (!ReadFields(fields))
        return;
    const CTeamPropertiesModel::OkResult result = m_model.Ok(fields);
    switch (result.outcome) {
    case CTeamPropertiesModel::OkOutcome::Refused:
        ShowMessage(result.message);
        return;
    case CTeamPropertiesModel::OkOutcome::AskDatabase:
        if (Messages().ShowMessage(this, QString::fromStdString(result.message), IMessageService::Buttons::YesNo,
                IMessageService::Icon::Information)
            != IMessageService::Answer::Yes)
            return;
        m_model.AcceptChange();
        break;
    case CTeamPropertiesModel::OkOutcome::Close:
        break;
    }
    QDialog::accept();
}

void CTeamPropertiesDlg::reject()
{
    m_model.Cancel();
    QDialog::reject();
}

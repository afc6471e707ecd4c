#include "teamdialogs/CPlayerListDlg.h"

#include "ui_CPlayerListDlg.h"

#include "player/ListFilter.h"
#include "player/PlayerIcons.h"
#include "services/MessageService.h"
#include "services/WindowPlacement.h"
#include "teamdialogs/HirePlayers.h"
#include "teamdialogs/NameOrder.h"

#include "CGame.h"
#include "Cp1252.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace {

QString ShownText(const std::string& gameText)
{
    return QString::fromStdString(Cp1252::ToUtf8(gameText));
}

// The type column holds "RHB o", the longest type text, in the default font.
constexpr int kColumnWidths[] = {110, 55, 130};

} // namespace

CPlayerListDlg::CPlayerListDlg(CGame& game, int teamId, QWidget* parent)
    : QDialog(parent)
    , m_game(game)
    , m_nTeam(teamId)
    , m_ui(std::make_unique<Ui::CPlayerListDlg>())
{
    m_ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* list = m_ui->IDC_PLAYER_LIST;
    list->setIconSize(QSize(16, 16));
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    int width = 0;
    for (int c = 0; c < 3; ++c) {
        list->setColumnWidth(c, kColumnWidths[c]);
        width += kColumnWidths[c];
    }
    // At least as wide as its columns; the names take what the dialog grows by.
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setMinimumWidth(width + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth());
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(m_ui->IDOK, &QPushButton::clicked, this, &CPlayerListDlg::accept);
    connect(m_ui->IDCANCEL, &QPushButton::clicked, this, &CPlayerListDlg::reject);
    FillList();
    AttachListFilter(*m_ui->IDC_FILTER, *list);
    WindowPlacement::RememberSize(*this);
}

CPlayerListDlg::~CPlayerListDlg() = default;

void CPlayerListDlg::FillList()
{
    auto candidates = HirePlayers::Candidates(m_game, m_nTeam);
    // The list keeps its rows sorted by name as they are added.
    std::stable_sort(candidates.begin(), candidates.end(),
        [](const HirePlayers::Candidate& a, const HirePlayers::Candidate& b) { return NameLess(a.strName, b.strName); });
    for (const auto& candidate : candidates) {
        auto* item = new QTreeWidgetItem(m_ui->IDC_PLAYER_LIST);
        item->setText(0, ShownText(candidate.strName));
        item->setText(1, ShownText(candidate.strType));
        item->setText(2, ShownText(candidate.strTeamOrigin));
        item->setIcon(0, PlayerIcon16(candidate.nImage));
        item->setData(0, Qt::UserRole, candidate.nId);
    }
}

void CPlayerListDlg::accept()
{
    std::vector<std::uint32_t> ids;
    const auto* list = m_ui->IDC_PLAYER_LIST;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        if (item->isSelected())
            ids.push_back(item->data(0, Qt::UserRole).toUInt());
    }
    const std::string message = HirePlayers::Hire(m_game, m_nTeam, ids);
    if (!message.empty()) {
        Messages().ShowMessage(this, QString::fromStdString(message));
        return;
    }
    QDialog::accept();
}

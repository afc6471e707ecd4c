#include "CCopyFromDlg.h"

#include "ListFilter.h"
#include "PlayerIcons.h"
#include "ui_CopyFromDlg.h"

#include "gamedata/CGame.h"
#include "gamedata/Cp1252.h"
#include "gamedata/RecordLayout.h"
#include "services/WindowPlacement.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t kMaxColumnText = 79;

QString GameText(const std::string& bytes)
{
    return QString::fromStdString(Cp1252::ToUtf8(bytes.substr(0, kMaxColumnText)));
}

struct Row
{
    QString name;
    QString team;
    std::uint32_t id;
    int image;
};

} // namespace

CCopyFromDlg::CCopyFromDlg(const CGame& game, QWidget* parent)
    : QDialog(parent)
    , m_game(game)
    , m_ui(std::make_unique<Ui::CopyFromDlg>())
{
    m_ui->setupUi(this);
    connect(m_ui->buttonOk, &QPushButton::clicked, this, &CCopyFromDlg::accept);
    connect(m_ui->listPlayers, &QTreeWidget::itemDoubleClicked, this, &CCopyFromDlg::accept);
    m_ui->listPlayers->setColumnWidth(0, 110);
    m_ui->listPlayers->setColumnWidth(1, 130);
    // The names take what the dialog grows by.
    m_ui->listPlayers->header()->setStretchLastSection(false);
    m_ui->listPlayers->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    FillList();
    AttachListFilter(*m_ui->editFilter, *m_ui->listPlayers);
    WindowPlacement::RememberSize(*this);
}

CCopyFromDlg::~CCopyFromDlg() = default;

QTreeWidget* CCopyFromDlg::List() const
{
    return m_ui->listPlayers;
}

void CCopyFromDlg::FillList()
{
    std::vector<Row> rows;
    for (const CPlayer* player : m_game.Players()) {
        std::string team;
        if (player->Team() != kNoTeam)
            team = m_game.TeamName(player->Team());
        else if (player->Origin() != kNoTeam)
            team = m_game.TeamName(player->Origin());
        rows.push_back({GameText(player->GetDisplayName()), GameText(team), player->m_nId, player->GetImageIndex()});
    }
    // Sorted by name as the eye reads it (case aside); players of the same
    // name stay in id order.
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
    });

    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem({row.name, row.team});
        item->setIcon(0, PlayerIcon16(row.image));
        item->setData(0, Qt::UserRole, row.id);
        items.append(item);
    }
    m_ui->listPlayers->addTopLevelItems(items);
    m_ui->listPlayers->setCurrentItem(nullptr);
    m_ui->listPlayers->clearSelection();
}

void CCopyFromDlg::accept()
{
    const QList<QTreeWidgetItem*> selected = m_ui->listPlayers->selectedItems();
    m_nChosen = selected.isEmpty() ? -1 : selected.front()->data(0, Qt::UserRole).toInt();
    QDialog::accept();
}

#include "CRestoreBackupDlg.h"

#include "extras/HyperlinkErrors.h"
#include "extras/UrlOpener.h"
#include "gamedata/CGame.h"
#include "gamedata/RecordDiff.h"
#include "services/HtmlHelp.h"
#include "services/MessageService.h"
#include "ui_CRestoreBackupDlg.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QUrl>

namespace {

constexpr int kPathRole = Qt::UserRole; // on column 0 of a backup that loads
constexpr const char* kHelpTopic = "Orbek.chm::/Html/Backups.htm";

QString TimeText(const Backups::Entry& entry)
{
    const QDateTime time = QDateTime::fromString(QString::fromStdString(entry.time), Qt::ISODate);
    QString text = time.isValid() ? QLocale().toString(time, QStringLiteral("ddd d MMM yyyy, HH:mm:ss"))
                                  : QString::fromStdString(entry.time);
    if (entry.copy > 1)
        text += QStringLiteral(" (%1)").arg(entry.copy);
    return text;
}

QString CountText(std::size_t count, const QString& one, const QString& many)
{
    return count == 1 ? one : many.arg(count);
}

QString DifferenceText(const RecordDiff::Counts& counts)
{
    QStringList parts;
    if (counts.players)
        parts << CountText(counts.players, QObject::tr("1 player"), QObject::tr("%1 players"));
    if (counts.teams)
        parts << CountText(counts.teams, QObject::tr("1 team"), QObject::tr("%1 teams"));
    return parts.isEmpty() ? QObject::tr("Same as loaded") : parts.join(QStringLiteral(", "));
}

// The core's reason without the file's path, which the row already stands for.
QString BriefReason(const std::string& message, const std::string& path)
{
    const std::string named = "\"" + path + "\": ";
    const std::size_t at = message.find(named);
    QString reason = QString::fromStdString(at == std::string::npos ? message : message.substr(at + named.size()));
    if (!reason.isEmpty())
        reason[0] = reason[0].toUpper();
    return QObject::tr("Does not load: %1").arg(reason);
}

} // namespace

CRestoreBackupDlg::CRestoreBackupDlg(const CGame& loaded, const Backups::Settings& settings, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CRestoreBackupDlg>())
    , m_folder(QString::fromStdString(Backups::FolderFor(loaded.GameFile(), settings)))
{
    m_ui->setupUi(this);
    m_ui->labelFile->setText(
        tr("Backups of \"%1\", newest first:").arg(QDir::toNativeSeparators(QString::fromStdString(loaded.GameFile()))));
    FillList(loaded, settings);
    m_ui->buttonOpenFolder->setEnabled(QFileInfo(m_folder).isDir());
    const auto followSelection = [this] { m_ui->buttonRestore->setEnabled(!SelectedBackup().isEmpty()); };
    followSelection();
    connect(m_ui->listBackups, &QTreeWidget::itemSelectionChanged, this, followSelection);
    connect(m_ui->listBackups, &QTreeWidget::itemDoubleClicked, this, &CRestoreBackupDlg::OnRestore);
    connect(m_ui->buttonRestore, &QPushButton::clicked, this, &CRestoreBackupDlg::OnRestore);
    connect(m_ui->buttonOpenFolder, &QPushButton::clicked, this, &CRestoreBackupDlg::OnOpenFolder);
    AttachHelp(this, kHelpTopic);
    connect(m_ui->buttonHelp, &QPushButton::clicked, this,
        [this] { OpenHtmlHelp(this, kHelpTopic, kHelpDisplayTopic, 0); });
}

CRestoreBackupDlg::~CRestoreBackupDlg() = default;

QTreeWidget* CRestoreBackupDlg::List() const
{
    return m_ui->listBackups;
}

void CRestoreBackupDlg::FillList(const CGame& loaded, const Backups::Settings& settings)
{
    QTreeWidget& list = *m_ui->listBackups;
    const auto backups = Backups::List(loaded.GameFile(), settings);
    if (backups.empty()) {
        auto* none = new QTreeWidgetItem(&list, {tr("There are no backups of this file.")});
        none->setFlags(Qt::NoItemFlags);
        none->setFirstColumnSpanned(true);
        return;
    }
    // Every backup is read in full to be compared; that can take a moment.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    for (const Backups::Entry& entry : backups) {
        CGame backup;
        const GameStatus status = backup.LoadGameFile(entry.path);
        const QString difference = status ? DifferenceText(RecordDiff::CountDifferences(backup, loaded))
                                          : BriefReason(status.message(), entry.path);
        auto* row = new QTreeWidgetItem(&list,
            {TimeText(entry), QLocale().formattedDataSize(static_cast<qint64>(entry.size), 1), difference});
        row->setToolTip(0, QDir::toNativeSeparators(QString::fromStdString(entry.path)));
        if (status)
            row->setData(0, kPathRole, QString::fromStdString(entry.path));
        else
            row->setToolTip(2, QString::fromStdString(status.message()));
    }
    QGuiApplication::restoreOverrideCursor();
    for (int column = 0; column < list.columnCount(); ++column)
        list.resizeColumnToContents(column);
}

QString CRestoreBackupDlg::SelectedBackup() const
{
    const QList<QTreeWidgetItem*> selected = m_ui->listBackups->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->data(0, kPathRole).toString();
}

void CRestoreBackupDlg::OnRestore()
{
    m_chosen = SelectedBackup();
    if (!m_chosen.isEmpty())
        accept();
}

void CRestoreBackupDlg::OnOpenFolder()
{
    const int result = OpenUrlThroughOpener(QUrl::fromLocalFile(m_folder).toString(QUrl::FullyEncoded), kShowNormal);
    if (result < kUrlOpened)
        Messages().ShowMessage(this,
            tr("The backups folder \"%1\" could not be opened. %2").arg(QDir::toNativeSeparators(m_folder),
                HyperlinkErrorReason(result)),
            IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
}

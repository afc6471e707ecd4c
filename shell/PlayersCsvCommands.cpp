// File > Export Players and Import Players: the players as CSV, in the
// core's one format (PlayersCsv), which orbek-cli export and import share.
#include "CMainFrame.h"

#include "COrbekApp.h"
#include "DefaultExtension.h"
#include "gamedata/FileIO.h"
#include "gamedata/PlayersCsv.h"
#include "player/CImportPlayersDlg.h"
#include "playerstable/CPlayersPanel.h"
#include "services/MessageService.h"

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace {

const char* const kCsvFilter = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*|";
const char* const kCsvExtension = ".csv";

void ShowFailure(QWidget* parent, const GameStatus& status)
{
    Messages().ShowMessage(parent, QString::fromStdString(status.message()), IMessageService::Buttons::Ok,
        IMessageService::Icon::Warning);
}

// The players to export: all of them (an empty list), or the rows of the
// players table when it is shown filtered and the user wants only those;
// nothing when he cancels.
std::optional<std::vector<std::uint32_t>> PlayersToExport(QWidget* parent, const CPlayersPanel* table)
{
    if (!table || !table->isVisible() || !table->IsFiltered())
        return std::vector<std::uint32_t>{};
    const QList<quint32> shown = table->VisiblePlayerIds();
    const int total = table->PlayerCount();
    // A filter that lets none or all through leaves nothing to choose.
    if (shown.isEmpty() || shown.size() == total)
        return std::vector<std::uint32_t>{};
    const QString question = shown.size() == 1
        ? CMainFrame::tr("The table shows 1 of %1 players. Export only this player?").arg(total)
        : CMainFrame::tr("The table shows %1 of %2 players. Export only these %1 players?")
              .arg(shown.size())
              .arg(total);
    const auto answer
        = Messages().ShowMessage(parent, question, IMessageService::Buttons::YesNoCancel, IMessageService::Icon::Question);
    switch (answer) {
    case IMessageService::Answer::Yes:
        return std::vector<std::uint32_t>(shown.begin(), shown.end());
    case IMessageService::Answer::No:
        return std::vector<std::uint32_t>{};
    default:
        return std::nullopt;
    }
}

} // namespace

void CMainFrame::OnExportPlayers()
{
    const CGame& game = m_app.Game();
    if (!game.IsLoaded() || !CommitCurrentPlayer())
        return;
    const auto players = PlayersToExport(this, PlayersPanel());
    if (!players)
        return;
    // Beside the game, named after it: DATABASE.DB -> DATABASE.csv.
    const QFileInfo gameFile(m_app.GameFilePath());
    const QString start = gameFile.dir().filePath(gameFile.completeBaseName() + QString::fromLatin1(kCsvExtension));
    const QString target = AskSaveAsTarget(tr("Export Players"), start, kCsvFilter, kCsvExtension);
    if (target.isEmpty())
        return;
    const GameStatus status = FileIO::WriteWholeFile(target.toStdString(), PlayersCsv::Export(game, *players));
    if (!status)
        ShowFailure(this, status);
}

void CMainFrame::OnImportPlayers()
{
    if (!m_app.Game().IsLoaded() || !CommitCurrentPlayer())
        return;
    const QString chosen = Messages().GetOpenFileName(this, tr("Import Players"),
        QFileInfo(m_app.GameFilePath()).path(), QString::fromLatin1(kCsvFilter));
    if (chosen.isEmpty())
        return;
    const QString path
        = QFileInfo(WithDefaultExtension(chosen, true, QString::fromLatin1(kCsvExtension))).absoluteFilePath();
    std::vector<std::uint8_t> bytes;
    if (const GameStatus status = FileIO::ReadWholeFile(path.toStdString(), bytes); !status) {
        ShowFailure(this, status);
        return;
    }
    const PlayersCsv::ImportPlan plan = PlayersCsv::Plan(m_app.Game(),
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    CImportPlayersDlg preview(m_app.Game(), plan, this);
    if (preview.exec() != QDialog::Accepted || !preview.CanApply())
        return;
    const GameStatus status = m_app.Document().Edit(
        tr("Import Players"), [&plan](GameEdit& change) { return PlayersCsv::Apply(change, plan); });
    if (!status)
        ShowFailure(this, status);
}

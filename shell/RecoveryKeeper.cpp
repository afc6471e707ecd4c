#include "RecoveryKeeper.h"

#include "EditorPreferences.h"
#include "gamedata/Recovery.h"
#include "services/MessageService.h"

#include <QDir>

namespace {

QString Shown(const std::string& path)
{
    return QDir::toNativeSeparators(QString::fromStdString(path));
}

} // namespace

RecoveryKeeper::RecoveryKeeper(CGameDocument& document, QObject* parent)
    : QObject(parent), m_document(document), m_folder(Recovery::DefaultFolder())
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::WriteCopyIfDue);
    connect(&document, &CGameDocument::playersChanged, this, &RecoveryKeeper::OnChanged);
    connect(&document, &CGameDocument::teamsChanged, this, &RecoveryKeeper::OnChanged);
    connect(&document, &CGameDocument::namesChanged, this, &RecoveryKeeper::OnChanged);
    connect(&document, &CGameDocument::stepApplied, this, &RecoveryKeeper::OnChanged);
    // Saved, loaded or closed: the edits a copy would hold are saved or given up.
    connect(&document, &CGameDocument::gameSaved, this, &RecoveryKeeper::Forget);
    connect(&document, &CGameDocument::gameReset, this, &RecoveryKeeper::Forget);
}

void RecoveryKeeper::OnChanged()
{
    m_changed = true;
    // At most one copy per interval: the first change after a copy starts the wait.
    if (!m_timer.isActive())
        m_timer.start(EditorPreferences::Read().RecoverySeconds() * 1000);
}

void RecoveryKeeper::WriteCopyIfDue()
{
    const CGame& game = m_document.Game();
    if (!game.IsModified()) {
        // Undone back to the file on disk: nothing to recover.
        Forget();
        return;
    }
    if (!m_changed)
        return;
    m_changed = false;
    const GameStatus status = Recovery::Write(game, m_folder);
    if (!status) {
        const QString message = tr("No recovery copy of the unsaved changes could be kept: %1")
                                    .arg(QString::fromStdString(status.message()));
        if (message != m_lastFailure)
            emit copyFailed(message);
        m_lastFailure = message;
        return;
    }
    m_lastFailure.clear();
    m_keptFor = game.GameFile();
}

void RecoveryKeeper::Forget()
{
    m_timer.stop();
    m_changed = false;
    if (!m_keptFor.empty())
        Recovery::Discard(m_keptFor, m_folder);
    m_keptFor.clear();
}

void RecoveryKeeper::OfferRecovery(QWidget* parent)
{
    const std::string path = m_document.Game().GameFile();
    const Recovery::Found found = path.empty() ? Recovery::Found() : Recovery::Find(path, m_folder);
    if (found.state == Recovery::State::None)
        return;
    if (found.state == Recovery::State::Outdated) {
        const std::string kept = Recovery::SetAside(found);
        Messages().ShowMessage(parent,
            tr("Orbek was closed without saving the changes to \"%1\", but the file has changed since. "
               "The changes were not recovered; they are kept in \"%2\".")
                .arg(Shown(path), Shown(kept)),
            IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
        return;
    }
    const auto answer = Messages().ShowMessage(parent,
        tr("Orbek was closed without saving the changes to \"%1\". Recover them?").arg(Shown(path)),
        IMessageService::Buttons::YesNo, IMessageService::Icon::Question);
    if (answer != IMessageService::Answer::Yes) {
        Recovery::Discard(path, m_folder);
        return;
    }
    const GameStatus status = m_document.Edit(tr("Recover Unsaved Changes"),
        [&](GameEdit& edit) { return Recovery::Apply(edit, found.copy); });
    if (!status) {
        const std::string kept = Recovery::SetAside(found);
        Messages().ShowMessage(parent,
            tr("%1 The copy is kept in \"%2\".").arg(QString::fromStdString(status.message()), Shown(kept)),
            IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
        return;
    }
    // The copy now holds the game's unsaved edits: a save or close deletes it.
    m_keptFor = path;
}

#pragma once

#include "gamedata/CGame.h"
#include "gamedata/GameEdit.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUndoStack>

#include <cstdint>
#include <functional>
#include <optional>

// The loaded game as the editor sees it: it owns the game and the history
// of its edits (a QUndoStack of GameSteps). Every change the editor makes
// runs through Edit() (or, for a dialog that keeps one edit open while it
// is shown, is handed in finished through AddStep()), and the core's change
// notifications come out as the signals the tree and the form listen to.
//
// The form's "*" while the user types is a mark of the document, not of the
// game: the player is not changed until the form commits.
class CGameDocument : public QObject
{
    Q_OBJECT

public:
    explicit CGameDocument(QObject* parent = nullptr);
    ~CGameDocument() override;
    CGameDocument(const CGameDocument&) = delete;
    CGameDocument& operator=(const CGameDocument&) = delete;

    CGame& Game() { return m_game; }
    const CGame& Game() const { return m_game; }
    QUndoStack& History() { return m_history; }

    // Loading or closing a game empties the history; a save marks its clean state.
    GameStatus Load(const QString& path);
    // backups: how the file being replaced is backed up first; none when empty.
    GameStatus Save(const QString& newPath = {}, const std::optional<Backups::Settings>& backups = std::nullopt);
    void Close();

    // Runs the operation in an edit of its own. Success commits it, and a
    // commit that changed anything becomes the step `stepName`; failure
    // rolls everything back and returns the message for the caller to show.
    GameStatus Edit(const QString& stepName, const std::function<GameStatus(GameEdit&)>& operation);
    // A finished edit that a dialog committed itself; an empty one adds nothing.
    void AddStep(GameUndoRecord record);

    // The game or the form holds changes not saved yet.
    bool IsModified() const { return m_game.IsModified() || m_pendingPlayer != 0; }
    // The player the editor shows and the form edits (-1 = none); a load or
    // close clears it.
    int CurrentPlayer() const { return m_currentPlayer; }
    // Emits currentPlayerChanged when the id changes.
    void SetCurrentPlayer(int playerId);
    // The player the form holds uncommitted edits for (0 = none).
    int PendingPlayer() const { return m_pendingPlayer; }
    void SetPendingPlayer(int playerId);
    // The tree's label: display name, "*" when modified or pending.
    QString PlayerLabel(const CPlayer& player) const;

    // Where the game's photos are; empty when unknown.
    const QString& GameFolder() const { return m_gameFolder; }
    void SetGameFolder(const QString& folder) { m_gameFolder = folder; }

    static QString GameText(const std::string& bytes);
    // "<action> <display name>", the name of a step on one player.
    static QString StepName(const QString& action, const CPlayer& player);

    // A step of the history was applied back or forth (GameStep calls it).
    void StepApplied(const GameUndoRecord& record);

signals:
    void playersChanged(const QList<quint32>& playerIds);
    void teamsChanged(const QList<quint32>& teamIds);
    void namesChanged();
    // A load or close replaced the whole game.
    void gameReset();
    // A save cleared the modified flags.
    void gameSaved();
    void pendingPlayerChanged(int previousId, int playerId);
    // The player the editor shows became another one (-1 = none).
    void currentPlayerChanged(int playerId);
    // After an undo or redo: the players the step changed.
    void stepApplied(const QList<quint32>& playerIds);

private:
    void OnGameChange(const GameChange& change);

    CGame m_game;
    QUndoStack m_history;
    std::size_t m_observerToken = 0;
    int m_currentPlayer = -1;
    int m_pendingPlayer = 0;
    QString m_gameFolder;
};

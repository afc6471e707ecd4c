#pragma once

#include "RecoveryKeeper.h"
#include "document/CGameDocument.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class CMainFrame;
class CSaveCheck;
class CPlayerAttributesView;
class CTeamView;
class QWidget;

// The application: starts the editor, owns the game document and the main
// window, and runs the file operations. A core operation that fails is
// reported here, in a box with the core's message.
//
// Ownership:  COrbekApp ──owns──> CGameDocument ──> CGame, undo history
//                 └──────owns──> CMainFrame ──> panes (tree, banner, form)
// The panes get the document, hold ids, never records, and follow the
// document's signals; the application follows the tree's selection.
class COrbekApp : public QObject
{
    Q_OBJECT

public:
    COrbekApp();
    ~COrbekApp() override;
    COrbekApp(const COrbekApp&) = delete;
    COrbekApp& operator=(const COrbekApp&) = delete;

    // The start-up sequence. `arguments` are the command-line arguments
    // after the program name; the first one, if any, is a game file.
    // False ends the program (a named file that cannot be opened at all).
    bool InitInstance(const QStringList& arguments);
    // Frees the game at the end of the run.
    int ExitInstance();

    CGameDocument& Document() { return m_document; }
    CGame& Game() { return m_document.Game(); }
    const CGame& Game() const { return m_document.Game(); }
    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    // The panes, found through the frame's splitters; null before start-up.
    CTeamView* TeamView() const;
    CPlayerAttributesView* PlayerForm() const;

    // Game operations. Each returns false after showing the core's message.
    bool LoadGameFile(const QString& path);
    // Empty path: save in place. A successful Save As makes the new path the
    // loaded file. Edits that brought in new problems ask first (a
    // preference); No saves nothing and returns false.
    bool SaveGameFile(const QString& newPath = {});
    void FreeGameData();
    // Puts the backup back in place of the loaded file (which is backed up
    // first, so the restore can be undone in turn) and loads it as Open
    // would. Unsaved edits are the caller's to ask about.
    bool RestoreBackup(const QString& backupPath);
    // A step "Move <name>"; bSelect selects the player in the tree afterwards.
    bool MovePlayer(std::uint32_t playerId, std::uint16_t oldTeam, std::uint16_t newTeam, bool bSelect);
    void RefreshAllLabels();

    // The tree's selection changed to the node with this item data.
    void OnTreeSelection(std::uint32_t itemData);

    // Asks for the game folder and remembers it in "Orbek.INI".
    void BrowseForGameFolder();
    // The folder browser for the game folder, starting at `current` (where
    // the first start starts when empty): the chosen folder with native
    // separators, or empty when cancelled.
    static QString AskForGameFolder(QWidget* parent, const QString& current = {});
    // Makes the folder the document's game folder and remembers it in
    // "Orbek.INI" (a warning when the file cannot be written).
    void SetGameFolder(const QString& folder);
    // The About command.
    void OnAppAbout();

    // The work the framework did at idle time: the player form is enabled
    // exactly while a player is current, and the commands follow the state.
    // Runs whenever the event loop is about to wait, and after every command.
    void OnIdle();

    // The loaded file's path (already Unicode, unlike game text).
    QString GameFilePath() const { return QString::fromStdString(Game().GameFile()); }
    bool m_bFindMatchCase = false;
    int m_nFindDirection = 0; // 0 = Down, 1 = Up
    QString m_strFindText;
    bool m_bFindWholeWord = false;

private:
    void ShowSplash();
    void ReadGameFolder();
    // The loaded file goes to the top of the recent files.
    void NoteRecentFile();
    // Where the folder browser starts: "C:\" where drive letters exist.
    static QString InitialBrowseFolder();
    // An undo or redo: the player it changed is shown and selected.
    void OnStepApplied(const QList<quint32>& playerIds);

    CGameDocument m_document;
    RecoveryKeeper m_recovery{m_document}; // a copy of unsaved edits, offered back on open
    std::unique_ptr<CSaveCheck> m_saveCheck; // asks before a save that brings in new problems
    std::unique_ptr<CMainFrame> m_pMainFrame;
};

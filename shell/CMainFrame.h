#pragma once

#include "gamedata/RecordDiff.h"

#include <QMainWindow>
#include <QPointer>

#include <map>

class CCheckGameDlg;
class COrbekApp;
class COrbekView;
class CPlayersPanel;
class CPlayerAttributesView;
class COrbekStatusBar;
class CTeamView;
class QAction;
class QDockWidget;
class QSplitter;
class QToolBar;

// The editor's one top-level window: menu, toolbar, status bar, the 1 x 2
// splitter with the team tree and the right-hand view, and the commands
// that act on the whole file (open, save, save as, drop, close) and on the
// loaded game (edit, view and help menus). It keeps no game state of its
// own: it reads and changes COrbekApp's.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(COrbekApp& app);
    ~CMainFrame() override;

    // Reads the stored placement and sizes the window before it is shown.
    // Returns the state to show it in (a window closed maximised comes back
    // maximised).
    Qt::WindowStates RestorePlacement();

    // Pane (0, 0) of the frame's splitter, and the view in pane (0, 1).
    CTeamView* TeamView() const;
    COrbekView* MainView() const;
    CPlayerAttributesView* PlayerForm() const;
    // The panel of the View > Players Table dock.
    CPlayersPanel* PlayersPanel() const;

    QAction* Action(int commandId) const;
    // Enables the commands from the application's state.
    void UpdateCommandUI();
    // "%s - Orbek" with the loaded file's path.
    void SetCaptionFromGameFile();

    // The unsaved-data question. False when the user chose to save and the
    // save failed: the caller must not go on.
    bool SaveModifiedIfWanted();

    void OnOpen();
    void OnSave();
    void OnSaveAs();
    // Loads the first of the dropped files.
    void OnDropFiles(const QStringList& paths);
    // File > "1 <path>"...: as Open of that file; a file that no longer
    // exists leaves the list with a message instead.
    void OnOpenRecentFile(const QString& path);
    // Shows the list of recent files in the File menu as it is stored.
    void UpdateRecentFileMenu();
    // Edit > Preferences: OK stores the settings and the game folder.
    void OnPreferences();
    // File > Restore Backup: the backups of the loaded file; the one chosen
    // replaces it once the unsaved-data question lets it.
    void OnRestoreBackup();
    // File > Export Players: the players (all, or the table's filtered
    // rows when the user wants only those) to a CSV file.
    void OnExportPlayers();
    // File > Import Players: a CSV file read and previewed; Apply makes its
    // changes one step.
    void OnImportPlayers();
    void OnFind();
    void OnFindNext();
    void OnTeamProperties();
    void OnPlayerStats();
    void OnCopyFrom();
    void OnCollapseTeamsTree();
    void OnHelpContents();
    // Tools > Check Game: the modeless list of the game's problems; a
    // finding chosen there shows its player or opens Team Properties on
    // its team.
    void OnCheckGame();
    // Tools > Compare With File: another game file, loaded apart from the
    // document, against the loaded game.
    void OnCompareWithFile();
    // Tools > Compare With Saved: the file on disk against the edited game
    // (the form committed first): what the next save changes.
    void OnCompareWithSaved();
    // Team Properties starting on one team (the alphabetically first when
    // teamId is no team).
    void OpenTeamProperties(int teamId);
    // Selects the player in the tree (the form follows); nothing when the
    // loaded game has no such player.
    void ShowPlayer(quint32 playerId);
    // Commit the form, then take back or apply again one step.
    void OnUndo();
    void OnRedo();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateRecentFileActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    // The undo and redo commands follow the history; View > History shows it.
    void CreateHistory();
    // True (the event is eaten) when the form refused to commit before a
    // move through the History panel.
    bool CommitBeforeHistoryMove(QObject* watched, QEvent* event);
    // View > Players Table shows the "Players" dock below the form; its rows
    // and the tree select each other, its actions run the batch edits.
    void CreatePlayersTable();
    // The docks' layout and the table's columns, with the window's placement.
    void SavePlayersTable();
    void RestorePlayersTable();
    void OnCreateClient();
    // F6 and Shift+F6: the focus goes to the next or previous pane.
    void ActivateNextPane(bool forward);
    // A save dialog (Save As, Export Players), until a name that is new or
    // may be replaced is chosen: the full path to write, with the default
    // extension added to a name typed without one, or empty when the user
    // cancels.
    QString AskSaveAsTarget(const QString& caption, QString start, const char* filter, const char* extension);
    // The Open dialog for a game file: its absolute path, the default
    // extension added to a name typed without one; empty when cancelled.
    QString AskGameFileToOpen(const QString& caption);
    // The Compare window for these differences, in place of the one open.
    void ShowComparison(std::vector<RecordDiff::Difference> differences, const QString& direction);
    // Commits the player form (before a save or an undo); false when the
    // form refused.
    bool CommitCurrentPlayer();
    void SavePlacement();

    COrbekApp& m_app;
    QSplitter* m_wndSplitter = nullptr;
    COrbekStatusBar* m_wndStatusBar = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QDockWidget* m_wndHistory = nullptr;
    QDockWidget* m_wndPlayers = nullptr;
    QAction* m_recentSeparator = nullptr; // below the recent files, hidden with them
    std::map<int, QAction*> m_actions;
    QPointer<CCheckGameDlg> m_checkGameDlg; // made at the first Check Game
    QPointer<QWidget> m_compareDlg; // the Compare window open, if any
};

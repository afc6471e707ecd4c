#pragma once

#include <array>

// The editor's commands as the menu, the keys, the toolbar and the status
// bar show them. `id` is the command's fixed number
// (tests and code find an action by it, or by its object name). `prompt` is
// the status-bar text and the tool tip, separated by "\n"; empty for none.
struct CommandInfo
{
    int id;
    const char* objectName;
    const char* text;
    const char* key; // in Qt's portable key text ("Ctrl+O"); empty = none
    const char* prompt;
    const char* icon; // toolbar image name, empty = not on the toolbar
};

namespace Command {
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kHistory = 32785;
inline constexpr int kOpen = 32772;
inline constexpr int kSave = 32771;
inline constexpr int kSaveAs = 32775;
inline constexpr int kExit = 57665;
inline constexpr int kFind = 57636;
inline constexpr int kFindNext = 32774;
inline constexpr int kTeamProperties = 32776;
inline constexpr int kPlayerStats = 32781;
inline constexpr int kCopyFrom = 32783;
inline constexpr int kToolbar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kCollapseTeamsTree = 32782;
inline constexpr int kHelpContents = 32784;
inline constexpr int kAbout = 57664;
inline constexpr int kPreferences = 32786;
inline constexpr int kRestoreBackup = 32787;
inline constexpr int kPlayersTable = 32788;
inline constexpr int kExportPlayers = 32789;
inline constexpr int kImportPlayers = 32790;
inline constexpr int kCheckGame = 32791;
inline constexpr int kCompareWithFile = 32792;
inline constexpr int kCompareWithSaved = 32793;
// "1 <path>" to "4 <path>" in the File menu: kRecentFile1 + index.
inline constexpr int kRecentFile1 = 57616;
} // namespace Command

inline constexpr std::array<CommandInfo, 25> kCommands{{
    // The undo texts name the step to undo or redo ("&Undo Edit Smith J").
    {Command::kUndo, "actionUndo", "&Undo\tCtrl+Z", "Ctrl+Z", "Undo the last step\nUndo", "undo"},
    {Command::kRedo, "actionRedo", "&Redo\tCtrl+Y", "Ctrl+Y", "Redo the step undone last\nRedo", "redo"},
    {Command::kHistory, "actionHistory", "&History", "",
        "Show or hide the list of steps, to go back to any of them\nHistory", ""},
    {Command::kOpen, "actionOpen", "&Open...\tCtrl+O", "Ctrl+O", "", "open"},
    {Command::kSave, "actionSave", "&Save\tCtrl+S", "Ctrl+S", "", "save"},
    {Command::kSaveAs, "actionSaveAs", "Save &As...", "",
        "Save the active file with a new name\nSave As", "saveas"},
    {Command::kRestoreBackup, "actionRestoreBackup", "&Restore Backup...", "",
        "Put back a copy of the file as it was before a save\nRestore Backup", ""},
    {Command::kExportPlayers, "actionExportPlayers", "&Export Players...", "",
        "Write the players to a CSV file\nExport Players", ""},
    {Command::kImportPlayers, "actionImportPlayers", "&Import Players...", "",
        "Change players from a CSV file, after a preview\nImport Players", ""},
    {Command::kExit, "actionExit", "E&xit", "",
        "Quit the application; prompts to save documents\nExit", ""},
    {Command::kFind, "actionFind", "&Find\tAlt-F3", "Alt+F3",
        "Find Player\nFind", "find"},
    {Command::kFindNext, "actionFindNext", "Find &Next\tF3", "F3",
        "Repeat Find\nFind Next", "findnext"},
    {Command::kTeamProperties, "actionTeamProperties", "&Team Properties...\tCtrl+T", "Ctrl+T", "Edit Team Properties\nTeam Properties", "team"},
    {Command::kPlayerStats, "actionPlayerStats", "Player Stats...\tAlt-S", "Alt+S", "Player Stats\nStats", ""},
    {Command::kCopyFrom, "actionCopyFrom", "Copy From...\tCtrl-C", "Ctrl+C",
        "Copy Attributes From Another Player\nCopy From", ""},
    {Command::kToolbar, "actionToggleToolBar", "&Toolbar", "",
        "Show or hide the toolbar\nToggle ToolBar", ""},
    {Command::kStatusBar, "actionToggleStatusBar", "&Status Bar", "",
        "Show or hide the status bar\nToggle StatusBar", ""},
    {Command::kPlayersTable, "actionPlayersTable", "Players &Table\tCtrl+L", "Ctrl+L",
        "Show or hide the table of all players\nPlayers Table", ""},
    {Command::kCheckGame, "actionCheckGame", "&Check Game...\tF7", "F7",
        "List the problems of the game and how to fix them\nCheck Game", ""},
    {Command::kCompareWithFile, "actionCompareWithFile", "Compare With &File...", "",
        "Show how another game file differs from this game\nCompare With File", ""},
    {Command::kCompareWithSaved, "actionCompareWithSaved", "Compare With &Saved", "",
        "Show what the next save will change in the file\nCompare With Saved", ""},
    {Command::kCollapseTeamsTree, "actionCollapseTeamsTree", "&Collapse Teams Tree\tAlt-C", "Alt+C", "", ""},
    {Command::kHelpContents, "actionHelpContents", "&Contents", "",
        "Display help contents\nHelp Contents", ""},
    {Command::kAbout, "actionAbout", "&About Orbek...", "",
        "Display program information, version number and copyright\nAbout", "about"},
    {Command::kPreferences, "actionPreferences", "&Preferences...", "",
        "Change the backup, recovery and game folder settings\nPreferences", ""},
}};

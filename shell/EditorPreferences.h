#pragma once

#include "gamedata/Backups.h"

// The editor's preferences, kept in the user's settings (group
// "Preferences" of WindowPlacement::Profile()): whether a game file is
// backed up before a save replaces it, how many backups of a file are kept,
// how often recovery information is saved, and whether a save first checks
// the game for problems the edits brought in. A stored value out of range
// reads as the nearest allowed one, a value that is not a number as the
// default.
class EditorPreferences
{
public:
    struct Range
    {
        int minimum;
        int maximum;
        int fallback;
    };
    static constexpr Range kBackupsToKeep{Backups::kMinKeep, Backups::kMaxKeep, Backups::kDefaultKeep};
    static constexpr Range kRecoverySeconds{10, 600, 30};

    static EditorPreferences Read();
    void Write() const;

    bool MakeBackups() const { return m_makeBackups; }
    void SetMakeBackups(bool on) { m_makeBackups = on; }
    int BackupsToKeep() const { return m_backupsToKeep; }
    void SetBackupsToKeep(int count); // brought into kBackupsToKeep
    // Where backups go and how many are kept, for a save (while MakeBackups)
    // and for a restore (always: it keeps the file it replaces).
    Backups::Settings BackupSettings() const { return {m_backupsToKeep, {}}; }
    bool CheckBeforeSave() const { return m_checkBeforeSave; }
    void SetCheckBeforeSave(bool on) { m_checkBeforeSave = on; }
    int RecoverySeconds() const { return m_recoverySeconds; }
    void SetRecoverySeconds(int seconds); // brought into kRecoverySeconds

    bool operator==(const EditorPreferences&) const = default;

private:
    bool m_makeBackups = true;
    int m_backupsToKeep = kBackupsToKeep.fallback;
    int m_recoverySeconds = kRecoverySeconds.fallback;
    bool m_checkBeforeSave = true;
};

#include "EditorPreferences.h"

#include "services/WindowPlacement.h"

#include <algorithm>

namespace {

constexpr const char* kGroup = "Preferences";
constexpr const char* kMakeBackupsKey = "MakeBackups";
constexpr const char* kBackupsToKeepKey = "BackupsToKeep";
constexpr const char* kRecoverySecondsKey = "RecoverySeconds";
constexpr const char* kCheckBeforeSaveKey = "CheckBeforeSave";

int Clamped(int value, const EditorPreferences::Range& range)
{
    return std::clamp(value, range.minimum, range.maximum);
}

int ReadNumber(const QSettings& settings, const char* key, const EditorPreferences::Range& range)
{
    bool ok = false;
    const int value = settings.value(QString::fromLatin1(key)).toInt(&ok);
    return ok ? Clamped(value, range) : range.fallback;
}

} // namespace

EditorPreferences EditorPreferences::Read()
{
    QSettings settings = WindowPlacement::Profile();
    settings.beginGroup(QString::fromLatin1(kGroup));
    EditorPreferences preferences;
    // Backups stay on unless switched off ("false" or "0").
    const QVariant makeBackups = settings.value(QString::fromLatin1(kMakeBackupsKey));
    preferences.m_makeBackups = !makeBackups.isValid() || makeBackups.toBool();
    preferences.m_backupsToKeep = ReadNumber(settings, kBackupsToKeepKey, kBackupsToKeep);
    preferences.m_recoverySeconds = ReadNumber(settings, kRecoverySecondsKey, kRecoverySeconds);
    preferences.m_checkBeforeSave = settings.value(QString::fromLatin1(kCheckBeforeSaveKey), true).toBool();
    return preferences;
}

void EditorPreferences::Write() const
{
    QSettings settings = WindowPlacement::Profile();
    settings.beginGroup(QString::fromLatin1(kGroup));
    settings.setValue(QString::fromLatin1(kMakeBackupsKey), m_makeBackups);
    settings.setValue(QString::fromLatin1(kBackupsToKeepKey), m_backupsToKeep);
    settings.setValue(QString::fromLatin1(kRecoverySecondsKey), m_recoverySeconds);
    settings.setValue(QString::fromLatin1(kCheckBeforeSaveKey), m_checkBeforeSave);
}

void EditorPreferences::SetBackupsToKeep(int count)
{
    m_backupsToKeep = Clamped(count, kBackupsToKeep);
}

void EditorPreferences::SetRecoverySeconds(int seconds)
{
    m_recoverySeconds = Clamped(seconds, kRecoverySeconds);
}

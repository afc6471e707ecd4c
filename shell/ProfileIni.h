#pragma once

#include <QString>

// "Orbek.INI": the small settings file that remembers the game folder
// (section "Orbek", key "ICC Folder"). It lives in the user's configuration
// folder and is read and written the way Windows treats profile files:
// other sections, keys and comments in it are kept as they are.
namespace ProfileIni {

inline constexpr const char* kFileName = "Orbek.INI";
inline constexpr const char* kSection = "Orbek";
inline constexpr const char* kFolderKey = "ICC Folder";
inline constexpr int kMaxValueLength = 255;

// Full path of "Orbek.INI" in the user's configuration folder.
QString FilePath();

// The value, at most 255 characters; `fallback` when the file, the section
// or the key is missing. Section and key names match in any letter case.
QString GetString(const QString& path, const QString& section, const QString& key, const QString& fallback = {});

// Sets the value, adding the file, section or key as needed. False when the
// file could not be written (the old file is then unchanged).
bool WriteString(const QString& path, const QString& section, const QString& key, const QString& value);

} // namespace ProfileIni

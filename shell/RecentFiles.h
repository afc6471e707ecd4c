#pragma once

#include <QStringList>

// The files opened last, newest first, kept in the user's settings (group
// "Recent File List", values "File1" to "File4"). A path is listed once,
// as an absolute path.
namespace RecentFiles {

inline constexpr int kMaxCount = 4;

QStringList Read();
// Puts the file at the top; the oldest beyond kMaxCount drops off.
void Add(const QString& path);
void Remove(const QString& path);

} // namespace RecentFiles

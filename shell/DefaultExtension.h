#pragma once

#include <QString>

// A name typed without an extension gets the dialog's default one
// (".DB", ".csv"), as the Windows file dialogs add it. When the file must
// exist and the typed name exists as it is, it stays as typed.
QString WithDefaultExtension(const QString& path, bool mustExist, const QString& extension);

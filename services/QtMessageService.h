#pragma once

#include "MessageService.h"

// The message service of a real run: Qt message boxes titled "Orbek" and
// the platform's file and folder dialogs.
//
// File filters may be given the Windows way ("Text (*.TXT)|*.TXT|...|")
// or the Qt way ("Text (*.TXT);;..."); patterns match either letter case,
// and a Windows "*.*" matches every file, with or without a dot.
class CQtMessageService : public IMessageService
{
public:
    Answer ShowMessage(QWidget* parent, const QString& text, Buttons buttons, Icon icon) override;
    QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
        const QString& filter) override;
    QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& path,
        const QString& filter) override;
    QString GetExistingDirectory(QWidget* parent, const QString& caption, const QString& folder) override;
    void Beep() override;

    // "A (*.X)|*.X|B (*.Y)|*.Y|" becomes "A (*.X *.x);;B (*.Y *.y)".
    static QString ToQtFilter(const QString& filter);
};

#pragma once

#include "document/CGameDocument.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <string>

class QWidget;

// Crash recovery of unsaved edits. While the game has edits not saved yet,
// a recovery copy of it is written (gamedata/Recovery.h) at most every
// "recovery seconds" of the preferences, and only when something changed
// since the last copy; a save, or a load or close without saving, deletes
// it. When a file is opened, a copy that a run which ended without saving
// left of it is offered back.
class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    explicit RecoveryKeeper(CGameDocument& document, QObject* parent = nullptr);

    // After the document loaded a file: asks whether to recover a copy of
    // it (Yes applies it as one undoable step, No deletes it); a copy made
    // from another version of the file is set aside and reported, never
    // applied.
    void OfferRecovery(QWidget* parent);

signals:
    // A copy could not be written (told once until the reason changes).
    void copyFailed(const QString& message);

private:
    void OnChanged();
    void WriteCopyIfDue();
    // Deletes the copy this editor keeps, if any.
    void Forget();

    CGameDocument& m_document;
    QTimer m_timer;
    bool m_changed = false;   // since the last copy
    std::string m_keptFor;    // the game file whose copy this editor keeps
    std::string m_folder;
    QString m_lastFailure;
};

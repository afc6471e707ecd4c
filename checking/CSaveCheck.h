#pragma once

#include "gamedata/GameCheck.h"

#include <QObject>
#include <QString>

#include <vector>

class CGameDocument;
class QWidget;

// The check before a save: it keeps the findings of the game as it was
// loaded (or last saved) and, when the edits since then brought in new
// ones, asks whether to save anyway. Findings the file already had never
// ask. Findings are the same when subject, id and text are.
class CSaveCheck : public QObject
{
    Q_OBJECT

public:
    explicit CSaveCheck(CGameDocument& document, QObject* parent = nullptr);

    // True when the save may go on: nothing new, or the user answered Yes.
    bool MaySave(QWidget* parent) const;
    // "This game has N new problems ...": the first three, one per line.
    static QString Question(const std::vector<GameCheck::Finding>& added);

private:
    // The game as the file on disk now holds it.
    void NoteFileFindings();

    CGameDocument& m_document;
    std::vector<GameCheck::Finding> m_fileFindings;
};

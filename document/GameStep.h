#pragma once

#include "gamedata/GameUndoRecord.h"

#include <QUndoCommand>

class CGameDocument;

// One step of the editor's history: a finished edit of the core, applied
// back and forth. The edit is already applied when the step is pushed, so
// the first redo() (QUndoStack::push calls it) does nothing.
class GameStep : public QUndoCommand
{
public:
    GameStep(CGameDocument& document, GameUndoRecord record);

    void undo() override;
    void redo() override;

    const GameUndoRecord& Record() const { return m_record; }

private:
    CGameDocument& m_document;
    GameUndoRecord m_record;
    bool m_bApplied = true;
};

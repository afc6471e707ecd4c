#include "GameStep.h"

#include "CGameDocument.h"

GameStep::GameStep(CGameDocument& document, GameUndoRecord record)
    : QUndoCommand(QString::fromStdString(record.Name()))
    , m_document(document)
    , m_record(std::move(record))
{
}

void GameStep::undo()
{
    if (m_record.Undo(m_document.Game()))
        m_document.StepApplied(m_record);
    m_bApplied = false;
}

void GameStep::redo()
{
    if (m_bApplied)
        return; // pushed after the edit: nothing to do yet
    if (m_record.Redo(m_document.Game()))
        m_document.StepApplied(m_record);
    m_bApplied = true;
}

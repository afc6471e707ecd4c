#pragma once

#include <QList>

class CGameDocument;
class QWidget;

// The players table's actions on the selected players. Each is one step of
// the document's history, named in the tone of the form's steps: "Set
// Salary of 37 players", "Excellent 37 players", "Move 37 players to Kent",
// "Take Out 37 players" (one player is named: "Set Salary of Smith J").
// The core's PlayerBatch does the work through CGameDocument::Edit; a
// refusal is shown through the message service and changes nothing.
//
// Each returns true when the action went through (a step is made when
// anything changed), false when it was cancelled or refused or no players
// were given.
//
// The caller commits the player form first (CGameDocument::PendingPlayer):
// these act on the game as it stands, and uncommitted edits of a selected
// player would otherwise be stored over the batch's values later.
namespace PlayerBatchActions {

// Asks for the field, the operation and the value in "Set Field".
bool SetField(CGameDocument& document, const QList<quint32>& ids, QWidget* parent);
// preset: 0 Average, 1 Good, 2 Excellent, 3 SuperBatsman, each player by his own type.
bool ApplyPreset(CGameDocument& document, const QList<quint32>& ids, int preset, QWidget* parent);
// Asks for the team in "Move to Team"; players already in it stay.
bool MoveToTeam(CGameDocument& document, const QList<quint32>& ids, QWidget* parent);
// Players without a team stay as they are.
bool TakeOut(CGameDocument& document, const QList<quint32>& ids, QWidget* parent);

} // namespace PlayerBatchActions

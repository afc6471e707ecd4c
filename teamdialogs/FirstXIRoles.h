#pragma once

#include "teamdialogs/ListEntry.h"

#include <string>

// The four role marks of the First XI list and the reordering by drag and
// drop. Both change only the list; the team record takes the marks and the
// order when the team is committed.
namespace FirstXIRoles {

enum class Role { Captain, Keeper, OpenBowler1, OpenBowler2 };

// "*", "+", "1", "2".
char MarkOf(Role role);

// Moves the role's mark to the one selected entry. Returns the message to
// show when it refuses (nothing changed), or an empty string.
std::string AssignRole(EntryList& firstXI, Role role);

// Puts the dragged entry directly before the entry at dropIndex, or at the
// end when dropIndex is the entry count; its marks and selection travel with
// it. Dropping an entry on itself changes nothing.
void MoveEntry(EntryList& firstXI, int dragIndex, int dropIndex);

} // namespace FirstXIRoles

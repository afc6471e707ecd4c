#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One row of a player list in the team dialogs, as the list control holds
// it: the player's id (the item data), the text of its second column where
// the dialog keeps state there (the First XI's role marks) and whether the
// row is selected. Selection lives here so that the list operations, which
// add and delete rows around selected ones, behave as the list control does.
struct ListEntry
{
    std::uint32_t nId = 0;
    std::string strMarks;
    bool bSelected = false;
};

using EntryList = std::vector<ListEntry>;

// Indexes of the selected rows, in list order.
std::vector<int> SelectedIndexes(const EntryList& list);
int SelectedCount(const EntryList& list);

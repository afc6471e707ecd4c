#include "teamdialogs/ListEntry.h"

#include <algorithm>

std::vector<int> SelectedIndexes(const EntryList& list)
{
    std::vector<int> indexes;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].bSelected)
            indexes.push_back(static_cast<int>(i));
    }
    return indexes;
}

int SelectedCount(const EntryList& list)
{
    return static_cast<int>(std::count_if(list.begin(), list.end(), [](const ListEntry& e) { return e.bSelected; }));
}

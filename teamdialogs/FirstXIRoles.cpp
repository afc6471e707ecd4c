#include "teamdialogs/FirstXIRoles.h"

#include <algorithm>

namespace FirstXIRoles {
namespace {

struct RoleTexts
{
    const char* noSelection;
    const char* several;
};

RoleTexts TextsOf(Role role)
{
    switch (role) {
    case Role::Captain:
        return {"Select a player to assign as the captain.", "Only one player can be assign as the captain."};
    case Role::Keeper:
        return {"Select a player to assign as the keeper.", "Only one player can be assign as the keeper."};
    case Role::OpenBowler1:
        return {"Select a player to assign as the first opening bowler.",
            "Only one player can be assign as the first opening bowler."};
    case Role::OpenBowler2:
        return {"Select a player to assign as the second opening bowler.",
            "Only one player can be assign as the second opening bowler."};
    }
    return {"", ""};
}

constexpr std::size_t kMaxMarksText = 255;
constexpr int kFirstXISize = 11;

} // namespace

char MarkOf(Role role)
{
    switch (role) {
    case Role::Captain:
        return '*';
    case Role::Keeper:
        return '+';
    case Role::OpenBowler1:
        return '1';
    case Role::OpenBowler2:
        return '2';
    }
    return '?';
}

std::string AssignRole(EntryList& firstXI, Role role)
{
    const RoleTexts texts = TextsOf(role);
    const std::vector<int> selected = SelectedIndexes(firstXI);
    if (selected.empty())
        return texts.noSelection;
    if (selected.size() > 1)
        return texts.several;
    ListEntry& target = firstXI[static_cast<std::size_t>(selected.front())];
    // One player may not open the bowling from both ends.
    const char other = role == Role::OpenBowler1 ? '2' : (role == Role::OpenBowler2 ? '1' : '\0');
    if (other != '\0' && target.strMarks.find(other) != std::string::npos)
        return "The selected player is already an opening bowler.";

    const char mark = MarkOf(role);
    const std::size_t limit = std::min(firstXI.size(), static_cast<std::size_t>(kFirstXISize));
    for (std::size_t i = 0; i < limit; ++i)
        std::erase(firstXI[i].strMarks, mark);
    if (target.strMarks.size() < kMaxMarksText)
        target.strMarks.push_back(mark);
    return {};
}

void MoveEntry(EntryList& firstXI, int dragIndex, int dropIndex)
{
    const int count = static_cast<int>(firstXI.size());
    if (dragIndex < 0 || dragIndex >= count || dropIndex < 0 || dropIndex > count)
        return;
    const ListEntry dragged = firstXI[static_cast<std::size_t>(dragIndex)];
    firstXI.insert(firstXI.begin() + dropIndex, dragged);
    if (dragIndex > dropIndex)
        ++dragIndex;
    firstXI.erase(firstXI.begin() + dragIndex);
}

} // namespace FirstXIRoles

#include "ChangeReport.h"

#include "RecordDiff.h"

namespace ChangeReport {

std::vector<std::string> Lines(const GameUndoRecord& record)
{
    std::vector<std::string> lines;
    for (const auto& image : record.Players()) {
        const auto fields = RecordDiff::Players(image.before, image.after);
        lines.insert(lines.end(), fields.begin(), fields.end());
    }
    for (const auto& image : record.Teams()) {
        const auto fields = RecordDiff::Teams(image.before, image.after);
        lines.insert(lines.end(), fields.begin(), fields.end());
    }
    return lines;
}

std::string Summary(const GameUndoRecord& record)
{
    std::size_t players = 0;
    for (const auto& image : record.Players())
        players += RecordDiff::Players(image.before, image.after).empty() ? 0u : 1u;
    const std::size_t fields = Lines(record).size();
    return std::to_string(players) + (players == 1 ? " player" : " players") + " changed, " + std::to_string(fields)
        + (fields == 1 ? " field" : " fields");
}

} // namespace ChangeReport

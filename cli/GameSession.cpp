#include "GameSession.h"

#include "ChangeReport.h"

namespace GameSession {

std::string WithPath(const std::string& path, const std::string& message)
{
    if (message.find(path) != std::string::npos)
        return message;
    return path + ": " + message;
}

bool Load(CGame& game, const std::string& path, CommandContext& ctx)
{
    const GameStatus status = game.LoadGameFile(path);
    if (!status) {
        ctx.Fail(WithPath(path, status.message()));
        return false;
    }
    return true;
}

bool Save(CGame& game, const std::string& outPath, CommandContext& ctx)
{
    const std::string target = outPath.empty() ? game.GameFile() : outPath;
    const auto backups = ctx.noBackup ? std::nullopt : std::optional<Backups::Settings>(Backups::Settings{});
    const GameStatus status = game.SaveGameFile(outPath, backups);
    if (!status) {
        ctx.Fail(WithPath(target, status.message()));
        return false;
    }
    return true;
}

GameUndoRecord CommitChanges(GameEdit& edit, std::string stepName)
{
    edit.MarkChangedModified();
    return edit.Commit(std::move(stepName));
}

bool SaveChanges(CGame& game, const GameUndoRecord& record, const std::string& file, const std::string& outPath,
    CommandContext& ctx)
{
    const auto changes = ChangeReport::Lines(record);
    for (const auto& line : changes)
        ctx.out << line << "\n";
    if (changes.empty() && outPath.empty()) {
        ctx.out << "no change; " << file << " was not rewritten\n";
        return true;
    }
    return Save(game, outPath, ctx);
}

} // namespace GameSession

#include "GameSession.h"

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
    const std::string target = outPath.empty() ? game.m_strGameFile : outPath;
    const GameStatus status = game.SaveGameFile(outPath);
    if (!status) {
        ctx.Fail(WithPath(target, status.message()));
        return false;
    }
    return true;
}

} // namespace GameSession

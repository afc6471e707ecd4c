#include "PlayerTestGame.h"

#include "BmpWriter.h"
#include "GameFileBuilder.h"
#include "RealisticGame.h"

namespace playertest {

testgame::GameDescription MakeGame(int playerCount)
{
    return testgame::MakeRealisticGame(6, playerCount);
}

QString WriteGame(const testgame::GameDescription& game, const testgame::TempDir& dir)
{
    const auto path = dir / "DATABASE.DB";
    testgame::WriteGame(game, path);
    return QString::fromStdString(path.string());
}

std::uint16_t PlayerInATeam(const testgame::GameDescription& game)
{
    for (const auto& player : game.players) {
        if (player.U16(testgame::layout::kTeam) != testgame::layout::kNoTeam)
            return player.id;
    }
    return 0;
}

std::uint16_t PlayerWithoutTeam(const testgame::GameDescription& game)
{
    for (const auto& player : game.players) {
        if (player.U16(testgame::layout::kTeam) == testgame::layout::kNoTeam)
            return player.id;
    }
    return 0;
}

QString WriteBitmap(const testgame::TempDir& dir, const QString& name, int width, int height)
{
    testgame::Image image(width, height, testgame::Rgb{200, 40, 40});
    const auto path = dir / name.toStdString();
    testgame::WriteBmp24(path, image);
    return QString::fromStdString(path.string());
}

} // namespace playertest

#include "gamedata/CGame.h"

namespace playertest {

bool LoadGame(CGame& game, const testgame::GameDescription& description, const testgame::TempDir& dir)
{
    return game.LoadGameFile(WriteGame(description, dir).toStdString()).ok();
}

} // namespace playertest

#include "BenchInputs.h"

#include "GameFileBuilder.h"
#include "RealisticGame.h"

namespace benchinputs {

const std::vector<Input>& All()
{
    static const std::vector<Input> inputs = {
        {"demo-3000.db", 3000, 40},
        {"max-65535.db", 65535, 40},
        {"rest-10000-names.db", 3000, 10000},
    };
    return inputs;
}

std::filesystem::path Write(const Input& input, const std::filesystem::path& folder)
{
    const auto path = folder / input.name;
    if (std::filesystem::exists(path))
        return path;
    testgame::RealisticOptions options;
    options.restTeamNameStrings = input.restTeamNameStrings;
    // The demo's seed, so demo-3000 is the demo game itself.
    testgame::WriteGame(testgame::MakeRealisticGame(20030601, input.players, options), path);
    return path;
}

} // namespace benchinputs

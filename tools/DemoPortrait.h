#pragma once

#include "BmpWriter.h"
#include "Rng.h"

namespace demo {

// A simple drawn head-and-shoulders portrait in a team's shirt colours:
// sky backdrop, shirt with a collar in the trim colour, neck, face, hair
// and eyes, all varied by the generator.
testgame::Image PaintPortrait(testgame::Rng& rng, testgame::Rgb shirt, testgame::Rgb trim, int width = 60, int height = 70);

} // namespace demo

// The one random generator of the program. It is the classic C runtime
// generator, reproduced exactly, so that a seed replays a whole game: board
// fills, shuffles, bombs, food and music choices all draw from it in order.
#pragma once

#include <cstdint>

namespace Vantile {

const int RANDOM_MAX = 32767;

void SeedRandom(uint32_t nSeed);
// 0 .. RANDOM_MAX.
int Random();
// Random() / RANDOM_MAX: a fraction in [0, 1].
float RandomFraction();

}  // namespace Vantile

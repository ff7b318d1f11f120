#include "Core/vantile_random.h"

namespace Vantile {

namespace {
uint32_t s_nState = 1;
}

void SeedRandom(uint32_t nSeed)
{
    s_nState = nSeed;
}

int Random()
{
    s_nState = s_nState * 214013u + 2531011u;
    return static_cast<int>((s_nState >> 16) & 0x7fff);
}

float RandomFraction()
{
    return Random() / static_cast<float>(RANDOM_MAX);
}

}  // namespace Vantile

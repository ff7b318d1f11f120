// Every sound the game registers, in registration order, with whether it
// is streamed and how many copies may overlap.
#pragma once

#include <cstddef>

class CSoundManager;

struct GameSound {
    const char* szName;
    bool bStreamed;
    int nCopies;
    bool bMusic;  // in the music group, registered once the music gain is set
};

extern const GameSound kGameSounds[];
extern const size_t kGameSoundCount;

// Registers the effects (bMusic false) or the music of the table.
void RegisterGameSounds(CSoundManager& manager, bool bMusic);

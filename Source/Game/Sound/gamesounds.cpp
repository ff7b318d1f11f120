#include "Game/Sound/gamesounds.h"

#include "Game/Sound/soundmanager.h"

// The three jingles are streamed although they play as effects; five
// copies for each combo and four for the fish let quick repeats overlap.
// "ocean_map.ogg" is map music held in memory.
const GameSound kGameSounds[] = {
    {"Muz Losser.ogg", true, 1, false},      {"Muz Winner.ogg", true, 2, false},
    {"muz_WINS.ogg", true, 1, false},        {"use_timestop.ogg", false, 1, false},
    {"use_shuffle.ogg", false, 1, false},    {"use_cara.ogg", false, 1, false},
    {"use_mussel.ogg", false, 1, false},     {"use_scat.ogg", false, 1, false},
    {"use_seaurchin.ogg", false, 1, false},  {"use_turtle.ogg", false, 1, false},
    {"use_crab.ogg", false, 1, false},       {"use_star.ogg", false, 1, false},
    {"heart.ogg", false, 1, false},          {"use_heart.ogg", false, 1, false},
    {"powerup_take.ogg", false, 1, false},   {"powerup_ready.ogg", false, 1, false},
    {"star.ogg", false, 1, false},           {"crab.ogg", false, 1, false},
    {"tooltip.ogg", false, 1, false},        {"bonus1.ogg", false, 1, false},
    {"bonus2.ogg", false, 1, false},         {"bonus3.ogg", false, 1, false},
    {"bonus4.ogg", false, 1, false},         {"change.ogg", false, 1, false},
    {"circuit.ogg", false, 1, false},        {"column_down.ogg", false, 1, false},
    {"combo1.ogg", false, 5, false},         {"combo2.ogg", false, 5, false},
    {"combo3.ogg", false, 5, false},         {"combo4.ogg", false, 5, false},
    {"combo5.ogg", false, 5, false},         {"combo6.ogg", false, 5, false},
    {"combo7.ogg", false, 5, false},         {"delete_rows.ogg", false, 1, false},
    {"Click.ogg", false, 1, false},          {"ocean_map.ogg", false, 1, false},
    {"select.ogg", false, 2, false},         {"sklyanki.ogg", false, 1, false},
    {"clear_fish.ogg", false, 4, false},     {"free_fish.ogg", false, 4, false},
    {"noselect_minigame.ogg", false, 1, false}, {"select_minigame.ogg", false, 1, false},
    {"use_snowflake.ogg", false, 1, false},  {"muz.ogg", true, 1, true},
    {"muz intro.ogg", true, 1, true},        {"muz var 1.ogg", true, 1, true},
    {"muz var 2.ogg", true, 1, true},        {"muz_minigame.ogg", true, 1, true},
};
const size_t kGameSoundCount = sizeof kGameSounds / sizeof kGameSounds[0];

void RegisterGameSounds(CSoundManager& manager, bool bMusic)
{
    for (const GameSound& sound : kGameSounds) {
        if (sound.bMusic == bMusic)
            manager.registerSound(sound.szName, sound.bStreamed, sound.nCopies);
    }
}

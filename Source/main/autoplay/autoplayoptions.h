// The command line of the headless players:
//   quellon --autoplay [--levels N] [--seed S] [--fixed-step] [--shots DIR]
//   quellon --monkey [--minutes M] [--seed S] [--fixed-step] [--shots DIR]
// in any order; --help prints the usage. Without --autoplay or --monkey
// the program takes no options and starts as always.
#pragma once

#include <cstdint>
#include <string>

// A display to open the window on, or a video driver chosen by hand.
bool HasDisplay();

struct SAutoplayOptions {
    // The autoplayer, the monkey (monkey.h) or neither.
    bool bEnabled = false;
    bool bMonkey = false;
    bool bHelp = false;
    // Levels to finish, won or lost, before the autoplayer quits.
    int nLevels = 1;
    // The monkey's run: minutes of game time under a fixed step, of the
    // wall clock otherwise.
    double dMinutes = 1.0;
    // The game's random numbers and the monkey's choices. Unseeded the
    // autoplayer leaves the game its own seed and the monkey takes one
    // from the clock (and prints it); a fixed step seeds with 1.
    uint32_t nSeed = 1;
    bool bSeeded = false;
    // Every frame 1/60 s of game time, drawn as fast as the machine can.
    bool bFixedStep = false;
    // The pictures, the player's folder and the monkey's step log.
    std::string strShots;

    bool headless() const { return bEnabled || bMonkey; }
    // False with the reason when the line is not understood.
    bool parse(int argc, char** argv, std::string& strError);
    // The player's own files stay untouched: the game keeps its profiles
    // and log under the pictures' folder, starting afresh. Without a
    // display the game draws offscreen. False when the folder cannot be
    // made.
    bool prepareEnvironment(std::string& strError) const;
    std::string playerFolder() const { return strShots + "/player"; }
    // The per-user folder the game makes there.
    std::string dataFolder() const { return playerFolder() + "/Quellon 1.0"; }
    static const char* usage();
};

// What the autoplayer prints when the game has ended; the program's exit
// status.
class CAutoPlayer;
int ReportAutoplay(const CAutoPlayer& player, const SAutoplayOptions& options);

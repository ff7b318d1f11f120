// The command line of the headless player:
//   quellon --autoplay [--levels N] [--shots DIR]
// Without --autoplay the program takes no options and starts as always.
#pragma once

#include <string>

// A display to open the window on, or a video driver chosen by hand.
bool HasDisplay();

struct SAutoplayOptions {
    bool bEnabled = false;
    // Levels to finish, won or lost, before the player quits.
    int nLevels = 1;
    std::string strShots = "autoplay";

    // False with the reason when the line is not understood.
    bool parse(int argc, char** argv, std::string& strError);
    // The player's own files stay untouched: the game keeps its profiles
    // and log under the pictures' folder, starting afresh. Without a
    // display the game draws offscreen. False when the folder cannot be
    // made.
    bool prepareEnvironment(std::string& strError) const;
    std::string playerFolder() const { return strShots + "/player"; }
};

// What the player prints when the game has ended; the program's exit
// status.
class CAutoPlayer;
int ReportAutoplay(const CAutoPlayer& player, const SAutoplayOptions& options);

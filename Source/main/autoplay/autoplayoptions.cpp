#include "main/autoplay/autoplayoptions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "main/autoplay/autoplayer.h"

namespace {

const char* const USAGE_LINE =
    "usage: quellon --autoplay [--levels N] | --monkey [--minutes M], then [--seed S] [--fixed-step] [--shots DIR]";
const char* const HELP =
    "usage: quellon [--autoplay [--levels N] | --monkey [--minutes M]] [--seed S] [--fixed-step] [--shots DIR]\n"
    "\n"
    "Without options the game starts in its window. The headless players play the\n"
    "real game through its window input, offscreen when there is no display:\n"
    "  --autoplay      names a player, starts a new game and plays levels with a bot,\n"
    "                  a picture of every screen in DIR (default \"autoplay\")\n"
    "  --levels N      levels the autoplayer finishes, won or lost (1 to 1000; 1)\n"
    "  --monkey        plays at random at a frantic pace through every screen and\n"
    "                  checks the profile file, the GUI's window stack and the log;\n"
    "                  a picture of each screen it reaches and its steps in DIR\n"
    "                  (default \"monkey\")\n"
    "  --minutes M     the monkey's run (game minutes under --fixed-step; 1)\n"
    "  --seed S        seeds the game's random numbers and the monkey (0 to 4294967295)\n"
    "  --fixed-step    every frame is 1/60 s of game time, drawn as fast as the\n"
    "                  machine allows: a seed replays the same run on any machine\n"
    "  --shots DIR     the folder of the pictures; the player's profiles and log\n"
    "                  live in DIR/player\n";
const int MAX_LEVELS = 1000;
const double MAX_MINUTES = 100000.0;

bool readCount(const char* szText, int& nValue)
{
    char* pEnd = nullptr;
    const long nRead = strtol(szText, &pEnd, 10);
    if (*szText == '\0' || *pEnd != '\0' || nRead < 1 || nRead > MAX_LEVELS)
        return false;
    nValue = int(nRead);
    return true;
}

bool readSeed(const char* szText, uint32_t& nValue)
{
    char* pEnd = nullptr;
    if (*szText < '0' || *szText > '9')
        return false;
    const unsigned long long nRead = strtoull(szText, &pEnd, 10);
    if (*pEnd != '\0' || nRead > 0xFFFFFFFFull)
        return false;
    nValue = uint32_t(nRead);
    return true;
}

bool readMinutes(const char* szText, double& dValue)
{
    char* pEnd = nullptr;
    const double dRead = strtod(szText, &pEnd);
    if (*szText == '\0' || *pEnd != '\0' || !std::isfinite(dRead) || dRead <= 0.0 || dRead > MAX_MINUTES)
        return false;
    dValue = dRead;
    return true;
}

}  // namespace

bool HasDisplay()
{
    const char* szDriver = getenv("SDL_VIDEODRIVER");
    return (szDriver && *szDriver) || getenv("DISPLAY") || getenv("WAYLAND_DISPLAY");
}

const char* SAutoplayOptions::usage()
{
    return HELP;
}

bool SAutoplayOptions::parse(int argc, char** argv, std::string& strError)
{
    // The first option that needs a player, for the complaint when none
    // is asked for.
    std::string strNeedsPlayer;
    bool bLevels = false, bMinutes = false;
    for (int i = 1; i < argc; ++i) {
        const std::string strArg = argv[i];
        const bool bValue = i + 1 < argc;
        if (strArg == "--help" || strArg == "-h") {
            bHelp = true;
        } else if (strArg == "--autoplay") {
            bEnabled = true;
        } else if (strArg == "--monkey") {
            bMonkey = true;
        } else if (strArg == "--levels" && bValue) {
            bLevels = true;
            if (!readCount(argv[++i], nLevels)) {
                strError = std::string("--levels takes a whole number from 1 to 1000, not \"") + argv[i] + "\"";
                return false;
            }
        } else if (strArg == "--minutes" && bValue) {
            bMinutes = true;
            if (!readMinutes(argv[++i], dMinutes)) {
                strError = std::string("--minutes takes a number above 0 and up to 100000, not \"") + argv[i] + "\"";
                return false;
            }
        } else if (strArg == "--seed" && bValue) {
            bSeeded = true;
            if (!readSeed(argv[++i], nSeed)) {
                strError = std::string("--seed takes a whole number from 0 to 4294967295, not \"") + argv[i] + "\"";
                return false;
            }
        } else if (strArg == "--fixed-step") {
            bFixedStep = true;
        } else if (strArg == "--shots" && bValue && argv[i + 1][0] != '\0') {
            strShots = argv[++i];
        } else {
            strError = "unknown option \"" + strArg + "\"; " + USAGE_LINE;
            return false;
        }
        if (strNeedsPlayer.empty() && strArg != "--autoplay" && strArg != "--monkey" && !bHelp)
            strNeedsPlayer = strArg;
    }
    if (bHelp)
        return true;
    if (bEnabled && bMonkey) {
        strError = std::string("--autoplay and --monkey are two players; choose one. ") + USAGE_LINE;
        return false;
    }
    if (bLevels && !bEnabled) {
        strError = std::string("--levels needs --autoplay; ") + USAGE_LINE;
        return false;
    }
    if (bMinutes && !bMonkey) {
        strError = std::string("--minutes needs --monkey; ") + USAGE_LINE;
        return false;
    }
    if (!headless() && !strNeedsPlayer.empty()) {
        strError = strNeedsPlayer + " needs --autoplay or --monkey; " + USAGE_LINE;
        return false;
    }
    if (strShots.empty())
        strShots = bMonkey ? "monkey" : "autoplay";
    return true;
}

bool SAutoplayOptions::prepareEnvironment(std::string& strError) const
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::create_directories(playerFolder(), error);
    if (error) {
        strError = "cannot make the folder [" + playerFolder() + "]: " + error.message();
        return false;
    }
    // A fresh player every run: the game asks for a name first.
    fs::remove(dataFolder() + "/profiles.xml", error);
    fs::remove(dataFolder() + "/kovalog.txt", error);
    setenv("XDG_DATA_HOME", fs::absolute(playerFolder()).c_str(), 1);
    if (!HasDisplay())
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
    return true;
}

int ReportAutoplay(const CAutoPlayer& player, const SAutoplayOptions& options)
{
    if (!player.fault().empty()) {
        fprintf(stderr, "quellon: autoplay stopped: %s (pictures in %s)\n", player.fault().c_str(),
                options.strShots.c_str());
        return 1;
    }
    if (player.levelsPlayed() < options.nLevels) {
        fprintf(stderr, "quellon: autoplay ended after %d of %d levels (pictures in %s)\n", player.levelsPlayed(),
                options.nLevels, options.strShots.c_str());
        return 1;
    }
    const float fReal = player.realSeconds();
    printf("autoplay: %d levels played in %.1f s", player.levelsPlayed(), fReal);
    if (options.bFixedStep)
        printf(" (%.1f s of game time)", player.seconds());
    printf(", %d frames (%.1f a second); pictures in %s\n", player.frames(),
           fReal > 0.0f ? player.frames() / fReal : 0.0f, options.strShots.c_str());
    return 0;
}

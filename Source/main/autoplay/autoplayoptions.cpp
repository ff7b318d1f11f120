#include "main/autoplay/autoplayoptions.h"

#include <cstdio>

#include <cstdlib>
#include <filesystem>

#include "main/autoplay/autoplayer.h"

namespace {

const char* const USAGE = "usage: quellon --autoplay [--levels N] [--shots DIR]";
const int MAX_LEVELS = 1000;

bool readCount(const char* szText, int& nValue)
{
    char* pEnd = nullptr;
    const long nRead = strtol(szText, &pEnd, 10);
    if (*szText == '\0' || *pEnd != '\0' || nRead < 1 || nRead > MAX_LEVELS)
        return false;
    nValue = int(nRead);
    return true;
}

}  // namespace

bool HasDisplay()
{
    const char* szDriver = getenv("SDL_VIDEODRIVER");
    return (szDriver && *szDriver) || getenv("DISPLAY") || getenv("WAYLAND_DISPLAY");
}

bool SAutoplayOptions::parse(int argc, char** argv, std::string& strError)
{
    for (int i = 1; i < argc; ++i) {
        const std::string strArg = argv[i];
        if (strArg == "--autoplay") {
            bEnabled = true;
        } else if (strArg == "--levels" && i + 1 < argc) {
            if (!readCount(argv[++i], nLevels)) {
                strError = std::string("--levels takes a whole number from 1 to 1000, not \"") + argv[i] + "\"";
                return false;
            }
        } else if (strArg == "--shots" && i + 1 < argc && argv[i + 1][0] != '\0') {
            strShots = argv[++i];
        } else {
            strError = "unknown option \"" + strArg + "\"; " + USAGE;
            return false;
        }
    }
    if (!bEnabled && argc > 1) {
        strError = std::string("--levels and --shots need --autoplay; ") + USAGE;
        return false;
    }
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
    fs::remove(playerFolder() + "/Quellon 1.0/profiles.xml", error);
    fs::remove(playerFolder() + "/Quellon 1.0/kovalog.txt", error);
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
    printf("autoplay: %d levels played in %.1f s, %d frames (%.1f a second); pictures in %s\n",
           player.levelsPlayed(), player.seconds(), player.frames(),
           player.seconds() > 0.0f ? player.frames() / player.seconds() : 0.0f, options.strShots.c_str());
    return 0;
}

// The whole program, started as a player starts it and played through its
// window input by its headless player: name a player, start a new game,
// pass the story and the map, play the memory game, take a power-up in the
// chooser, win a level, fail the next one on its clock, and quit from the
// main menu. Each screen's picture is checked by a few
// pixels of what that screen must show, and the log by its error lines.
//
// The run takes a fixed step (--fixed-step, with the game's random numbers
// seeded): every frame is 1/60 s of game time however long it takes to
// draw, so a loaded machine plays the same game as a quiet one, only more
// slowly, and no level is lost to a busy machine's long frames.
//
// The program runs from a folder of its own: the built program and data
// archive with a few short levels laid over the archive as loose files
// (the game reads its data folder before the archive), so a level is won
// in seconds without any switch in the program. The folder stays under
// the build tree after a run, pictures and log included, to be looked at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <stb/stb_image.h>

namespace fs = std::filesystem;

namespace {

const int LEVELS = 2;

std::string readText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The built program is linked (or copied) so that it finds its data
// beside itself, as an installed one does.
void makeProgramFolder(const fs::path& folder)
{
    const fs::path bin = fs::current_path();
    fs::remove_all(folder);
    fs::create_directories(folder / "game");
    std::error_code error;
    fs::create_hard_link(bin / "quellon", folder / "quellon", error);
    if (error)
        fs::copy_file(bin / "quellon", folder / "quellon");
    fs::create_symlink(fs::absolute(bin / "game.dat"), folder / "game.dat");
    for (const fs::directory_entry& entry : fs::directory_iterator(QUELLON_E2E_DATA))
        fs::copy_file(entry.path(), folder / "game" / entry.path().filename());
}

struct SShot {
    std::string strScreen;
    fs::path path;
};

// "012-main-menu.png" is the twelfth picture, of the main menu.
std::vector<SShot> readShots(const fs::path& folder)
{
    std::vector<SShot> shots;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string strName = entry.path().filename().string();
        if (entry.path().extension() == ".png" && strName.size() > 8)
            shots.push_back({strName.substr(4, strName.size() - 8), entry.path()});
    }
    std::sort(shots.begin(), shots.end(), [](const SShot& a, const SShot& b) { return a.path < b.path; });
    return shots;
}

struct SRgb {
    int r, g, b;
};

class CPicture {
public:
    explicit CPicture(const fs::path& path)
    {
        const std::string strBytes = readText(path);
        m_pPixels = stbi_load_from_memory(reinterpret_cast<const unsigned char*>(strBytes.data()),
                                          int(strBytes.size()), &m_nWidth, &m_nHeight, &m_nChannels, 3);
    }
    ~CPicture() { stbi_image_free(m_pPixels); }
    bool isValid() const { return m_pPixels && m_nWidth == 800 && m_nHeight == 600; }
    SRgb at(int x, int y) const
    {
        const unsigned char* p = m_pPixels + (size_t(y) * m_nWidth + x) * 3;
        return {p[0], p[1], p[2]};
    }

private:
    unsigned char* m_pPixels = nullptr;
    int m_nWidth = 0, m_nHeight = 0, m_nChannels = 0;
};

// What a pixel must look like, loosely, so that art may change.
// Parchment is the dialogs' and plates' paper, Tile a board cell whose
// picture is still covered, its sand darker or lighter across the cell.
enum class Look { Dark, Sea, Parchment, Wood, Tile, Gold, Green };

bool looksLike(const SRgb& c, Look look)
{
    switch (look) {
    case Look::Dark: return c.r < 40 && c.g < 40 && c.b < 40;
    case Look::Sea: return c.b > c.r + 40 && c.b > 60;
    case Look::Parchment: return c.r > 200 && c.g > 180 && c.b > 140;
    case Look::Wood: return c.r > c.b + 30 && c.r > 50 && c.r < 200 && c.g < c.r;
    case Look::Tile: return c.r > 130 && c.r < 215 && std::abs(c.r - c.g) < 30 && c.b > 95 && c.b < 170;
    case Look::Gold: return c.r > 200 && c.g > 150 && c.b < c.r - 60;
    case Look::Green: return c.g > c.r + 15 && c.g > c.b + 40;
    }
    return false;
}

const char* lookName(Look look)
{
    static const char* const names[] = {"dark", "sea", "parchment", "wood", "tile", "gold", "green"};
    return names[int(look)];
}

struct SProbe {
    int x, y;
    Look look;
    // A second x on the same row for a place a moving marker may cover:
    // the probe holds when either point looks right.
    int nOtherX = -1;
};

struct SStep {
    const char* szScreen;
    std::vector<SProbe> probes;
};

class PlayedGame : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_Folder = fs::current_path().parent_path() / "e2e";
        makeProgramFolder(s_Folder);
        const std::string strCommand = "cd '" + s_Folder.string() + "' && ./quellon --autoplay --levels " +
                                       std::to_string(LEVELS) +
                                       " --fixed-step --seed 1 --shots shots > stdout.txt 2> stderr.txt";
        s_nStatus = std::system(strCommand.c_str());
    }

    static fs::path s_Folder;
    static int s_nStatus;
};

fs::path PlayedGame::s_Folder;
int PlayedGame::s_nStatus = -1;

TEST_F(PlayedGame, PlaysFromTheFirstStartToQuitWithEveryScreenShown)
{
    ASSERT_EQ(s_nStatus, 0) << readText(s_Folder / "stderr.txt");
    const std::string strOut = readText(s_Folder / "stdout.txt");
    EXPECT_TRUE(std::regex_search(strOut, std::regex("level 1 \\(Test Reef\\): won, score [1-9][0-9]*, time ")))
        << strOut;
    EXPECT_TRUE(std::regex_search(strOut, std::regex("level 2 \\(Test Shoal\\): lost, score [0-9]+, time ")))
        << strOut;

    // The screens in the order a player meets them, each with pixels it
    // must show; screens between them may come and go.
    const std::vector<SStep> steps = {
        // The splash's sea and golden title, the progress bar's brass rim
        // and its water, where the bar's fish may be swimming.
        {"loading", {{60, 60, Look::Sea}, {320, 200, Look::Gold}, {400, 409, Look::Wood}, {300, 430, Look::Sea, 500}}},
        // The sea behind the menus, the name field, the menu's post.
        {"name-dialog", {{60, 60, Look::Sea}, {400, 267, Look::Parchment}, {400, 560, Look::Wood}}},
        {"main-menu", {{60, 60, Look::Sea}, {390, 200, Look::Wood}, {400, 560, Look::Wood}}},
        {"game-choice", {{60, 60, Look::Sea}, {391, 290, Look::Wood}}},
        // The story's wooden frame, its page and its Skip / Next bar.
        {"story", {{5, 300, Look::Wood}, {400, 100, Look::Sea}, {260, 560, Look::Parchment}}},
        // The sea chart: its frame, its title banner, an island.
        {"map", {{5, 300, Look::Wood}, {300, 30, Look::Parchment}, {520, 330, Look::Green}}},
        // The memory game's gilded frame, a covered cell, the sea.
        {"minigame", {{230, 300, Look::Gold}, {260, 330, Look::Sea}, {100, 100, Look::Sea}}},
        // The power-up chooser: the cabin's planks, its paper, a porthole.
        {"level-start", {{50, 150, Look::Wood}, {400, 150, Look::Parchment}, {760, 270, Look::Sea}}},
        // The HUD's left post (its plates may still be sliding in), a
        // covered tile of the small board, the water above it, where the
        // aquarium's fish may be swimming.
        {"play", {{20, 300, Look::Wood}, {363, 333, Look::Tile}, {480, 240, Look::Sea, 560}}},
        // The treasure chest's side, the score panel's edge and the deep
        // sea, away from where the items rain and the counters roll.
        {"won", {{60, 470, Look::Wood}, {760, 100, Look::Sea}, {790, 300, Look::Sea}}},
        {"map", {{5, 300, Look::Wood}, {300, 30, Look::Parchment}}},
        {"play", {{20, 300, Look::Wood}, {480, 120, Look::Sea}}},
        // The message's paper and its frame.
        {"time-out", {{300, 300, Look::Parchment}, {270, 380, Look::Wood}, {20, 300, Look::Wood}}},
        {"main-menu", {{60, 60, Look::Sea}, {390, 200, Look::Wood}}},
    };
    const std::vector<SShot> shots = readShots(s_Folder / "shots");
    size_t nNext = 0;
    for (const SStep& step : steps) {
        SCOPED_TRACE(step.szScreen);
        while (nNext < shots.size() && shots[nNext].strScreen != step.szScreen)
            ++nNext;
        ASSERT_LT(nNext, shots.size()) << "no picture of this screen in its turn";
        const CPicture picture(shots[nNext].path);
        ASSERT_TRUE(picture.isValid()) << shots[nNext].path;
        for (const SProbe& probe : step.probes) {
            const SRgb c = picture.at(probe.x, probe.y);
            const bool bOther = probe.nOtherX >= 0 && looksLike(picture.at(probe.nOtherX, probe.y), probe.look);
            EXPECT_TRUE(looksLike(c, probe.look) || bOther) << shots[nNext].path.filename() << " at (" << probe.x << ", "
                                                   << probe.y << ") is " << c.r << "," << c.g << "," << c.b
                                                   << ", not " << lookName(probe.look);
        }
        ++nNext;
    }
}

TEST_F(PlayedGame, LogsNoError)
{
    const std::string strLog = readText(s_Folder / "shots/player/Quellon 1.0/kovalog.txt");
    ASSERT_FALSE(strLog.empty());
    std::istringstream lines(strLog);
    std::string strLine;
    while (std::getline(lines, strLine)) {
        // Effect files name their render container in a parameter the
        // parameter table does not know; the effect loader says so by
        // design before it reads the value.
        if (strLine.find("Unknown parameter semantics \"Container") != std::string::npos)
            continue;
        EXPECT_EQ(strLine.find("[ERROR]"), std::string::npos) << strLine;
    }
}

}  // namespace

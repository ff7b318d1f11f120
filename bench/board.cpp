// Plays the board with the bot in simulated 16 ms frames and prints the
// settled moves per second, the time of one frame of update and render on
// a busy board (items falling, crabs and stars running), first without a
// device, then drawn offscreen with the game's art and effects, and last
// the moves beside their floor: the same number of frames on a board at
// rest, the frame loop with nothing moving. Run from the build's bin
// folder, or give the data folder and a level:
//   bench_board [DATA_FOLDER [LEVEL]]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_frame.h"
#include "Core/vantile_exception.h"
#include "Core/vantile_random.h"
#include "Game/Rules/boarddriver.h"
#include "Game/Rules/boardscreen.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Script/gamescript.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resourcemanager.h"

namespace {

const int kMoves = 5000;
// Drawn moves are slow on a software rasteriser; enough for a steady mean.
const int kDrawnMoves = 60;
const int kMaxMoveFrames = 20000;

typedef std::chrono::steady_clock Clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Returns the moves played; a won level starts again.
int playMoves(CGameField& field, CBoardDriver& driver, const std::string& strLevel, int nMoves, double& fBusy,
              int& nBusyFrames)
{
    int nPlayed = 0;
    while (nPlayed < nMoves) {
        if (driver.isWon()) {
            field.reset();
            field.Load(strLevel);
            driver.clearRecords();
        }
        std::pair<CGameCell*, CGameCell*> move;
        if (driver.chooseMove(move))
            driver.playMove(move.first, move.second);
        else
            field.shuffle();
        ++nPlayed;
        for (int i = 0; i < kMaxMoveFrames && !driver.isSettled(); ++i) {
            const bool bBusy = field.destructorCount() > 0;
            const Clock::time_point start = Clock::now();
            driver.frame();
            if (bBusy) {
                fBusy += secondsSince(start);
                ++nBusyFrames;
            }
        }
    }
    return nPlayed;
}

// Seconds of nFrames frames of the level's board at rest.
double restingSeconds(const std::string& strLevel, int nFrames)
{
    CGameField field;
    field.initCells("");
    CBoardDriver driver(field, true, 1);
    field.Load(strLevel);
    driver.settle(kMaxMoveFrames);
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < nFrames; ++i)
        driver.frame();
    return secondsSince(start);
}

struct SDrawnFigures {
    double fSubmit = 0.0;    // update, render and the draw calls
    double fFinished = 0.0;  // the same until the device has drawn it
    int nFrames = 0;
};

// Busy frames of bot moves drawn offscreen.
SDrawnFigures drawMoves(const std::string& strLevel)
{
    SDrawnFigures figures;
    CGameField field;
    field.initCells(FieldPictureOf(strLevel));
    CBoardDriver driver(field, true, 2);
    field.Load(strLevel);
    CBoardScreen screen;
    for (int nMove = 0; nMove < kDrawnMoves && !driver.isWon(); ++nMove) {
        std::pair<CGameCell*, CGameCell*> move;
        if (driver.chooseMove(move))
            driver.playMove(move.first, move.second);
        else
            field.shuffle();
        for (int i = 0; i < kMaxMoveFrames && !driver.isSettled(); ++i) {
            const Clock::time_point start = Clock::now();
            screen.frame(driver);
            const double fSubmit = secondsSince(start);
            finishFrame();
            figures.fSubmit += fSubmit;
            figures.fFinished += secondsSince(start);
            ++figures.nFrames;
        }
    }
    return figures;
}

void printDrawn(const std::string& strLevel)
{
    // Offscreen even on a desktop, and after the moves without a device:
    // drawn items play their animations at full length.
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (!CBoardScreen::openDevice("bench_board")) {
        printf("busy-board frame drawn offscreen: no device\n");
        return;
    }
    const SDrawnFigures figures = drawMoves(strLevel);
    CBoardScreen::closeDrawing();
    const double fFrames = figures.nFrames ? figures.nFrames : 1;
    printf("busy-board frame drawn offscreen (update + render + draw): %.1f us submitted, %.1f us finished, "
           "over %d frames\n",
           figures.fSubmit / fFrames * 1e6, figures.fFinished / fFrames * 1e6, figures.nFrames);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string strFolder = argc > 1 ? argv[1] : "game";
    const std::string strLevel = argc > 2 ? argv[2] : "level10.xml";
    try {
        Vantile::CResourceManager::Instance().Init(strFolder, false);
        RunStartupScript("init.lua");
        Vantile::SeedRandom(1);
        CGameField field;
        field.initCells("");
        CBoardDriver driver(field, true, 1);
        field.Load(strLevel);
        double fBusy = 0.0;
        int nBusyFrames = 0;
        const Clock::time_point start = Clock::now();
        const int nPlayed = playMoves(field, driver, strLevel, kMoves, fBusy, nBusyFrames);
        const double fSeconds = secondsSince(start);
        printf("settled bot moves per second: %.0f (%d moves, %d frames, %.3f s)\n", nPlayed / fSeconds, nPlayed,
               driver.frames(), fSeconds);
        printf("busy-board frame (update + render, no device): %.2f us over %d frames\n",
               nBusyFrames ? fBusy / nBusyFrames * 1e6 : 0.0, nBusyFrames);
        printDrawn(strLevel);
        // Last: its board draws from the one random generator, and the
        // drawn moves replay from where the moves above left it.
        const double fFloor = restingSeconds(strLevel, driver.frames());
        printf("settled moves beside their floor, the same frames on a board at rest: %.0f against %.0f moves per "
               "second, %.2fx the floor's time\n",
               nPlayed / fSeconds, nPlayed / fFloor, fSeconds / fFloor);
    } catch (const Vantile::Exception& e) {
        fprintf(stderr, "bench_board: %s\n", e.getDetails().c_str());
        return 1;
    }
    return 0;
}

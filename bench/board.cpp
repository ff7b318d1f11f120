// Plays the board with the bot in simulated 16 ms frames and prints the
// settled moves per second and the time of one frame of update and render
// on a busy board (items falling, crabs and stars running). Run from the
// build's bin folder, or give the data folder and a level:
//   bench_board [DATA_FOLDER [LEVEL]]
#include <chrono>
#include <cstdio>
#include <string>

#include "Core/vantile_exception.h"
#include "Core/vantile_random.h"
#include "Game/Board/boarddriver.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Script/gamescript.h"
#include "Resources/vantile_resourcemanager.h"

namespace {

const int kMoves = 5000;
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
    } catch (const Vantile::Exception& e) {
        fprintf(stderr, "bench_board: %s\n", e.getDetails().c_str());
        return 1;
    }
    return 0;
}

// The aquarium's cost beside the board's own frame, both measured here:
//  1. the fish world's update with 40 fish and 100 pellets (steering and
//     food), against a board frame of update and render without a device;
//  2. a frame drawn offscreen with the level's aquarium behind the board,
//     against the same board frame drawn without it.
// Run from the build's bin folder, or give the data folder and a level:
//   bench_aquarium [DATA_FOLDER [LEVEL]]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench_frame.h"
#include "Core/vantile_exception.h"
#include "Core/vantile_random.h"
#include "Game/Aquarium/aquariumscreen.h"
#include "Game/Rules/boarddriver.h"
#include "Game/Rules/boardscreen.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Fish/fishworld.h"
#include "Game/Script/gamescript.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resourcemanager.h"

namespace {

const int kFish = 40;
const int kPellets = 100;
const int kUpdateFrames = 20000;
const int kDrawnFrames = 300;
// Seven species: 21 deep fish and 19 that eat.
const std::vector<int> kBgFishes = {3, 3, 3, 3, 3, 3, 3};
const std::vector<int> kFgFishes = {3, 3, 3, 3, 3, 3, 1};

typedef std::chrono::steady_clock Clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The bot keeps the board busy: a new move whenever it rests.
void keepBusy(CGameField& field, CBoardDriver& driver)
{
    if (!driver.isSettled())
        return;
    std::pair<CGameCell*, CGameCell*> move;
    if (driver.chooseMove(move))
        driver.playMove(move.first, move.second);
    else
        field.shuffle();
}

double boardFrameSeconds(const std::string& strLevel)
{
    CGameField field;
    field.initCells("");
    CBoardDriver driver(field, true, 1);
    field.Load(strLevel);
    double fTotal = 0.0;
    int nFrames = 0;
    for (; nFrames < kUpdateFrames; ++nFrames) {
        // A won level starts again, so every frame is one of play.
        if (driver.isWon()) {
            field.reset();
            field.Load(strLevel);
            driver.clearRecords();
        }
        keepBusy(field, driver);
        const Clock::time_point start = Clock::now();
        driver.frame();
        fTotal += secondsSince(start);
    }
    return fTotal / nFrames;
}

// Pellets topped up to the count every frame, scattered over the screen.
void topUpFood(CFishFood& food)
{
    while (food.pellets().size() < size_t(kPellets))
        food.add(D3DXVECTOR3(Vantile::RandomFraction() * 800 - 400, Vantile::RandomFraction() * 500 - 250, 0),
                 63.0f, 3.0f, "food-01.dds");
}

double fishWorldSeconds()
{
    Vantile::CSteerFrameHandler steering;
    CFishWorld& world = CFishWorld::Instance();
    world.setSteerHandler(&steering);
    for (int i = 0; i < kFish; ++i)
        world.AddFish(i % 2 == 0, 1.0f + 0.05f * (i % 3));
    double fTotal = 0.0;
    for (int i = 0; i < kUpdateFrames; ++i) {
        topUpFood(world.food());
        const Clock::time_point start = Clock::now();
        steering.frameStarted({16.0, 16.0 * (i + 1)});
        world.UpdateFood(0.016f);
        fTotal += secondsSince(start);
    }
    world.ClearFish();
    world.food().clear();
    world.setSteerHandler(nullptr);
    return fTotal / kUpdateFrames;
}

// Mean seconds of a finished frame, with or without the aquarium.
double drawnFrameSeconds(const std::string& strLevel, bool bAquarium)
{
    Vantile::SeedRandom(2);
    std::unique_ptr<CAquariumScreen> pAquarium;
    std::unique_ptr<CBoardScreen> pBoard;
    if (bAquarium) {
        pAquarium.reset(new CAquariumScreen());
        SAquariumLevel level = AquariumLevelOf(strLevel);
        level.BgFishes = kBgFishes;
        level.FgFishes = kFgFishes;
        pAquarium->startLevel(level);
    } else {
        pBoard.reset(new CBoardScreen());
    }
    CGameField field;
    field.setAquarium(bAquarium ? &pAquarium->aquarium() : nullptr);
    field.initCells(FieldPictureOf(strLevel));
    CBoardDriver driver(field, true, 2);
    field.Load(strLevel);
    double fTotal = 0.0;
    for (int i = 0; i < kDrawnFrames; ++i) {
        keepBusy(field, driver);
        const Clock::time_point start = Clock::now();
        if (bAquarium)
            pAquarium->frame(driver);
        else
            pBoard->frame(driver);
        finishFrame();
        fTotal += secondsSince(start);
    }
    field.setAquarium(nullptr);
    return fTotal / kDrawnFrames;
}

void printDrawn(const std::string& strLevel)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (!CBoardScreen::openDevice("bench_aquarium")) {
        printf("drawn frames: no device\n");
        return;
    }
    const double fBoard = drawnFrameSeconds(strLevel, false);
    const double fAquarium = drawnFrameSeconds(strLevel, true);
    CBoardScreen::closeDrawing();
    printf("board frame drawn offscreen: %.1f us; with the aquarium behind it (%d fish): %.1f us; ratio %.2f\n",
           fBoard * 1e6, kFish, fAquarium * 1e6, fAquarium / fBoard);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string strFolder = argc > 1 ? argv[1] : "game";
    const std::string strLevel = argc > 2 ? argv[2] : "level40.xml";
    try {
        Vantile::CResourceManager::Instance().Init(strFolder, false);
        RunStartupScript("init.lua");
        Vantile::SeedRandom(1);
        const double fBoard = boardFrameSeconds(strLevel);
        const double fFish = fishWorldSeconds();
        printf("board frame (update + render, no device): %.2f us; fish world update (%d fish, %d pellets): "
               "%.2f us; ratio %.2f\n",
               fBoard * 1e6, kFish, kPellets, fFish * 1e6, fFish / fBoard);
        printDrawn(strLevel);
    } catch (const Vantile::Exception& e) {
        fprintf(stderr, "bench_aquarium: %s\n", e.getDetails().c_str());
        return 1;
    }
    return 0;
}

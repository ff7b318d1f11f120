// A game session on a small data set of its own: levels of an open board
// with five kinds, the test item layers, a profile store in a temporary
// folder, and a scripted driver without drawing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Business/profile.h"
#include "Game/Session/game.h"
#include "Game/Session/sessiondriver.h"
#include "support/temp_folder.h"

class SessionTest : public ::testing::Test {
public:
    struct LevelDesign {
        int nPowerups = 0;
        int nPeriod = 60;
    };

protected:
    void SetUp() override;
    void TearDown() override;

    // Writes "game.gam" and one file per level.
    void writeLevels(const std::vector<LevelDesign>& levels);
    // The game on that data, with a player profile when given a name.
    // Without bMenus the main menu has no window and the game plays on.
    void start(const std::string& strPlayer = "Ann", bool bMenus = false);
    // Runs until the state shows (fade over), failing past a bound.
    void reach(int nState, int nMaxFrames = 2000);
    // Menus, then the first level's play.
    void reachPlay();
    // Out of the current state first, then into nState.
    void reachNext(int nState, int nMaxFrames = 2000);
    // The states shown, one entry per change, until nState shows.
    std::vector<int> statesUntil(int nState, int nMaxFrames = 2000);
    CProfile& player() const { return *m_pGame->profile(); }
    // The player's record as the store's file now holds it.
    CProfile saved() const;

    CTempFolder m_Temp;
    std::unique_ptr<CGame> m_pGame;
    std::unique_ptr<CSessionDriver> m_pDriver;
};

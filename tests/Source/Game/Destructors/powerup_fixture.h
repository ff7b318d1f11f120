// A board for power-up tests: the power-ups' looks have lengths of their
// own (the item layers still have none), and a power-up can be run on its
// own, frame by frame, the way the board runs its destructors, recording
// which cell it hands over in which frame.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "../Board/board_fixture.h"
#include "Game/Destructors/powerups.h"
#include "Game/Items/layervisual.h"

// Looks with fixed lengths; textures not listed have none.
class CTimedVisualSource : public ILayerVisualSource {
public:
    std::shared_ptr<ILayerVisual> create(const std::string& strTexture) override;
    // The alpha of every draw of the texture, in order.
    std::vector<float> alphasOf(const std::string& strTexture) const;

    struct Draw {
        std::string strTexture;
        float fAlpha;
    };
    std::vector<Draw> m_Draws;
};

// Seconds of the looks that drive the power-ups' timing.
const float FLARE_LENGTH = 0.4f;
const float URCHIN_LENGTH = 0.5f;
const float URCHIN_FADE_IN_LENGTH = 0.25f;
const float SPRAY_LENGTH = 1.0f;
const float PEARL_LENGTH = 0.5f;

// A full board with no run: types 5 to 9 only.
extern const Layout FULL;

struct Delivery {
    int nRow;
    int nColumn;
    int nFrame;
    bool bOrdinary;
};

struct PowerupRun {
    std::vector<Delivery> deliveries;
    int nDoneFrame = -1;
    int nFinishedFrame = -1;
    // The cells handed over, as "row,column" in delivery order.
    std::vector<std::string> cells() const;
};

class PowerupTest : public BoardTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the power-up on the cell outside the board and runs it until it
    // may be deleted (or nMaxFrames); the board keeps its items.
    PowerupRun run(int nPowerup, int nRow, int nColumn, int nMaxFrames = 400);
    // Arms the power-up and clicks the cell, as the player does.
    void spend(int nPowerup, int nRow, int nColumn);

    CTimedVisualSource m_Visuals;
};

std::string CellName(int nRow, int nColumn);

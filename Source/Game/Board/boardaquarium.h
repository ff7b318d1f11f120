// What the board asks of the aquarium behind it: food for the fish where
// cells are cleared, and the aquarium's layers drawn around the board's
// own. The board works without one (tests, tools).
#pragma once

#include "d3d/d3dx8.h"

class IBoardAquarium {
public:
    virtual void dropFood(const D3DXVECTOR3& vPoint) = 0;
    // The deep fish, the scene's plants and pictures, the food on the
    // seabed and the fish that eat it, in that order.
    virtual void drawBehindBoard() = 0;
    // The food still sinking passes in front of the board.
    virtual void drawInFrontOfBoard() = 0;

protected:
    ~IBoardAquarium() = default;
};

// What a tooltip needs of a board cell: where it is, and its hint
// highlight (the possible-move glow with the blinking marker). The board's
// cells provide it, so hints need nothing else of the board.
#pragma once

#include "d3d/d3dx8.h"

class IHintCell {
public:
    virtual const D3DXVECTOR3& position() const = 0;
    virtual void setHintHighlight(bool bOn) = 0;

protected:
    ~IHintCell() = default;
};

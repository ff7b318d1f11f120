// When to offer the possible-move hint: after 20 seconds without a click
// on the board, once no tooltip shows and the board has settled (a search
// for moves swaps items, which must not happen while they move).
#pragma once

class CIdleHint {
public:
    static constexpr float IDLE_SECONDS = 20.0f;

    // Every frame of level play. True when the hint is due: the caller
    // looks for a move and shows it; the wait starts over either way.
    bool update(float fSeconds, bool bTooltipShowing, bool bBoardSettled);
    // A click on the board.
    void reset() { m_fIdle = 0.0f; }
    float idle() const { return m_fIdle; }

private:
    float m_fIdle = 0.0f;
};

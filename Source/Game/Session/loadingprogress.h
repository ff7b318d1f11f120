// The loading screen's progress: while the screen is fully shown, one
// waiting sprite gets its texture each frame and the session shows how far
// the queue has come; the last one takes the session on to the main menu.
#pragma once

class CGame;

class CLoadingProgress {
public:
    // The queue's size once everything that loads at start-up is queued.
    void setTotal(int nTotal) { m_nTotal = nTotal; }
    void frame(CGame& game);

private:
    int m_nTotal = 0;
};

// Where the board's sounds go: the game context's sound calls unless a
// driver or a test listens instead.
#pragma once

#include <string>

class IBoardSounds {
public:
    virtual void playSound(const std::string& strName, float fVolume) = 0;
    virtual void fadeOutAllMusic(float fSpeed) = 0;

protected:
    ~IBoardSounds() = default;
};

// The game context's sound calls, for parts that nobody else listens to.
IBoardSounds& GameContextSounds();

// The shipped game set up offscreen for a subcommand's picture: a fresh
// folder for the player's store, the 800 x 600 device, the data and
// "init.lua". The drawing is closed and the folder removed when it goes.
#pragma once

#include <string>

class COffscreenGame {
public:
    COffscreenGame() = default;
    ~COffscreenGame();
    COffscreenGame(const COffscreenGame&) = delete;
    COffscreenGame& operator=(const COffscreenGame&) = delete;

    // Empty when the game is ready, otherwise why it is not.
    std::string open(const std::string& strCommand);
    // The folder the player's store lives in.
    const std::string& home() const { return m_strHome; }
    // Saves a current player named strName whose last won level is nLevel.
    void addPlayer(const std::string& strName, int nLevel) const;

private:
    std::string m_strHome;
    bool m_bDrawing = false;
};

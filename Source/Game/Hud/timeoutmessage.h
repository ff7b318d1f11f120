// The message shown once per level when its time runs out: a plate with
// the text and an OK button, over the board. Its OK slides the HUD out.
#pragma once

#include <memory>

#include "d3d/d3dx8.h"

class CSprite;
class IBoardSounds;
class IHudWindows;

class CTimeoutMessage {
public:
    static constexpr const char* BACKGROUND = "message_bg.png";
    static constexpr int TEXT_TIME_UP = 58;
    static constexpr int TEXT_GAME_OVER = 59;
    // The OK button's top-left pixel and size (the GUI's text buttons).
    static constexpr float OK_LEFT = 352.0f;
    static constexpr float OK_TOP = 338.0f;
    static constexpr float OK_WIDTH = 100.0f;
    static constexpr float OK_HEIGHT = 24.0f;

    // A point in board units over the OK button.
    static bool isOnOk(const D3DXVECTOR3& vPoint);

    CTimeoutMessage();
    ~CTimeoutMessage();

    // Fades the music out and the losing tune in.
    void show(bool bNoLivesLeft, IHudWindows* pWindows, IBoardSounds* pSounds);
    void hide(IHudWindows* pWindows);
    bool isVisible() const { return m_bVisible; }
    int textId() const { return m_nTextId; }
    void render();

private:
    bool m_bVisible = false;
    int m_nTextId = 0;
    std::unique_ptr<CSprite> m_pBackground;
};

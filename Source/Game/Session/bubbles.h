// The bubbles that rise behind the main menu and the mini-game: about one
// a second, born anywhere on the screen, rising for forty seconds.
#pragma once

#include <memory>
#include <vector>

#include "d3d/d3dx8.h"

class CSprite;

class CBubbleEmitter {
public:
    static constexpr float RATE = 1.0f;
    static constexpr float LIFE = 40.0f;
    static constexpr float SPEED_SCALE = 30.0f;

    struct Bubble {
        int nKind = 0;
        D3DXVECTOR3 vPosition;
        D3DXVECTOR3 vVelocity;
        float fLife = LIFE;
        // Made at the first draw, so bubbles live without a device.
        std::shared_ptr<CSprite> pSprite;
    };

    CBubbleEmitter();
    ~CBubbleEmitter();

    // Births, ageing and rising by the step; drawing needs a device.
    void update(float fSeconds, bool bDraw);
    const std::vector<Bubble>& bubbles() const { return m_Bubbles; }
    void clear() { m_Bubbles.clear(); }

private:
    void spawn();
    static void draw(Bubble& bubble, float fSeconds);

    std::vector<Bubble> m_Bubbles;
    float m_fCarry = 0.0f;
};

#include "Game/Session/bubbles.h"

#include <algorithm>

#include "Core/vantile_random.h"
#include "Game/Sprites/sprite.h"

namespace {

const char* const BUBBLE_SPRITES[3] = {"bubble_00.ifl", "bubble_01.ifl", "bubble_02.ifl"};

float fraction()
{
    return Vantile::Random() / 32767.0f;
}

}  // namespace

CBubbleEmitter::CBubbleEmitter() = default;
CBubbleEmitter::~CBubbleEmitter() = default;

void CBubbleEmitter::update(float fSeconds, bool bDraw)
{
    const float fBirths = fSeconds * RATE + m_fCarry;
    const int nBirths = static_cast<int>(fBirths);
    m_fCarry = fBirths - nBirths;
    for (int i = 0; i < nBirths; ++i)
        spawn();
    for (Bubble& bubble : m_Bubbles)
        bubble.fLife -= fSeconds;
    m_Bubbles.erase(std::remove_if(m_Bubbles.begin(), m_Bubbles.end(), [](const Bubble& b) { return b.fLife <= 0.0f; }),
                    m_Bubbles.end());
    for (Bubble& bubble : m_Bubbles) {
        bubble.vPosition += bubble.vVelocity * fSeconds * SPEED_SCALE;
        if (bDraw)
            draw(bubble, fSeconds);
    }
}

void CBubbleEmitter::spawn()
{
    Bubble bubble;
    bubble.nKind = Vantile::Random() % 3;
    const float fV = fraction();
    const float fU = fraction();
    bubble.vPosition = D3DXVECTOR3(-800.0f * fU + 400.0f, -500.0f * fV + 300.0f, 0.0f);
    bubble.vVelocity = D3DXVECTOR3(0.0f, (10.0f * fraction() + 5.0f) / 5.0f, 0.0f);
    m_Bubbles.push_back(std::move(bubble));
}

void CBubbleEmitter::draw(Bubble& bubble, float fSeconds)
{
    if (!bubble.pSprite)
        bubble.pSprite = std::make_shared<CSprite>(BUBBLE_SPRITES[bubble.nKind], CSprite::WHITE, false, true);
    bubble.pSprite->Animate(fSeconds);
    bubble.pSprite->placeAt(bubble.vPosition);
}

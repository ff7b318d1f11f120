#include "Game/Fish/fishfood.h"

#include <algorithm>

#include "Core/vantile_log.h"
#include "Core/vantile_random.h"
#include "Game/Sprites/sprite.h"

namespace {

// Pellets rest this far below the seabed line, in its sand.
const float REST_DEPTH = 5.0f;
const float SCATTER = 30.0f;
const float BOTTOM_OF_SCREEN = -300.0f;

float Scatter()
{
    return (Vantile::RandomFraction() * 2.0f - 1.0f) * SCATTER;
}

}  // namespace

float CHeights::heightAt(float x) const
{
    if (m_Points.empty())
        return BOTTOM_OF_SCREEN;
    if (x < m_Points.front().x)
        return m_Points.front().y;
    for (size_t i = 1; i < m_Points.size(); ++i) {
        const D3DXVECTOR3& a = m_Points[i - 1];
        const D3DXVECTOR3& b = m_Points[i];
        if (x <= b.x) {
            const float t = b.x > a.x ? (x - a.x) / (b.x - a.x) : 1.0f;
            return a.y + (b.y - a.y) * t - REST_DEPTH;
        }
    }
    return m_Points.back().y - REST_DEPTH;
}

CFishFood::CFishFood() = default;
CFishFood::~CFishFood() = default;

void CFishFood::drop(const D3DXVECTOR3& vPoint)
{
    const int nCount = int(Vantile::RandomFraction() * 2.0f + 1.0f);
    for (int i = 0; i < nCount; ++i) {
        const D3DXVECTOR3 vOffset(Scatter(), Scatter(), Scatter());
        const std::string strTexture = Vantile::FormatString("food-0%d.dds", Vantile::Random() % 7 + 1);
        const float fHeightOffset = Vantile::RandomFraction() * 7.0f;
        const float fSpeed = Vantile::RandomFraction() * 6.0f + 60.0f;
        add(vPoint + vOffset, fSpeed, fHeightOffset, strTexture);
    }
}

void CFishFood::add(const D3DXVECTOR3& vPosition, float fSpeed, float fHeightOffset, const std::string& strTexture)
{
    m_Pellets.emplace_back();
    SPellet& pellet = m_Pellets.back();
    pellet.vPosition = vPosition;
    pellet.fSpeed = fSpeed;
    pellet.fHeightOffset = fHeightOffset;
    pellet.strTexture = strTexture;
}

void CFishFood::update(float fSeconds)
{
    for (SPellet& pellet : m_Pellets)
        if (pellet.bActive)
            settle(pellet, fSeconds);
    if (landedCount() > MAX_LANDED)
        letGoOfLastLanded();
    // A paused frame still fades, so a full floor clears even then.
    const float fFadeStep = fSeconds > 0 ? fSeconds : 0.01f;
    for (auto it = m_Pellets.begin(); it != m_Pellets.end();) {
        if (!it->bActive)
            it->fFade = std::max(0.0f, it->fFade - fFadeStep);
        it = !it->bActive && it->fFade <= 0 ? m_Pellets.erase(it) : std::next(it);
    }
}

void CFishFood::settle(SPellet& pellet, float fSeconds)
{
    pellet.bSinking = pellet.vPosition.y + pellet.fHeightOffset > m_Floor.heightAt(pellet.vPosition.x);
    if (pellet.bSinking)
        pellet.vPosition.y -= fSeconds * pellet.fSpeed;
}

int CFishFood::landedCount() const
{
    return int(std::count_if(m_Pellets.begin(), m_Pellets.end(),
                             [](const SPellet& pellet) { return pellet.bActive && !pellet.bSinking; }));
}

void CFishFood::letGoOfLastLanded()
{
    for (auto it = m_Pellets.rbegin(); it != m_Pellets.rend(); ++it) {
        if (it->bActive && !it->bSinking) {
            it->bActive = false;
            return;
        }
    }
}

const CFishFood::SPellet* CFishFood::nearest(const D3DXVECTOR3& vPoint) const
{
    const SPellet* pBest = nullptr;
    float fBest = 0;
    for (const SPellet& pellet : m_Pellets) {
        const D3DXVECTOR3 vOffset = pellet.vPosition - vPoint;
        const float fDistance = D3DXVec3LengthSq(&vOffset);
        if (pellet.bActive && (!pBest || fDistance < fBest)) {
            pBest = &pellet;
            fBest = fDistance;
        }
    }
    return pBest;
}

bool CFishFood::eatNear(const D3DXVECTOR3& vPoint, float fReach)
{
    for (auto it = m_Pellets.begin(); it != m_Pellets.end(); ++it) {
        const D3DXVECTOR3 vOffset = it->vPosition - vPoint;
        if (it->bActive && D3DXVec3LengthSq(&vOffset) < fReach * fReach) {
            m_Pellets.erase(it);
            return true;
        }
    }
    return false;
}

void CFishFood::drawSettled()
{
    for (SPellet& pellet : m_Pellets)
        if (!pellet.bActive || !pellet.bSinking)
            draw(pellet);
}

void CFishFood::drawSinking()
{
    for (SPellet& pellet : m_Pellets)
        if (pellet.bActive && pellet.bSinking)
            draw(pellet);
}

// Sprites are made on first draw, so the food's rules run without a
// device.
void CFishFood::draw(SPellet& pellet)
{
    if (!pellet.pSprite)
        pellet.pSprite.reset(new CSprite(pellet.strTexture, CSprite::WHITE, true, false));
    pellet.pSprite->SetAlpha(pellet.fFade);
    pellet.pSprite->drawAt(pellet.vPosition);
}

#include "Game/Board/cellbackground.h"

#include <cmath>

#include "Core/vantile_frametimer.h"
#include "Game/Destructors/boardanimation.h"
#include "Game/Items/animationmanager.h"
#include "Game/Sprites/sprite.h"

namespace {

const char* const CLEARED_BG_TEXTURE = "cell_bg_a.dds";
const char* const POSSIBLE_TEXTURE = "cell_possible.dds";
const char* const MARKER_TEXTURE = "select-1.dds";
const float TILE_SIZE = 55.0f;
// One tile of the 512 x 512 field picture: 55 / 512.
const float TILE_SPAN = 0.107421875f;
// Blinks three half-periods a second; fades out in half a second.
const double MARKER_PHASES_PER_SECOND = 3.0;
const float MARKER_FADE_PER_SECOND = 2.0f;

// Pictures are only made while items draw through real visuals; without
// them nothing on the board draws, and no device may exist.
bool isDrawing()
{
    return CAnimationManager::Instance().visualSource() != nullptr;
}


}  // namespace

CCellBackground::CCellBackground(int nColumn, int nRow) : m_nColumn(nColumn), m_nRow(nRow) {}

CCellBackground::~CCellBackground() = default;

void CCellBackground::setPicture(const std::string& strPicture)
{
    if (strPicture == m_strPicture)
        return;
    m_strPicture = strPicture;
    m_pPictureTile.reset();
}

void CCellBackground::setMarker(bool bOn)
{
    m_bMarkerOn = bOn;
    if (bOn && !m_pMarker && isDrawing())
        m_pMarker = std::make_unique<CBoardAnimation>(MARKER_TEXTURE, true);
    if (bOn)
        m_fMarkerAlpha = 1.0f;
}

void CCellBackground::renderBackground(const D3DXVECTOR3& vPos, bool bCleared)
{
    if (!isDrawing())
        return;
    if (bCleared) {
        if (!m_pClearedBg)
            m_pClearedBg = std::make_unique<CBoardAnimation>(CLEARED_BG_TEXTURE, true);
        m_pClearedBg->draw(vPos);
    } else {
        renderTile(vPos);
    }
    renderMarker(vPos);
}

void CCellBackground::renderTile(const D3DXVECTOR3& vPos)
{
    if (m_strPicture.empty())
        return;
    if (!m_pPictureTile) {
        m_pPictureTile = std::make_unique<CSprite>(m_strPicture, TILE_SIZE, TILE_SIZE);
        STextureRect rect;
        rect.fU0 = m_nColumn * TILE_SPAN;
        rect.fU1 = (m_nColumn + 1) * TILE_SPAN;
        // The quad's first v is its bottom edge; row 0 is the picture's top.
        rect.fV0 = (m_nRow + 1) * TILE_SPAN;
        rect.fV1 = m_nRow * TILE_SPAN;
        m_pPictureTile->setRect(CSprite::WHITE, rect, TILE_SIZE, TILE_SIZE, false);
    }
    m_pPictureTile->placeAt(vPos);
}

void CCellBackground::renderMarker(const D3DXVECTOR3& vPos)
{
    if (!m_pMarker)
        return;
    if (!m_bMarkerOn) {
        m_fMarkerAlpha -= Vantile::CFrameTimer::Instance().frameSeconds() * MARKER_FADE_PER_SECOND;
        if (m_fMarkerAlpha <= 0.0f) {
            m_pMarker.reset();
            return;
        }
    }
    const double fPhase = std::floor(Vantile::CFrameTimer::Instance().totalTime() / 1000.0 * MARKER_PHASES_PER_SECOND);
    if (std::fmod(fPhase, 2.0) == 0.0)
        return;
    m_pMarker->setAlpha(m_fMarkerAlpha);
    m_pMarker->draw(vPos);
}

void CCellBackground::renderHighlight(const D3DXVECTOR3& vPos)
{
    if (!m_bHighlight || !isDrawing())
        return;
    if (!m_pPossible)
        m_pPossible = std::make_unique<CBoardAnimation>(POSSIBLE_TEXTURE, true);
    m_pPossible->draw(vPos);
}

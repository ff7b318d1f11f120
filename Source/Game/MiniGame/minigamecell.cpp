#include "Game/MiniGame/minigamecell.h"

#include <cmath>

#include "Game/Context/gameevents.h"
#include "Game/Sprites/simpleanimation.h"
#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spritewrap.h"

namespace {

const char* const OPEN_SOUND = "select_minigame.ogg";
const char* const CLOSE_SOUND = "noselect_minigame.ogg";
const char* const FREE_SOUND = "free_fish.ogg";
const char* const TAKE_SOUND = "clear_fish.ogg";
const int FISH_POINTS = 5;
const int DECOY_POINTS = 1;

void playSound(const char* szName)
{
    CGameContext::Instance().playSound(szName, false, 1.0f);
}

std::unique_ptr<CSprite> loadedSprite(const std::string& strTexture)
{
    return std::make_unique<CSprite>(strTexture, CSprite::WHITE, false, true);
}

}  // namespace

CMiniGameCell::CMiniGameCell(const D3DXVECTOR3& vPosition, int nColumn, int nRow, CStateChangeCallback& owner,
                             bool bDraw)
    : m_vPosition(vPosition), m_bDraw(bDraw), m_Owner(owner)
{
    if (!bDraw)
        return;
    m_pBackground = loadedSprite(BACKGROUND);
    m_pHighlight = loadedSprite(HIGHLIGHT);
    m_pCover = std::make_unique<CSprite>(COVER, COVER_SIZE, COVER_SIZE);
    const float fSpan = 1.0f / COVER_PIECES;
    STextureRect rect;
    rect.fU0 = nColumn * fSpan;
    rect.fU1 = (nColumn + 1) * fSpan;
    // The quad's first v is its bottom edge; row 0 is the picture's top.
    rect.fV0 = (nRow + 1) * fSpan;
    rect.fV1 = nRow * fSpan;
    m_pCover->setRect(CSprite::WHITE, rect, COVER_SIZE, COVER_SIZE, false);
}

CMiniGameCell::~CMiniGameCell() = default;

void CMiniGameCell::setKind(const SMiniGameKind& kind)
{
    m_Kind = kind;
    if (m_bDraw)
        m_pPicture = loadedSprite(kind.strStill);
}

bool CMiniGameCell::contains(const D3DXVECTOR3& vPoint, float fHalf) const
{
    return std::fabs(vPoint.x - m_vPosition.x) < fHalf && std::fabs(vPoint.y - m_vPosition.y) < fHalf;
}

void CMiniGameCell::select()
{
    if (m_nState == eCovered) {
        playSound(OPEN_SOUND);
        setState(eOpening);
    } else if (m_nState == eOpen) {
        playSound(CLOSE_SOUND);
        setState(eClosing);
    }
}

void CMiniGameCell::close()
{
    playSound(CLOSE_SOUND);
    setState(eClosing);
}

std::string CMiniGameCell::take(bool bWithFish)
{
    playSound(bWithFish ? FREE_SOUND : TAKE_SOUND);
    if (m_bDraw) {
        m_pEffect = std::make_unique<CSpriteWrap>(bWithFish ? FISH_EFFECT : DECOY_EFFECT);
        m_pEffect->setPosition(m_vPosition);
    }
    PostItemCleared(bWithFish ? FISH_POINTS : DECOY_POINTS);
    setState(eTaken);
    return bWithFish ? m_Kind.strFish : std::string();
}

// The opening and closing animations run only where there is something to
// draw; without pictures they are over at the next frame.
void CMiniGameCell::setState(int nState)
{
    m_pAnimation.reset();
    m_nState = nState;
    if (m_bDraw && (nState == eOpening || nState == eClosing))
        m_pAnimation = std::make_unique<CSimpleAnimation>(nState == eOpening ? m_Kind.strOpen : m_Kind.strClose);
    m_Owner.onStateChange(*this);
}

void CMiniGameCell::update()
{
    if (m_nState == eOpening || m_nState == eClosing) {
        if (m_pAnimation)
            m_pAnimation->update();
        if (!m_pAnimation || m_pAnimation->isFinished())
            setState(m_nState == eOpening ? eOpen : eCovered);
        return;
    }
    if (m_nState == eTaken && m_pEffect) {
        m_pEffect->update();
        if (m_pEffect->isFinished())
            m_pEffect.reset();
    }
}

void CMiniGameCell::render(float fAlpha)
{
    if (!m_bDraw)
        return;
    m_pBackground->SetAlpha(fAlpha);
    m_pBackground->placeAt(m_vPosition);
    switch (m_nState) {
    case eCovered:
        m_pCover->placeAt(m_vPosition);
        if (m_bHovered)
            m_pHighlight->placeAt(m_vPosition);
        break;
    case eOpening:
    case eClosing:
        if (m_pAnimation)
            m_pAnimation->render(m_vPosition);
        break;
    case eOpen: m_pPicture->placeAt(m_vPosition); break;
    case eTaken:
        if (m_pEffect)
            m_pEffect->renderAt(m_vPosition);
        break;
    default: break;
    }
}

#include "Game/Items/gameitem.h"

#include <algorithm>
#include <cmath>

#include "Core/vantile_frametimer.h"
#include "Game/Context/gameevents.h"
#include "Game/Items/animationlayer.h"
#include "Game/Items/animationmanager.h"
#include "Game/Items/layervisual.h"

namespace {

const char* const MARKER_TEXTURE = "double_delete.dds";
const char* const OVERLAY_TEXTURE = "double_delete.ifl";

std::shared_ptr<ILayerVisual> makeMarker()
{
    ILayerVisualSource* pSource = CAnimationManager::Instance().visualSource();
    return pSource ? pSource->create(MARKER_TEXTURE) : nullptr;
}

ANIDATA overlayData()
{
    ANIDATA data;
    data.strName = "double_delete";
    data.strTexture = OVERLAY_TEXTURE;
    data.bLimited = true;
    data.nRepeatCount = 1;
    return data;
}

const D3DXVECTOR3 ORIGIN(0.0f, 0.0f, 0.0f);

}  // namespace

CGameItem::CGameItem(int nType) : m_nType(nType), m_Animator(nType, this), m_pMarker(makeMarker())
{
    m_Animator.setState(eNormal, ORIGIN, ORIGIN, 0.0f);
}

CGameItem::~CGameItem() = default;

void CGameItem::setState(int nState, const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo, float fDelay, float fSpeed)
{
    m_Animator.setSpeed(fSpeed);
    m_Animator.setState(nState, vFrom, vTo, fDelay);
}

void CGameItem::update(const D3DXVECTOR3& vCell)
{
    const float fDt = static_cast<float>(Vantile::CFrameTimer::Instance().timeSinceLastFrame());
    updateOverlay(fDt);
    m_Animator.update(fDt, vCell);
    m_fShakeMs = std::max(0.0f, m_fShakeMs - fDt);
}

float CGameItem::shakeOffset() const
{
    // About five swings that die away, up to four units either side.
    const float fLeft = m_fShakeMs / SHAKE_MS;
    return 4.0f * fLeft * std::sin((1.0f - fLeft) * SHAKE_MS / 1000.0f * 12.0f * 2.0f * 3.14159265f);
}

void CGameItem::updateOverlay(float fDt)
{
    if (!m_pOverlay)
        return;
    m_pOverlay->advance(fDt / 1000.0f);
    if (!m_pOverlay->isPlaying())
        m_pOverlay.reset();
}

void CGameItem::render(const D3DXVECTOR3& vCell)
{
    m_Animator.render(vCell + D3DXVECTOR3(shakeOffset(), 0.0f, 0.0f));
    if (m_nHits > 1 && m_pMarker)
        m_pMarker->draw(position(), 0, 0.0f, WHITE_COLOR);
    if (m_pOverlay)
        m_pOverlay->draw(vCell);
}

int CGameItem::hit()
{
    if (m_nHits > 1)
        m_pOverlay = std::make_unique<CAnimationLayer>(m_nType, overlayData(), 0.0f, 0.0f);
    return --m_nHits;
}

void CGameItem::onEvent(const std::string& strName)
{
    if (strName == "gameover") {
        CGameContext::Instance().postEvent(eEventItemGameOver);
        setState(eNormal);
    } else if (strName == "move" || strName == "appear" || strName == "normal" || strName == "falling") {
        setState(eNormal);
    } else if (strName == "trunk_open") {
        setState(eTrunkOpen);
    }
    if (m_pListener)
        m_pListener->onEvent(strName);
}

#include "Game/Destructors/trunkeffect.h"

#include "Core/vantile_frametimer.h"
#include "Game/Context/gameevents.h"
#include "Game/Board/gamecell.h"
#include "Game/Destructors/boardanimation.h"
#include "Game/Destructors/celldestructor.h"
#include "Game/Items/gameitem.h"

namespace {

const float FADE_SECONDS = 1.0f;
const float TUNE_DELAY = 1.7f;
const float EXIT_Y = -255.0f;
const D3DXVECTOR3 ORIGIN(0.0f, 0.0f, 0.0f);

}  // namespace

CTrunkEffect::CTrunkEffect() : m_pBeam(std::make_unique<CBoardAnimation>("trunk_effect.dds", true))
{
    reset();
}

CTrunkEffect::~CTrunkEffect() = default;

void CTrunkEffect::reset()
{
    m_Fade.init(0.0f, 1.0f, FADE_SECONDS);
    m_fCountdown = TUNE_DELAY;
    m_pTrunk.reset();
}

void CTrunkEffect::start(CGameCell* pCell)
{
    m_pTrunk.reset(pCell->takeItem());
    m_pTrunk->setListener(nullptr);
    m_pTrunk->setCell(nullptr);
    m_vLanding = pCell->position();
    m_vExit = D3DXVECTOR3(m_vLanding.x, EXIT_Y, m_vLanding.z);
    m_vLastDrawn = m_vLanding;
    m_nColumn = pCell->column();
}

void CTrunkEffect::updateAndRender()
{
    if (!m_pTrunk)
        return;
    const float fSeconds = Vantile::CFrameTimer::Instance().frameSeconds();
    const bool bWasFading = m_Fade.isRunning();
    m_Fade.update(fSeconds);
    const bool bFading = m_Fade.isRunning();
    m_pBeam->setAlpha(bFading ? m_Fade.getValue() : 1.0f);
    m_pTrunk->update(bFading ? m_vLanding : m_vExit);
    if (!bWasFading || bFading) {
        advanceCountdown(fSeconds);
    } else {
        m_pTrunk->setState(eTrunkFall, m_vLanding - m_vExit, ORIGIN);
        m_pTrunk->setListener(this);
    }
    if (m_pTrunk)
        draw(bFading);
}

void CTrunkEffect::advanceCountdown(float fSeconds)
{
    if (m_fCountdown <= 0.0f)
        return;
    m_fCountdown -= fSeconds;
    if (m_fCountdown <= 0.0f)
        CGameContext::Instance().postEvent(eEventTrunkTune);
}

void CTrunkEffect::draw(bool bFading)
{
    const D3DXVECTOR3 vPosition = m_pTrunk->position();
    // An item that has not been drawn yet reports the origin.
    if (!(vPosition == ORIGIN))
        m_vLastDrawn = vPosition;
    m_pTrunk->render(bFading ? m_vLanding : m_vExit);
    m_pBeam->draw(m_vLastDrawn);
    CGameContext& context = CGameContext::Instance();
    context.m_bTrunkShown = true;
    context.m_vTrunk = m_vLastDrawn;
}

void CTrunkEffect::onEvent(const std::string& strName)
{
    if (strName == "trunk_fall") {
        m_pTrunk->setState(eTrunkOpen, ORIGIN, ORIGIN);
    } else if (strName == "trunk_open") {
        m_pTrunk->setListener(nullptr);
        CGameContext::Instance().postEvent(eEventTrunkOpened);
    }
}

#include "Game/Hud/gamegui.h"

#include "Game/Board/boardsounds.h"
#include "Game/Context/gamecontext.h"
#include "Game/Hud/hudsprites.h"
#include "Game/Hud/timeoutmessage.h"

namespace {

const char* const SCORE_STRIP = "numbers-tablo.png";
const char* const LIVES_STRIP = "numbers-life.png";
const int SCORE_DIGITS = 6;
const int SCORE_DIGIT_WIDTH = 20;
const char* const SLIDE_SOUND = "circuit.ogg";

}  // namespace

CGameGui::CGameGui(std::unique_ptr<IHudWindows> pWindows)
    : m_pWindows(std::move(pWindows)),
      m_Score(SCORE_STRIP, SCORE_DIGITS, D3DXVECTOR3(278.0f, 158.0f, 0.0f), CSprite::WHITE, SCORE_DIGIT_WIDTH),
      m_Lives(LIVES_STRIP, 1, D3DXVECTOR3(348.0f, 63.0f, 0.0f), CSprite::WHITE, -1),
      m_Shuffle(CChargeButton::SHUFFLE),
      m_Powerup(CChargeButton::POWERUP)
{
    m_pTimeout.reset(new CTimeoutMessage);
    m_LeftChain.movePivot(CHudSprites::LEFT_CHAIN_A.vBase, true);
    m_RightChain.movePivot(CHudSprites::RIGHT_CHAIN_A.vBase, true);
    if (m_pWindows) {
        m_pWindows->setListener(this);
        m_Shuffle.setWindow(m_pWindows->makeChargeButton(125.0f, 36.0f, [this] { onShuffleClicked(); }));
        m_Powerup.setWindow(m_pWindows->makeChargeButton(75.0f, 83.0f, [this] { onPowerupClicked(); }));
    }
    registerHints();
}

CGameGui::~CGameGui()
{
    // The windows go first: their clicks may no longer reach the HUD.
    m_Shuffle.setWindow(nullptr);
    m_Powerup.setWindow(nullptr);
    m_pWindows.reset();
    for (CHintManager::CItem* pItem : {m_pLivesHint, m_pShuffleHint, m_pPowerupHint, m_pTimeHint, m_pScoreHint})
        CHintManager::Instance().remove(pItem);
}

void CGameGui::reset()
{
    m_bTimeoutShown = false;
    m_fOffset = RESET_OFFSET;
}

void CGameGui::setScore(int nValue)
{
    m_Score.setValue(nValue, true);
}

void CGameGui::setLives(int nValue)
{
    m_Lives.setValue(nValue, true);
}

void CGameGui::setLevelTitle(const std::string& strTitle)
{
    m_strLevelTitle = strTitle;
    if (m_pWindows)
        m_pWindows->setLevelTitle(strTitle);
}

void CGameGui::startTimer(float fPeriod)
{
    m_Timer.start(fPeriod);
}

// Both frozen overlays play forwards from their start.
void CGameGui::addFrozenTime(float fSeconds)
{
    m_Timer.addFrozenTime(fSeconds);
    if (m_pSprites) {
        m_pSprites->scaleFrozen.setTime(0.0f);
        m_pSprites->chainFrozen.setTime(0.0f);
    }
}

void CGameGui::setActive(bool bActive)
{
    m_bActive = bActive;
    if (!bActive)
        m_Shuffle.disableWindow();
    enableHints();
}

void CGameGui::setPowerupAvailable(bool bAvailable)
{
    m_bPowerupAvailable = bAvailable;
    enableHints();
}

// Only while power-ups are available; a full bar takes no more.
void CGameGui::addPowerupCharge(float fAmount)
{
    if (!m_bPowerupAvailable || m_Powerup.isFull())
        return;
    if (m_Powerup.addCharge(fAmount))
        playSound("powerup_ready.ogg");
}

void CGameGui::makePowerupMarkers()
{
    m_pMarkers.reset();
    const int nPowerup = CGameContext::Instance().m_nPowerup;
    m_nMarkersFor = CPowerupMarkers::hasMarkers(nPowerup) ? nPowerup : -1;
}

void CGameGui::slideIn()
{
    playSound(SLIDE_SOUND);
    if (m_pWindows)
        m_pWindows->showSheet();
    m_bSlideIn = true;
    m_bSlideOut = false;
    movePivots(true);
}

void CGameGui::slideOut()
{
    playSound(SLIDE_SOUND);
    m_bSlideIn = false;
    m_bSlideOut = true;
    movePivots(true);
}

bool CGameGui::isTimeoutVisible() const
{
    return m_pTimeout->isVisible();
}

int CGameGui::timeoutTextId() const
{
    return m_pTimeout->textId();
}

IBoardSounds& CGameGui::sounds() const
{
    return m_pSounds ? *m_pSounds : GameContextSounds();
}

void CGameGui::playSound(const std::string& strName) const
{
    sounds().playSound(strName, 1.0f);
}

// The left pendulum follows its panel, the right one against it; a reset
// lets the left one hang still instead of swinging.
void CGameGui::movePivots(bool bResetLeft)
{
    const D3DXVECTOR3 vShift(m_fOffset, 0.0f, 0.0f);
    m_LeftChain.movePivot(CHudSprites::LEFT_CHAIN_A.vBase + vShift, bResetLeft);
    if (!bResetLeft)
        m_RightChain.movePivot(CHudSprites::RIGHT_CHAIN_A.vBase - vShift, false);
}

// What the HUD's buttons do, and the hover hints over its parts.
#include "Game/Hud/gamegui.h"

#include "Business/xmllocale.h"
#include "Game/Context/gameevents.h"
#include "Game/Hud/timeoutmessage.h"

namespace {

const int HUD_HINT_GROUP = 1;
const char* const HUD_HINT_MARKER = "win_hint.png";

std::string LocaleText(int nId)
{
    const CXMLLocale* pLocale = CXMLLocale::Instance();
    return pLocale ? pLocale->getText(nId) : std::string();
}

CHintManager::CItem* AddRound(const D3DXVECTOR3& vCentre, int nText)
{
    return CHintManager::Instance().add(std::unique_ptr<CHintManager::CItem>(new CHintManager::CItemRoundArea(
        HUD_HINT_GROUP, HUD_HINT_MARKER, LocaleText(nText), nullptr, vCentre, 30.0f)));
}

CHintManager::CItem* AddRect(const D3DXVECTOR3& vCorner, const D3DXVECTOR2& vSize, int nText)
{
    return CHintManager::Instance().add(std::unique_ptr<CHintManager::CItem>(
        new CHintManager::CItemRectArea(HUD_HINT_GROUP, HUD_HINT_MARKER, LocaleText(nText), nullptr, vCorner, vSize)));
}

}  // namespace

void CGameGui::registerHints()
{
    m_pLivesHint = AddRound(D3DXVECTOR3(348.0f, 63.0f, 0.0f), 50);
    m_pShuffleHint = AddRect(D3DXVECTOR3(-385.0f, 133.0f, 0.0f), D3DXVECTOR2(133.0f, 49.0f), 51);
    m_pPowerupHint = AddRound(D3DXVECTOR3(-345.0f, -126.0f, 0.0f), 52);
    m_pTimeHint = AddRect(D3DXVECTOR3(352.0f, -210.0f, 0.0f), D3DXVECTOR2(48.0f, 305.0f), 49);
    m_pScoreHint = AddRect(D3DXVECTOR3(249.0f, 110.0f, 0.0f), D3DXVECTOR2(150.0f, 75.0f), 48);
    enableHints();
}

void CGameGui::enableHints()
{
    m_pShuffleHint->setEnabled(m_bActive);
    m_pPowerupHint->setEnabled(m_bActive && m_bPowerupAvailable);
}

void CGameGui::onMenuClicked()
{
    playSound("Click.ogg");
    CGameContext::Instance().postEvent(eEventMainMenu);
}

// The window takes clicks only while the bar is full and the board
// settled; the check here keeps a stray click from shuffling early.
void CGameGui::onShuffleClicked()
{
    if (!m_Shuffle.isClickable())
        return;
    CGameContext::Instance().postEvent(eEventShuffle);
    m_Shuffle.resetCharge();
    playSound("use_shuffle.ogg");
}

void CGameGui::onPowerupClicked()
{
    if (!m_Powerup.isFull())
        return;
    bool& bArmed = CGameContext::Instance().m_bPowerupArmed;
    bArmed = !bArmed;
    if (bArmed)
        playSound("powerup_take.ogg");
}

void CGameGui::onTimeoutOk()
{
    slideOut();
    m_pTimeout->hide(m_pWindows.get());
}

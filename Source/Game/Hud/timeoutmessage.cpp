#include "Game/Hud/timeoutmessage.h"

#include "Business/xmllocale.h"
#include "Game/Board/boardsounds.h"
#include "Game/Hud/hudwindows.h"
#include "Game/Sound/soundmanager.h"
#include "Game/Sprites/sprite.h"

namespace {

const char* const LOSING_TUNE = "Muz Losser.ogg";

}  // namespace

bool CTimeoutMessage::isOnOk(const D3DXVECTOR3& vPoint)
{
    const float fX = vPoint.x + 400.0f - OK_LEFT;
    const float fY = 300.0f - vPoint.y - OK_TOP;
    return fX >= 0.0f && fX < OK_WIDTH && fY >= 0.0f && fY < OK_HEIGHT;
}

CTimeoutMessage::CTimeoutMessage() = default;
CTimeoutMessage::~CTimeoutMessage() = default;

void CTimeoutMessage::show(bool bNoLivesLeft, IHudWindows* pWindows, IBoardSounds* pSounds)
{
    m_nTextId = bNoLivesLeft ? TEXT_GAME_OVER : TEXT_TIME_UP;
    pSounds->fadeOutAllMusic(1.0f);
    CSoundManager::instance().fadeTo(LOSING_TUNE, 1.0f, 1.0f, true);
    m_bVisible = true;
    if (pWindows) {
        const CXMLLocale* pLocale = CXMLLocale::Instance();
        pWindows->showTimeoutMessage(pLocale ? pLocale->getText(m_nTextId) : std::string());
    }
}

void CTimeoutMessage::hide(IHudWindows* pWindows)
{
    m_bVisible = false;
    if (pWindows)
        pWindows->hideTimeoutMessage();
}

void CTimeoutMessage::render()
{
    if (!m_bVisible)
        return;
    if (!m_pBackground)
        m_pBackground.reset(new CSprite(BACKGROUND, CSprite::WHITE, false, true));
    m_pBackground->placeAt(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
}

#include "Game/Story/presplash.h"

#include "Game/Context/gamecontext.h"
#include "Game/Context/gameevents.h"
#include "Game/Sprites/sprite.h"
#include "Resources/vantile_resourcemanager.h"

CPreSplash::CPreSplash(bool bDraw)
{
    if (bDraw)
        m_pLogo = std::make_unique<CSprite>(LOGO, CSprite::WHITE, true, true);
}

CPreSplash::~CPreSplash() = default;

void CPreSplash::update(float fSeconds)
{
    if (m_bDone)
        return;
    m_fRemaining -= fSeconds;
    m_bDone = !(m_fRemaining > 0.0f);
    if (m_bDone)
        CGameContext::Instance().postEvent(eEventLogoDone);
}

void CPreSplash::render()
{
    if (m_pLogo)
        m_pLogo->draw();
}

// Looked up in the file system without the resource manager's exception:
// a game without a partner's logo is no fault to log.
bool CPreSplash::isShipped()
{
    Vantile::CVFSFile file;
    return Vantile::CResourceManager::Instance().GetVFS().GetFile(0, LOGO, file) > 0 && file.GetData() != nullptr;
}

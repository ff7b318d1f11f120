#include "Game/Story/presplash.h"

#include "Core/vantile_exception.h"
#include "Game/Context/gamecontext.h"
#include "Game/Context/gameevents.h"
#include "Game/Sprites/sprite.h"
#include "Resources/vantile_resource.h"

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

bool CPreSplash::isShipped()
{
    try {
        Vantile::CResource resource(LOGO);
        resource.Load();
        return resource.GetData() != nullptr;
    } catch (const Vantile::Exception&) {
        return false;
    }
}

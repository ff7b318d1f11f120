// The partner's logo before loading, and the story pages before some
// levels and after the last one.
#include "Game/Session/game.h"

#include "Game/Context/gamecontext.h"
#include "Game/Context/gameevents.h"
#include "Game/Story/comicsguibuttons.h"
#include "Game/Story/comicsscreen.h"
#include "Game/Story/presplash.h"
#include "Game/Story/storypages.h"

void CGame::makeLogo()
{
    if (CPreSplash::isShipped())
        m_pPreSplash = std::make_unique<CPreSplash>(m_bDraw);
}

// Without a partner's logo, loading follows at once.
void CGame::runLogo(float fSeconds)
{
    if (!m_pPreSplash) {
        if (!(m_bTransition && m_nPendingState == eLoading))
            CGameContext::Instance().postEvent(eEventLogoDone);
        return;
    }
    m_pPreSplash->update(fSeconds);
    m_pPreSplash->render();
}

// A level without pages has no story screen: the story is over at once.
void CGame::showStory(bool bFinal)
{
    const SStorySet* pSet = bFinal ? &FinalStorySet() : StorySetOf(m_nLevel);
    m_pComics.reset();
    if (!pSet) {
        passOnFromStory();
        return;
    }
    std::unique_ptr<IComicsButtons> pButtons;
    if (m_bHudWindows)
        pButtons = std::make_unique<CComicsGuiButtons>();
    m_pComics = std::make_unique<CComicsScreen>(std::move(pButtons), m_bDraw);
    m_pComics->addSet(*pSet);
}

void CGame::runStory(float fSeconds)
{
    if (m_pComics)
        m_pComics->update(fSeconds);
}

// The screen and its pictures go as soon as the story is left.
void CGame::leaveStory()
{
    if (m_nState != eStory && m_nState != eFinalStory)
        m_pComics.reset();
}

void CGame::storyClick()
{
    if (m_pComics && m_pComics->revealNext())
        return;
    passOnFromStory();
}

// The layout aid works before levels only.
void CGame::storyKey(int nKey)
{
    if (m_nState == eStory && m_pComics)
        m_pComics->onKey(nKey);
}

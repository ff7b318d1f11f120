// The power-up chooser's part of the session: shown before a level with
// power-ups where the program gives the game its GUI windows. Without them
// (tests, tools) the chooser's first power-up, checked from the start, is
// taken as if OK were pressed.
#include "Game/Session/game.h"

#include "Game/Context/gameevents.h"
#include "Game/Hints/hintguiwindows.h"
#include "Game/Hints/hintmanager.h"
#include "Game/Hints/powerupchoosedialog.h"
#include "Game/Hints/textpainter.h"

void CGame::makeChooser()
{
    if (!m_bHudWindows)
        return;
    // The hints' texts are written in the GUI's fonts.
    m_pHintPainter = std::make_unique<CGuiTextPainter>();
    UseGuiForHints(*m_pHintPainter);
    m_pChooser = std::make_unique<CPowerupChooseDialog>(std::make_unique<CChooserGuiWindows>());
}

void CGame::showChooser(int nPowerups)
{
    if (!m_pChooser) {
        CGameContext::Instance().m_nPowerup = FIRST_CHOOSER_POWERUP;
        CGameContext::Instance().postEvent(eEventChooserDone);
        return;
    }
    m_pChooser->setAvailable(nPowerups);
    m_pChooser->show();
}

void CGame::runChooser(float fSeconds)
{
    if (!m_pChooser)
        return;
    m_pChooser->update(m_vMouse);
    if (!m_bDraw)
        return;
    m_pChooser->render(fSeconds);
    CHintManager::Instance().render();
}

void CGame::clickChooser()
{
    if (m_pChooser)
        m_pChooser->click();
}

// The hints stop writing with the painter that goes with the game.
void CGame::releaseChooser()
{
    if (!m_pHintPainter)
        return;
    m_pChooser.reset();
    CHintManager::Instance().setGroup(CHintManager::NO_GROUP);
    CHintManager::Instance().setTextWindowMaker(nullptr);
    SetTextPainter(nullptr);
}

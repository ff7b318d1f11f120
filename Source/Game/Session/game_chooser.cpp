// The power-up chooser before a level with power-ups: shown when the level
// starts, hovered and clicked while it shows; its OK posts the event that
// starts the play.
#include "Game/Session/game.h"

#include "Game/Context/gameevents.h"
#include "Game/Hints/powerupchoosedialog.h"

void CGame::setChooser(std::unique_ptr<CPowerupChooseDialog> pChooser)
{
    m_pChooser = std::move(pChooser);
}

void CGame::showChooser(int nPowerups)
{
    if (m_pChooser) {
        m_pChooser->setAvailable(nPowerups);
        m_pChooser->show();
        return;
    }
    // No chooser on screen: its first power-up, checked at the start, is
    // taken as if OK were pressed.
    CGameContext::Instance().m_nPowerup = FIRST_CHOOSER_POWERUP;
    CGameContext::Instance().postEvent(eEventChooserDone);
}

void CGame::runChooser(float fSeconds)
{
    if (!m_pChooser)
        return;
    m_pChooser->update(m_vMouse);
    if (m_bDraw)
        m_pChooser->render(fSeconds);
}

void CGame::clickChooser()
{
    if (m_pChooser)
        m_pChooser->click();
}

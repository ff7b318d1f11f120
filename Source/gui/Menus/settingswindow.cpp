#include "gui/Menus/settingswindow.h"

#include <CEGUI/widgets/Slider.h>
#include <CEGUI/widgets/ToggleButton.h>

#include "Business/profilesstore.h"
#include "Game/Context/gamecontext.h"
#include "RenderSystem/vantile_renderwindow.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/Framework/windowstack.h"
#include "gui/Menus/menunames.h"

namespace {

const float SLIDER_MAXIMUM = 50.0f;

CEGUI::Slider* createSlider(float fY)
{
    CEGUI::Slider* pSlider = static_cast<CEGUI::Slider*>(createGuiWindow(GuiWidget::Slider));
    placeInPixels(pSlider, 296.0f, fY, 209.0f, 30.0f);
    pSlider->setMaxValue(SLIDER_MAXIMUM);
    pSlider->setClickStep(1.0f);
    return pSlider;
}

// The jingle track takes the new music gain with the settings' OK or
// Cancel; nothing happens when it is not loaded.
const char* const JINGLE_TRACK = "Muz nibbets.ogg";

}  // namespace

void CSettingsWindow::create()
{
    CBaseDialogWindow::create();
    m_pVolume = createSlider(309.0f);
    m_pMusic = createSlider(253.0f);
    m_pRoot->addChild(m_pVolume);
    m_pRoot->addChild(m_pMusic);
    m_pMusic->subscribeEvent(CEGUI::Slider::EventValueChanged,
                             CEGUI::Event::Subscriber(&CSettingsWindow::onMusicChanged, this));
    placeInPixels(m_pOk, 284.0f, 450.0f, 99.0f, 46.0f);
    placeInPixels(m_pCancel, 419.0f, 450.0f, 99.0f, 46.0f);
    m_pFullscreen = static_cast<CEGUI::ToggleButton*>(createGuiWindow(GuiWidget::Checkbox));
    placeInPixels(m_pFullscreen, 445.0f, 360.0f, 41.0f, 40.0f);
    m_pRoot->addChild(m_pFullscreen);
    m_pBackground = createBackgroundSprite(MenuImage::OPTIONS_BG, 274.0f, 188.0f);
}

void CSettingsWindow::show()
{
    m_nShownMusic = m_pStore->getMusic();
    m_pVolume->setCurrentValue(float(m_pStore->getVolume()));
    m_pMusic->setCurrentValue(float(m_nShownMusic));
    m_pFullscreen->setSelected(m_pStore->getFullscreen());
    CBaseDialogWindow::show();
}

bool CSettingsWindow::onMusicChanged(const CEGUI::EventArgs&)
{
    m_pStore->setMusic(int(m_pMusic->getCurrentValue()));
    applyGains();
    return true;
}

bool CSettingsWindow::onOk(const CEGUI::EventArgs& args)
{
    if (CWindowStack::instance().isClosing(this))
        return true;
    m_pStore->setFullscreen(m_pFullscreen->isSelected());
    m_pStore->setMusic(int(m_pMusic->getCurrentValue()));
    m_pStore->setVolume(int(m_pVolume->getCurrentValue()));
    m_pStore->save();
    applyGains();
    CGameContext::Instance().setTrackVolume(JINGLE_TRACK, 1.0f);
    applyFullscreen(m_pStore->getFullscreen());
    return CBaseDialogWindow::onOk(args);
}

bool CSettingsWindow::onCancel(const CEGUI::EventArgs& args)
{
    if (CWindowStack::instance().isClosing(this))
        return true;
    m_pStore->setMusic(m_nShownMusic);
    applyGains();
    CGameContext::Instance().setTrackVolume(JINGLE_TRACK, 1.0f);
    return CBaseDialogWindow::onCancel(args);
}

void CSettingsWindow::applyGains()
{
    m_pStore->pushGains();
    // The playing track is set to the kept loudness too, so Cancel is heard.
    CGameContext::Instance().setTrackVolume(MENU_MUSIC, 1.0f);
}

void CSettingsWindow::applyFullscreen(bool bFullscreen)
{
    // The window's switch goes through the device reset on the next frame.
    Vantile::CD3D9RenderWindow* pWindow = Vantile::CD3D9RenderSystem::Instance().GetRenderWindow();
    if (pWindow && pWindow->IsFullScreen() != bFullscreen)
        pWindow->SetFullScreen(bFullscreen);
}

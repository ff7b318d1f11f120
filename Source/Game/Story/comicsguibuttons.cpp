#include "Game/Story/comicsguibuttons.h"

#include <CEGUI/GUIContext.h>
#include <CEGUI/System.h>
#include <CEGUI/WindowManager.h>
#include <CEGUI/widgets/PushButton.h>

#include "Business/xmllocale.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"

namespace {

const int SKIP_TEXT = 17;
const int NEXT_TEXT = 18;

CEGUI::String LocaleText(int nId)
{
    const CXMLLocale* pLocale = CXMLLocale::Instance();
    return CEGUI::String(pLocale ? pLocale->getText(nId).c_str() : "");
}

}  // namespace

CComicsGuiButtons::CComicsGuiButtons()
{
    m_pRoot = createGuiWindow(GuiWidget::DefaultWindow);
    placeInPixels(m_pRoot, 0.0f, 0.0f, 800.0f, 600.0f);
    // Clicks anywhere turn the page: the game hears them first.
    m_pRoot->setMousePassThroughEnabled(true);
    CEGUI::Window* pContainer = createGuiWindow(GuiWidget::DefaultWindow);
    placeInPixels(pContainer, 0.0f, 0.0f, 800.0f, 600.0f);
    pContainer->setMousePassThroughEnabled(true);
    m_pRoot->addChild(pContainer);
    pContainer->addChild(createTextButton(NEXT_X, BUTTONS_Y, LocaleText(NEXT_TEXT)));
    m_pSkip = createTextButton(SKIP_X, BUTTONS_Y, LocaleText(SKIP_TEXT));
    pContainer->addChild(m_pSkip);
}

CComicsGuiButtons::~CComicsGuiButtons()
{
    CEGUI::GUIContext& context = CEGUI::System::getSingleton().getDefaultGUIContext();
    if (context.getRootWindow() == m_pRoot)
        context.setRootWindow(nullptr);
    CEGUI::WindowManager::getSingleton().destroyWindow(m_pRoot);
}

void CComicsGuiButtons::showSheet()
{
    CEGUI::System::getSingleton().getDefaultGUIContext().setRootWindow(m_pRoot);
}

bool CComicsGuiButtons::isSkipPushed() const
{
    return static_cast<CEGUI::PushButton*>(m_pSkip)->isPushed();
}

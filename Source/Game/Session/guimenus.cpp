#include "Game/Session/guimenus.h"

#include "gui/Framework/windowstack.h"

void CGuiMenus::setup(CProfilesStore& store)
{
    m_Gui.setStore(&store);
    m_Gui.setup();
}

bool CGuiMenus::showMainMenu()
{
    m_Gui.showMainMenu();
    const CWindowStack& stack = CWindowStack::instance();
    return stack.current() != nullptr || stack.isSwitchPending();
}

void CGuiMenus::showBlank()
{
    CWindowStack::instance().showBlank();
}

void CGuiMenus::renderMenus()
{
    m_Gui.renderHeader();
    m_Gui.renderTopWindow();
}

#include "gui/Framework/basewindow.h"

#include <CEGUI/Window.h>
#include <CEGUI/WindowManager.h>

#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/Framework/windowstack.h"

CBaseWindow::~CBaseWindow()
{
    CWindowStack::instance().forget(this);
    if (m_pRoot && CEGUI::WindowManager::getSingletonPtr())
        CEGUI::WindowManager::getSingleton().destroyWindow(m_pRoot);
}

void CBaseWindow::create()
{
    m_pRoot = createGuiWindow(GuiWidget::DefaultWindow);
    m_pRoot->setPosition(CEGUI::UVector2(CEGUI::UDim(0.0f, 0.0f), CEGUI::UDim(0.0f, 0.0f)));
    m_pRoot->setSize(CEGUI::USize(CEGUI::UDim(1.0f, 0.0f), CEGUI::UDim(1.0f, 0.0f)));
    addEvent(GuiEvent::OnClosing);
}

void CBaseWindow::show()
{
    CWindowStack::instance().show(this);
}

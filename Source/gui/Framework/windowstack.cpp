#include "gui/Framework/windowstack.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <typeinfo>

#include <CEGUI/GUIContext.h>
#include <CEGUI/System.h>
#include <CEGUI/Window.h>
#include <CEGUI/WindowManager.h>

#include "Game/Context/gameevents.h"
#include "gui/Framework/basewindow.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "system/crash_report.h"

namespace {

CEGUI::GUIContext& context()
{
    return CEGUI::System::getSingleton().getDefaultGUIContext();
}

}  // namespace

CWindowStack& CWindowStack::instance()
{
    static CWindowStack stack;
    return stack;
}

void CWindowStack::show(CBaseWindow* pWindow)
{
    if (!pWindow || (m_pPending && m_pCurrent))
        return;
    if (!m_bPanelMade) {
        m_pPanel = createGuiWindow(GuiWidget::StaticImage);
        m_pPanel->setPosition(CEGUI::UVector2(CEGUI::UDim(0.0f, 0.0f), CEGUI::UDim(0.0f, 0.0f)));
        m_pPanel->setSize(CEGUI::USize(CEGUI::UDim(1.0f, 0.0f), CEGUI::UDim(1.0f, 0.0f)));
        m_pPanel->setProperty(GuiProperty::FrameEnabled, "false");
        m_pPanel->setProperty(GuiProperty::BackgroundEnabled, "false");
        attachPanel();
        m_bPanelMade = true;
    }
    m_pPending = pWindow;
    if (m_pCurrent)
        PostDeferredCall([this] { switchToPending(); });
    else
        switchToPending();
}

void CWindowStack::switchToPending()
{
    if (!m_pPending)
        return;
    if (m_pCurrent)
        m_pPanel->removeChild(m_pCurrent->getRoot());
    m_History.push_back(m_pCurrent);
    putOnPanel(m_pPending);
    m_pPending = nullptr;
}

// A crash report names the window on top by its class.
void CWindowStack::setCurrent(CBaseWindow* pWindow)
{
    m_pCurrent = pWindow;
    if (!pWindow) {
        CrashReportSetWindow("");
        return;
    }
    const char* pszMangled = typeid(*pWindow).name();
    int nStatus = 0;
    std::unique_ptr<char, decltype(&free)> pName(abi::__cxa_demangle(pszMangled, nullptr, nullptr, &nStatus), &free);
    CrashReportSetWindow(nStatus == 0 ? pName.get() : pszMangled);
}

// The window becomes current, on the panel, and takes the keyboard.
void CWindowStack::putOnPanel(CBaseWindow* pWindow)
{
    setCurrent(pWindow);
    m_pPanel->addChild(pWindow->getRoot());
    if (m_bReattach) {
        attachPanel();
        m_bReattach = false;
    }
    pWindow->getRoot()->activate();
}

// Under a sheet of the game's own (the HUD's) the panel becomes its child;
// otherwise the panel is the sheet.
void CWindowStack::attachPanel()
{
    CEGUI::Window* pSheet = context().getRootWindow();
    if (pSheet == m_pPanel)
        return;
    if (pSheet && pSheet != blank()) {
        if (m_pPanel->getParent() != pSheet)
            pSheet->addChild(m_pPanel);
    } else {
        if (m_pPanel->getParent())
            m_pPanel->getParent()->removeChild(m_pPanel);
        context().setRootWindow(m_pPanel);
    }
}

void CWindowStack::closeTop()
{
    if (!m_pCurrent)
        return;
    if (m_pClosing == m_pCurrent)
        m_pClosing = nullptr;
    m_pPanel->removeChild(m_pCurrent->getRoot());
    CBaseWindow* pBelow = m_History.back();
    if (!pBelow) {
        if (m_History.size() > 1)
            m_History.pop_back();
        setCurrent(nullptr);
        showBlank();
        return;
    }
    m_History.pop_back();
    putOnPanel(pBelow);
}

void CWindowStack::closeTopLater()
{
    if (!m_pCurrent || m_pClosing == m_pCurrent)
        return;
    // The call closes the window it was meant for, and only while that one
    // is on top: a window destroyed or covered in the meantime stays.
    CBaseWindow* pWindow = m_pCurrent;
    m_pClosing = pWindow;
    PostDeferredCall([this, pWindow] {
        if (m_pClosing != pWindow)
            return;
        m_pClosing = nullptr;
        if (m_pCurrent == pWindow)
            closeTop();
    });
}

void CWindowStack::closeAll()
{
    while (m_pCurrent)
        closeTop();
}

void CWindowStack::showBlank()
{
    context().setRootWindow(blank());
    m_bReattach = true;
}

void CWindowStack::renderTop()
{
    if (m_pCurrent)
        m_pCurrent->render();
}

std::vector<CBaseWindow*> CWindowStack::history() const
{
    std::vector<CBaseWindow*> windows;
    std::copy_if(m_History.begin(), m_History.end(), std::back_inserter(windows),
                 [](CBaseWindow* pWindow) { return pWindow != nullptr; });
    return windows;
}

void CWindowStack::forget(CBaseWindow* pWindow)
{
    if (m_pPending == pWindow)
        m_pPending = nullptr;
    if (m_pClosing == pWindow)
        m_pClosing = nullptr;
    if (m_pCurrent == pWindow)
        closeTop();
    m_History.erase(std::remove(m_History.begin() + 1, m_History.end(), pWindow), m_History.end());
}

void CWindowStack::release()
{
    CEGUI::WindowManager* pManager = CEGUI::WindowManager::getSingletonPtr();
    if (pManager && m_pPanel)
        pManager->destroyWindow(m_pPanel);
    if (pManager && m_pBlank)
        pManager->destroyWindow(m_pBlank);
    setCurrent(nullptr);
    m_pPending = m_pClosing = nullptr;
    m_pPanel = m_pBlank = nullptr;
    m_History = {nullptr};
    m_bPanelMade = false;
    m_bReattach = true;
}

CEGUI::Window* CWindowStack::blank()
{
    if (!m_pBlank)
        m_pBlank = createGuiWindow(GuiWidget::DefaultWindow);
    return m_pBlank;
}

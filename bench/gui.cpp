// The GUI's cost per frame on the offscreen device: the same frame with no
// GUI, with a full menu that does not change (its cached nodes are only
// queued again), and with that menu redrawn every frame (every geometry
// buffer rebuilt). Prints the thread's CPU time and the wall time per frame.
// Run from the build's bin folder, or give the data folder:
//   bench_gui [DATA_FOLDER]
#include <CEGUI/CEGUI.h>

#include <time.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "Core/vantile_exception.h"
#include "Game/Context/gamecontext.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resourcemanager.h"
#include "gui/Framework/basewindow.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/Framework/windowstack.h"
#include "gui/Renderer/ceguirenderer.h"
#include "gui/System/guidriver.h"

namespace {

const int kFrames = 400;
const D3DCOLOR SEA = 0xFF0B3550;

// The main menu's widgets and a dialog's: five captions, labels, a text
// button, the profile list, a slider, a check box and a name field.
class CFullMenu : public CBaseWindow {
public:
    void create() override
    {
        CBaseWindow::create();
        const char* const captions[] = {"PlayGame", "Options", "HighScores", "Rules", "Quit"};
        for (int i = 0; i < 5; ++i) {
            CEGUI::Window* pButton = make(GuiWidget::MainMenuButton, 272, float(184 + 80 * i), 237, 52);
            pButton->setProperty(GuiProperty::Image, MENU_TEXTS_PREFIX + "mm_" + captions[i] + "_normal");
            pButton->setProperty(GuiProperty::HoverImage, MENU_TEXTS_PREFIX + "mm_" + captions[i] + "_hover");
            m_pRoot->addChild(pButton);
        }
        CEGUI::Window* pName = createGuiWindow(GuiWidget::LeftAlignedText);
        placeInPixels(pName, 400, 140, 222, 30);
        pName->setText("Captain Finn");
        pName->setFont(STYLO_FONT);
        m_pRoot->addChild(pName);
        m_pRoot->addChild(createTextButton(560, 560, "Change"));
        auto* pList = static_cast<CEGUI::Listbox*>(createGuiWindow(GuiWidget::Listbox));
        placeInPixels(pList, 20, 40, 202, 66);
        pList->setFont(DOMCASL_FONT);
        for (const char* pszName : {"Marina", "Captain Finn", "Coral", "Nemo"})
            pList->addItem(new CEGUI::ListboxTextItem(pszName));
        m_pRoot->addChild(pList);
        m_pRoot->addChild(make(GuiWidget::Slider, 20, 130, 209, 30));
        m_pRoot->addChild(make(GuiWidget::Checkbox, 20, 180, 41, 40));
        CEGUI::Window* pBox = make(GuiWidget::TextBox, 20, 240, 202, 44);
        pBox->setFont(STYLO_FONT);
        pBox->setText("Marina");
        m_pRoot->addChild(pBox);
    }
    void render() override {}

private:
    static CEGUI::Window* make(const CEGUI::String& strType, float fX, float fY, float fWidth, float fHeight)
    {
        CEGUI::Window* pWindow = createGuiWindow(strType);
        placeInPixels(pWindow, fX, fY, fWidth, fHeight);
        return pWindow;
    }
};

double threadSeconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

struct SFigures {
    double fCpuMicros;
    double fWallMicros;
};

SFigures measure(CGuiDriver& driver, const std::function<void()>& beforeFrame)
{
    IDirect3DDevice8* pDevice = Vantile::CD3D9RenderSystem::Instance().GetDevice();
    for (int i = 0; i < 20; ++i) {
        beforeFrame();
        driver.frame(SEA);
        pDevice->Present(nullptr, nullptr, nullptr, nullptr);
    }
    const double fCpu = threadSeconds();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kFrames; ++i) {
        beforeFrame();
        driver.frame(SEA);
        pDevice->Present(nullptr, nullptr, nullptr, nullptr);
    }
    const double fWall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {(threadSeconds() - fCpu) * 1e6 / kFrames, fWall * 1e6 / kFrames};
}

void print(const char* pszName, const SFigures& figures, const SFigures& floor, size_t nNodes)
{
    printf("%-28s %8.1f us CPU %8.1f us wall  (+%7.1f us CPU over no GUI)  %3zu nodes\n", pszName,
           figures.fCpuMicros, figures.fWallMicros, figures.fCpuMicros - floor.fCpuMicros, nNodes);
}

int run()
{
    CGuiDriver driver;
    driver.handler().loadData();
    const SFigures none = measure(driver, [] {});
    print("no GUI", none, none, driver.renderer().getFrameNodes().size());
    CFullMenu menu;
    menu.create();
    menu.show();
    const SFigures still = measure(driver, [] {});
    print("full menu, unchanged", still, none, driver.renderer().getFrameNodes().size());
    const SFigures redrawn = measure(driver, [&] { menu.getRoot()->invalidate(true); });
    print("full menu, redrawn each frame", redrawn, none, driver.renderer().getFrameNodes().size());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string strData = argc > 1 ? argv[1] : CGameContext::gameFolder();
    Vantile::CD3D9RenderSystem& renderSystem = Vantile::CD3D9RenderSystem::Instance();
    const int nMode = renderSystem.FindVideoMode(800, 600, 32);
    if (nMode < 0 || !renderSystem.CreateRenderWindow(nMode, "bench_gui", false)) {
        fprintf(stderr, "bench_gui: no 800 x 600 device\n");
        return 1;
    }
    try {
        Vantile::CResourceManager::Instance().Init(strData, true);
        printf("GUI frame cost, %d frames each, data %s\n", kFrames, strData.c_str());
        return run();
    } catch (const Vantile::Exception& e) {
        fprintf(stderr, "bench_gui: %s\n", e.getDetails().c_str());
        return 1;
    }
}

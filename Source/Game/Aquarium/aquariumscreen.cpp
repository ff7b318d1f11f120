#include "Game/Aquarium/aquariumscreen.h"

#include "Game/Aquarium/aquariumscene.h"
#include "Game/Rules/boarddriver.h"
#include "Game/Rules/boardscreen.h"
#include "Renderstages/vantile_renderstages.h"
#include "Scene/vantile_camera.h"
#include "Scene/vantile_device.h"

namespace {

// Camera 0 is the aquarium's own; the screen camera comes next.
const size_t AQUARIUM_CAMERA = 0;
const size_t SCREEN_CAMERA = 1;

class CCallStage : public Vantile::IRenderStage {
public:
    explicit CCallStage(std::function<void()> call) : m_Call(std::move(call)) {}
    void Render() override { m_Call(); }

private:
    std::function<void()> m_Call;
};

}  // namespace

CAquariumScreen::CAquariumScreen()
{
    m_Queue.MakeCurrent();
    CAquarium::buildScene(m_SceneRoot, m_Queue, m_Steering);
    Vantile::CCamera* pCamera = CAquarium::makeScreenCamera();
    m_SceneRoot.AddChild(pCamera);
    m_Queue.AddCamera(pCamera);
    addStages();
    m_Aquarium.setVisible(true);
}

CAquariumScreen::~CAquariumScreen()
{
    m_Aquarium.setVisible(false);
    CAquarium::releaseScene();
    m_Queue.ClearStages();
}

// The game's pipeline without its off-screen targets and GUI.
void CAquariumScreen::addStages()
{
    using namespace Vantile;
    m_Queue.AddStage(new CRSClear(CBoardScreen::SEA_COLOUR, true, 1.0f, true), true);
    CAquarium::addStagesBehindBoard(m_Queue, m_SceneRoot, AQUARIUM_CAMERA, SCREEN_CAMERA);
    m_Queue.AddStage(new CRSSetCamera(SCREEN_CAMERA), true);
    m_Queue.AddStage(new CRSSetCameraMatrices(), true);
    // The board's queue is drawn and emptied before the driver handles the
    // frame's events, which may delete item sprites still queued.
    m_Queue.AddStage(new CCallStage([this] {
        m_pDriver->frame([this] {
            m_Queue.RenderContainers();
            m_Queue.ClearContainers();
        });
    }), true);
}

void CAquariumScreen::frame(CBoardDriver& driver)
{
    const double dFrameMs = CBoardDriver::FRAME_MS;
    m_dTotalMs += dFrameMs;
    m_Steering.frameStarted({dFrameMs, m_dTotalMs});
    m_Aquarium.update(float(dFrameMs / 1000.0));
    m_pDriver = &driver;
    IDirect3DDevice8* pDevice = Vantile::SceneDevice();
    pDevice->BeginScene();
    m_Queue.RenderStages();
    pDevice->EndScene();
    m_pDriver = nullptr;
}

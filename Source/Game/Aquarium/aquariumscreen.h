// The board in front of its aquarium, drawn into the 800 x 600 back buffer
// through the same stages as in the game: the background and the animals
// behind, then the board's pass with the fish, the scene's front layers
// and the food around it. The tool's shot, the tests and the benchmark
// draw a board driver's frames through it.
#pragma once

#include <functional>
#include <memory>

#include "Game/Aquarium/aquarium.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Scene/vantile_node.h"
#include "Steering/vantile_steerframehandler.h"

class CBoardDriver;

class CAquariumScreen {
public:
    // Builds the aquarium's scene (files from the data folder) under a
    // scene root of its own, with its own render queue made current.
    CAquariumScreen();
    ~CAquariumScreen();
    CAquariumScreen(const CAquariumScreen&) = delete;
    CAquariumScreen& operator=(const CAquariumScreen&) = delete;

    void startLevel(const SAquariumLevel& level) { m_Aquarium.startLevel(level); }
    CAquarium& aquarium() { return m_Aquarium; }
    Vantile::CSteerFrameHandler& steering() { return m_Steering; }

    // One frame of the driver's clock: the fish swim, the food sinks, then
    // every stage draws. The driver's board must draw this aquarium.
    void frame(CBoardDriver& driver);

private:
    void addStages();

    Vantile::CRenderQueue m_Queue;
    Vantile::CNode m_SceneRoot;
    Vantile::CSteerFrameHandler m_Steering;
    CAquarium m_Aquarium;
    CBoardDriver* m_pDriver = nullptr;
    double m_dTotalMs = 0.0;
};

// The aquarium behind the board, as the game and the tools use it: built
// once with the application's scene, set up for each level, fed and drawn
// by the board through IBoardAquarium. The fish move in the steering frame
// handler; the background and the animals draw in their render stages
// (aquariumscene.h).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "Game/Board/boardaquarium.h"
#include "d3d/d3d8.h"

namespace Vantile {
class CCamera;
class CNode;
class CRenderQueue;
class CSteerFrameHandler;
}  // namespace Vantile

struct CLevelInfo;

// What a level of "game.gam" says about its aquarium.
struct SAquariumLevel {
    std::string strScene;
    D3DCOLOR dwFogColor = 0xFFFFFFFF;
    // One count per species: the deep schools, and the ones that eat.
    std::vector<int> BgFishes;
    std::vector<int> FgFishes;
};

SAquariumLevel AquariumLevelOf(const CLevelInfo& level);
// The entry of the level file in "game.gam"; a level not listed there has
// no scene.
SAquariumLevel AquariumLevelOf(const std::string& strLevelFile);

class CAquarium : public IBoardAquarium {
public:
    // The animal paths, the animals, the aquarium camera (the queue's next
    // camera), the fish hanging under sceneRoot and moved by steering, and
    // the seabed curve. Missing or damaged files throw.
    static void buildScene(Vantile::CNode& sceneRoot, Vantile::CRenderQueue& queue,
                           Vantile::CSteerFrameHandler& steering);
    // Fish, scene and animals go; the camera stays with the scene root.
    static void releaseScene();
    // The camera for the board's pass: one unit a pixel with the origin
    // at the screen's centre, as the sprites expect, looking from far
    // enough in front that the fish (z 0) and the sprites (z 1000) are in
    // view. The fish are meshes and take their projection from the
    // current camera, so the board's pass must run with this one.
    static Vantile::CCamera* makeScreenCamera();
    // Appends the stages that draw what lies behind the board: the
    // background with the screen camera, the animals with the aquarium
    // camera, then the scene root's tree (the fish's body chains).
    static void addStagesBehindBoard(Vantile::CRenderQueue& queue, Vantile::CNode& sceneRoot, size_t nAquariumCamera,
                                     size_t nScreenCamera);

    // The level's scene, the colour of its water and its schools.
    void startLevel(const SAquariumLevel& level);
    // The aquarium shows during level play only.
    void setVisible(bool bVisible);
    // Food sinks, settles and fades by the step.
    void update(float fSeconds);

    void dropFood(const D3DXVECTOR3& vPoint) override;
    void drawBehindBoard() override;
    void drawInFrontOfBoard() override;
};

// The session's steps of the frame pipeline: the game stage runs the
// session's frame (its second pass has nothing to do), and the fade stage
// draws the fader's veil, the pause picture while the clock is paused and
// the game's own mouse cursor over everything.
#pragma once

#include <memory>

#include "Renderstages/vantile_renderstage.h"

namespace Vantile {
class CFadeMeshNode;
class CRenderQueue;
}
class CGame;
class CSprite;

class CGAMERenderStage : public Vantile::IRenderStage {
public:
    CGAMERenderStage(CGame& game, int nPass) : m_Game(game), m_nPass(nPass) {}
    void Render() override;

private:
    CGame& m_Game;
    int m_nPass;
};

class CFadeRenderStage : public Vantile::IRenderStage {
public:
    static constexpr const char* PAUSE_PICTURE = "pause.png";
    static constexpr const char* CURSOR = "cursor.ifl";

    // Hands the game's fader its mesh.
    explicit CFadeRenderStage(CGame& game);
    ~CFadeRenderStage() override;
    void Render() override;

    Vantile::CFadeMeshNode& mesh() { return *m_pMesh; }

private:
    CGame& m_Game;
    std::unique_ptr<Vantile::CFadeMeshNode> m_pMesh;
    std::unique_ptr<CSprite> m_pPause;
    std::unique_ptr<CSprite> m_pCursor;
};

// The session's part of the frame pipeline, in order: clear, the game
// (whose sprites the GUI's geometry follows, when there is a GUI stage),
// drawing and emptying the queue, the fade stage, drawing and emptying
// again. The queue owns the stages.
void AddSessionStages(Vantile::CRenderQueue& queue, CGame& game, Vantile::IRenderStage* pGuiStage);

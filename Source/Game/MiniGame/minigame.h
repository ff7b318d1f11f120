// The memory game played before some levels: a grid of covered cells hides
// pairs of reef-fish pictures. Two equal pictures are taken off the grid,
// two different ones close again; matching the one pair that shows a real
// fish sets that fish free and ends the game, and a game without such a
// pair ends once every cell is taken. The session owns one and reuses it
// for every level that has a memory game.
//
// Body by role: minigame.cpp (the kinds, setting up, dealing, the border),
// minigame_play.cpp (input, pairs, the frame and drawing); the cells are
// minigamecell.h, the fish it sets free swim in a pond (minigamepond.h).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Game/MiniGame/minigamecell.h"
#include "Game/Paths/valuefunction.h"

class IMiniGamePond;

class CMiniGame : public CStateChangeCallback {
public:
    static constexpr float CELL_SIZE = 77.0f;
    static constexpr int MAX_SIDE = 8;
    static constexpr const char* BACKGROUND = "mg_background.jpg";
    // A freed fish that has swum this far from the middle leaves the world.
    static constexpr float STRAY_LIMIT = 450.0f;
    static constexpr float FADE_SECONDS = 1.0f;

    // Without bDraw nothing is drawn and the cells' animations end at once.
    explicit CMiniGame(bool bDraw);
    ~CMiniGame();

    // The fish set free swim there; without one they are only listed.
    void setPond(IMiniGamePond* pPond) { m_pPond = pPond; }

    // A new game: nColumns x nRows cells, the pair of kind nFish among
    // decoy pairs. Sides are kept within 1..8; in a grid of an odd size
    // the last cell has no partner and starts taken.
    void setup(const D3DXVECTOR3& vOrigin, int nColumns, int nRows, int nFish);

    bool onMouseDown(const D3DXVECTOR3& vPoint);
    bool onMouseMove(const D3DXVECTOR3& vPoint);
    void update(float fSeconds);
    void renderBackground();
    void render();
    // The fish set free, drawn once the cells have been drawn, so that it
    // swims in front of them.
    void renderFreedFish();
    // The fish set free join the aquarium, once.
    void releaseFreedFish();
    bool allTaken() const;
    // The fish is free or every cell is taken.
    bool isSolved() const { return m_bFishFreed || allTaken(); }

    void onStateChange(CMiniGameCell& cell) override;

    // Every kind, then those with a fish and the decoys, in table order.
    const std::vector<SMiniGameKind>& kinds() const { return m_Kinds; }
    const std::vector<SMiniGameKind>& fishKinds() const { return m_FishKinds; }
    const std::vector<SMiniGameKind>& decoyKinds() const { return m_DecoyKinds; }
    int columns() const { return m_nColumns; }
    int rows() const { return m_nRows; }
    // Row order: cell (j, i) is at i * columns + j.
    const std::vector<std::unique_ptr<CMiniGameCell>>& cells() const { return m_Cells; }
    D3DXVECTOR3 cellCentre(int nColumn, int nRow) const;
    const std::vector<std::string>& freed() const { return m_Freed; }
    const CMiniGameCell* first() const { return m_pFirst; }
    const CMiniGameCell* second() const { return m_pSecond; }
    float fade() const { return m_Fade.getValue(); }

private:
    void makeKinds();
    void makeCells();
    void dealPairs(int nFish);
    const SMiniGameKind& fishKind(int nFish) const;
    void makeBorder();
    void addBorder(const char* szTexture, int nAnchor, float x, float y);
    CMiniGameCell* cellAt(const D3DXVECTOR3& vPoint) const;
    void compare();
    void takeFishPair();

    bool m_bDraw;
    std::vector<std::unique_ptr<CMiniGameCell>> m_Cells;
    std::vector<std::unique_ptr<CSprite>> m_Border;
    std::vector<SMiniGameKind> m_Kinds;
    std::vector<SMiniGameKind> m_FishKinds;
    std::vector<SMiniGameKind> m_DecoyKinds;
    std::unique_ptr<CSprite> m_pBackground;
    CMiniGameCell* m_pHovered = nullptr;
    CMiniGameCell* m_pFirst = nullptr;
    CMiniGameCell* m_pSecond = nullptr;
    D3DXVECTOR3 m_vOrigin = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    int m_nColumns = 0;
    int m_nRows = 0;
    CDecrementFunction m_Fade;
    std::vector<std::string> m_Freed;
    bool m_bFishFreed = false;
    IMiniGamePond* m_pPond = nullptr;
};

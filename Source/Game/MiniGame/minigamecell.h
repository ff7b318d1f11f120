// One cell of the memory game: a covered piece of the cover picture that
// opens onto a reef-fish picture, closes again, or is taken off the grid.
// Every change of state is reported to the cell's owner.
#pragma once

#include <memory>
#include <string>

#include "d3d/d3dx8.h"

class CMiniGameCell;
class CSimpleAnimation;
class CSprite;
class CSpriteWrap;

// A picture pair of the game: its animations and, for the six fish that
// can be set free, the fish's object.
struct SMiniGameKind {
    int nId = 0;
    std::string strOpen;
    std::string strStill;
    std::string strClose;
    std::string strFish;  // empty for a decoy

    bool hasFish() const { return !strFish.empty(); }
};

class CStateChangeCallback {
public:
    virtual void onStateChange(CMiniGameCell& cell) = 0;

protected:
    ~CStateChangeCallback() = default;
};

class CMiniGameCell {
public:
    enum State { eCovered = 0, eOpening = 1, eOpen = 2, eClosing = 3, eTaken = 4 };

    static constexpr const char* BACKGROUND = "mg_cell_bg.dds";
    static constexpr const char* COVER = "field-mini-game.dds";
    static constexpr const char* HIGHLIGHT = "mg_cell_active.dds";
    static constexpr const char* FISH_EFFECT = "flare.ifl";
    static constexpr const char* DECOY_EFFECT = "particle.ifl";
    // The cover picture is cut in eighths; each piece shows this big.
    static constexpr int COVER_PIECES = 8;
    static constexpr float COVER_SIZE = 64.0f;

    // Column j, row i of the grid: the piece of the cover picture it shows.
    // Without bDraw the cell has no pictures and its animations end at once.
    CMiniGameCell(const D3DXVECTOR3& vPosition, int nColumn, int nRow, CStateChangeCallback& owner, bool bDraw);
    virtual ~CMiniGameCell();

    void setKind(const SMiniGameKind& kind);
    const SMiniGameKind& kind() const { return m_Kind; }
    int state() const { return m_nState; }
    const D3DXVECTOR3& position() const { return m_vPosition; }
    bool isHovered() const { return m_bHovered; }
    void setHovered(bool bHovered) { m_bHovered = bHovered; }
    // Strictly within half a cell along both axes.
    bool contains(const D3DXVECTOR3& vPoint, float fHalf) const;

    // A press: a covered cell opens, an open one closes.
    void select();
    // A pair that does not match.
    void close();
    // Off the grid, with the fish set free or without; returns the freed
    // fish's object name, or an empty one.
    std::string take(bool bWithFish);
    // A cell with no partner (a grid of an odd size) starts off the grid.
    void setTakenQuietly() { m_nState = eTaken; }

    void update();
    // Its background with the alpha of the closing fade, then by state.
    void render(float fAlpha);

private:
    void setState(int nState);

    D3DXVECTOR3 m_vPosition;
    bool m_bDraw;
    std::unique_ptr<CSprite> m_pBackground;
    std::unique_ptr<CSprite> m_pCover;
    std::unique_ptr<CSprite> m_pHighlight;
    std::unique_ptr<CSprite> m_pPicture;
    bool m_bHovered = false;
    SMiniGameKind m_Kind;
    int m_nState = eCovered;
    std::unique_ptr<CSimpleAnimation> m_pAnimation;
    CStateChangeCallback& m_Owner;
    std::unique_ptr<CSpriteWrap> m_pEffect;
};

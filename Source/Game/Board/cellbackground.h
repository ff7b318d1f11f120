// What a cell shows under its item: its tile of the level picture until the
// background is cleared, then the plain cleared background; the blinking
// hint marker over either; and the possible-move highlight, which the cell
// draws just under its item.
#pragma once

#include <memory>
#include <string>

#include "d3d/d3dx8.h"

class CBoardAnimation;
class CSprite;

class CCellBackground {
public:
    CCellBackground(int nColumn, int nRow);
    ~CCellBackground();

    // The level's field picture; an empty name shows no tile.
    void setPicture(const std::string& strPicture);
    void setHighlight(bool bOn) { m_bHighlight = bOn; }
    bool isHighlighted() const { return m_bHighlight; }
    // Switching the marker off lets it fade before it goes.
    void setMarker(bool bOn);
    bool hasMarker() const { return m_pMarker != nullptr; }

    void renderBackground(const D3DXVECTOR3& vPos, bool bCleared);
    void renderHighlight(const D3DXVECTOR3& vPos);

private:
    void renderTile(const D3DXVECTOR3& vPos);
    void renderMarker(const D3DXVECTOR3& vPos);

    int m_nColumn;
    int m_nRow;
    std::string m_strPicture;
    // Made on the first draw, so a board that never draws (tests, the
    // text tool) never touches a device.
    std::unique_ptr<CSprite> m_pPictureTile;
    std::unique_ptr<CBoardAnimation> m_pClearedBg;
    std::unique_ptr<CBoardAnimation> m_pPossible;
    std::unique_ptr<CBoardAnimation> m_pMarker;
    bool m_bHighlight = false;
    bool m_bMarkerOn = false;
    float m_fMarkerAlpha = 0.0f;
};

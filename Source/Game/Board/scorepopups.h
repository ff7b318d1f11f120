// The points of each cleared group, rising from its cells and fading, in
// the colour of the combo that scored them. They only show; the score
// itself is the rules' business.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "d3d/d3dx8.h"

class ILayerVisual;

class CScorePopups {
public:
    // Seconds a pop-up lives, and the board units it rises meanwhile.
    static constexpr float LIFE = 0.9f;
    static constexpr float RISE = 40.0f;

    // nCombo counts from 1; higher combos get warmer, then cooler colours.
    void add(const D3DXVECTOR3& vPos, int nPoints, int nCombo);
    void update(float fSeconds);
    void draw();
    void clear() { m_Popups.clear(); }
    size_t count() const { return m_Popups.size(); }

    // The text a pop-up shows ("+30") and its fill colour.
    static std::string text(int nPoints) { return "+" + std::to_string(nPoints); }
    static uint32_t colour(int nCombo);

private:
    struct Popup {
        D3DXVECTOR3 vPos;
        std::string strText;
        uint32_t dwColour;
        float fAge;
        std::vector<std::shared_ptr<ILayerVisual>> glyphs;
    };

    std::vector<Popup> m_Popups;
};

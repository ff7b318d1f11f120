#include "Game/Board/scorepopups.h"

#include <algorithm>
#include <cmath>

#include "Game/Items/animationmanager.h"
#include "Game/Items/layervisual.h"

namespace {

const char* const GLYPH_TEXTURE = "score_digits.ifl";
const int PLUS_FRAME = 10;
// Glyphs sit closer than their 32-pixel pictures: the outlines overlap.
const float GLYPH_ADVANCE = 17.0f;

}  // namespace

uint32_t CScorePopups::colour(int nCombo)
{
    // Cream, then yellow, orange, coral, pink, violet and a cold cyan for
    // the longest chains.
    static const uint32_t kColours[] = {0xFFF6D2, 0xFFE45A, 0xFFB03A, 0xFF7A5A, 0xFF5AA8, 0xC07AFF, 0x6AE0FF};
    const int nIndex = std::min(std::max(nCombo, 1), 7) - 1;
    return kColours[nIndex];
}

void CScorePopups::add(const D3DXVECTOR3& vPos, int nPoints, int nCombo)
{
    m_Popups.push_back({vPos, text(nPoints), colour(nCombo), 0.0f, {}});
}

void CScorePopups::update(float fSeconds)
{
    for (Popup& popup : m_Popups)
        popup.fAge += fSeconds;
    m_Popups.erase(std::remove_if(m_Popups.begin(), m_Popups.end(),
                                  [](const Popup& popup) { return popup.fAge >= LIFE; }),
                   m_Popups.end());
}

void CScorePopups::draw()
{
    ILayerVisualSource* pSource = CAnimationManager::Instance().visualSource();
    if (!pSource)
        return;
    for (Popup& popup : m_Popups) {
        // A visual shows one frame at one place per frame, so each glyph
        // of a pop-up has its own, made at its first showing.
        while (popup.glyphs.size() < popup.strText.size())
            popup.glyphs.push_back(pSource->create(GLYPH_TEXTURE));
        // Eased rise; full strength for the first half, then a fade.
        const float t = popup.fAge / LIFE;
        const float fRise = RISE * (1.0f - (1.0f - t) * (1.0f - t));
        const float fAlpha = t < 0.5f ? 1.0f : 1.0f - (t - 0.5f) * 2.0f;
        const uint32_t dwTint = uint32_t(fAlpha * 255.0f + 0.5f) << 24 | popup.dwColour;
        const float x = popup.vPos.x - GLYPH_ADVANCE * float(popup.strText.size() - 1) / 2.0f;
        for (size_t i = 0; i < popup.strText.size(); ++i) {
            const int nFrame = popup.strText[i] == '+' ? PLUS_FRAME : popup.strText[i] - '0';
            if (popup.glyphs[i])
                popup.glyphs[i]->draw(D3DXVECTOR3(x + GLYPH_ADVANCE * float(i), popup.vPos.y + fRise, popup.vPos.z),
                                      nFrame, 0.0f, dwTint);
        }
    }
}

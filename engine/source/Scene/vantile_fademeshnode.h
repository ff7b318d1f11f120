// A full-window quad in one colour, carried to the effect as the texture
// factor; the screen fader drives the colour.
#pragma once

#include "Scene/vantile_meshnode.h"

namespace Vantile {

class CFadeMeshNode : public CMeshNode {
public:
    CFadeMeshNode(const std::string& strName, UINT nWidth, UINT nHeight);

    // Only a colour with some alpha is drawn.
    bool IsVisible() const override { return m_dwColor > 0x00FFFFFF; }
    void Render(int nSubset) override;
    CNode* Clone() const override;

    void SetColor(D3DCOLOR dwColor) { m_dwColor = dwColor; }
    D3DCOLOR GetColor() const { return m_dwColor; }

private:
    UINT m_nWidth;
    UINT m_nHeight;
    D3DCOLOR m_dwColor = 0xAA00FF00;
};

}  // namespace Vantile

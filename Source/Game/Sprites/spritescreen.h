// Drawing sprites without effect files: the 800 x 600 screen camera and a
// fixed-function stand-in for the two sprite effects. The sprite tool, the
// benchmark and the tests draw through these; the game draws through the
// effects its data folder provides.
#pragma once

#include <string>

#include "Effects/vantile_effect.h"
#include "d3d/d3d8.h"

// View identity and the orthographic screen projection, so the point
// (x - 400, 300 - y) lands on pixel (x, y). Depths from -2000 to 2000 are
// kept: batches draw at 0 and sprites at 1000.
void SetSpriteScreenTransforms(IDirect3DDevice8* pDevice);

// Texture x vertex colour, alpha also x the texture-factor alpha, blended
// over what is there, without depth test.
class CSpriteScreenEffect : public Vantile::CFxEffect {
public:
    CSpriteScreenEffect(const std::string& strName, bool bFiltered);

    void Begin() override;
    void Render(const Vantile::SRenderItem& item) override;
    void End() override;

    // Counts draws since it was made, for tests and the benchmark.
    size_t drawCount() const { return m_nDraws; }

private:
    bool m_bFiltered;
    size_t m_nDraws = 0;
};

// A render queue effect loader that knows the two sprite effects and
// nothing else.
Vantile::CFxEffect* LoadSpriteScreenEffect(const std::string& strName);

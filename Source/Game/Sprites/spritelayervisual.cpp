#include "Game/Sprites/spritelayervisual.h"

#include <memory>

#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spritemap.h"
#include "Game/Sprites/spritevb.h"
#include "Game/Sprites/spritevbarray.h"

namespace {

// The texture is fetched (and decoded, the first time any visual asks for
// it) when the visual is first used, not when it is made: visuals made
// ahead for every registered layer cost nothing until a layer shows one.
class CTextureLayerVisual : public ILayerVisual {
public:
    explicit CTextureLayerVisual(const std::string& strTexture) : m_strTexture(strTexture) {}

    int frameCount() const override { return sprite().getFrameCount(); }
    float length() const override { return sprite().getLength(); }

    void draw(const D3DXVECTOR3& vPosition, int nFrame, float fRotation, uint32_t dwTint) override
    {
        CSprite& quad = sprite();
        if (dwTint != quad.getColor())
            quad.setRect(dwTint, STextureRect(), quad.getTextureWidth(), quad.getTextureHeight(), false);
        const int nFrames = frameCount();
        // The middle of the frame, so float rounding never shows its
        // neighbour.
        if (nFrames > 0)
            quad.setTime((nFrame % nFrames + 0.5f) * length() / nFrames);
        quad.setRotation(fRotation);
        quad.placeAt(vPosition);
    }

private:
    CSprite& sprite() const
    {
        if (!m_pSprite)
            m_pSprite = std::make_unique<CSprite>(m_strTexture, CSprite::WHITE, false, true);
        return *m_pSprite;
    }

    std::string m_strTexture;
    mutable std::unique_ptr<CSprite> m_pSprite;
};

class CAtlasLayerVisual : public ILayerVisual {
public:
    explicit CAtlasLayerVisual(const std::string& strAtlas) : m_pBatch(CSpriteVBArray::Instance().load(strAtlas)) {}

    int frameCount() const override { return m_pBatch->getFrameCount(); }
    float length() const override
    {
        return m_pBatch->getFPS() > 0 ? float(frameCount()) / float(m_pBatch->getFPS()) : 0.0f;
    }

    void draw(const D3DXVECTOR3& vPosition, int nFrame, float fRotation, uint32_t dwTint) override
    {
        if (frameCount() > 0)
            m_pBatch->addFrame(nFrame % frameCount(), vPosition, fRotation, dwTint);
    }

private:
    CSpriteVB* m_pBatch;
};

}  // namespace

std::shared_ptr<ILayerVisual> CSpriteLayerVisualSource::create(const std::string& strTexture)
{
    if (IsSpriteMapName(strTexture))
        return std::make_shared<CAtlasLayerVisual>(strTexture);
    return std::make_shared<CTextureLayerVisual>(strTexture);
}

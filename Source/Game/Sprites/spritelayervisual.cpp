#include "Game/Sprites/spritelayervisual.h"

#include <memory>

#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spritemap.h"
#include "Game/Sprites/spritevb.h"
#include "Game/Sprites/spritevbarray.h"

namespace {

class CTextureLayerVisual : public ILayerVisual {
public:
    explicit CTextureLayerVisual(const std::string& strTexture)
        : m_Sprite(strTexture, CSprite::WHITE, false, true)
    {
    }

    int frameCount() const override { return m_Sprite.getFrameCount(); }
    float length() const override { return m_Sprite.getLength(); }

    void draw(const D3DXVECTOR3& vPosition, int nFrame, float fRotation, uint32_t dwTint) override
    {
        if (dwTint != m_Sprite.getColor())
            m_Sprite.setRect(dwTint, STextureRect(), m_Sprite.getTextureWidth(),
                             m_Sprite.getTextureHeight(), false);
        const int nFrames = frameCount();
        // The middle of the frame, so float rounding never shows its
        // neighbour.
        if (nFrames > 0)
            m_Sprite.setTime((nFrame % nFrames + 0.5f) * length() / nFrames);
        m_Sprite.setRotation(fRotation);
        m_Sprite.placeAt(vPosition);
    }

private:
    CSprite m_Sprite;
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

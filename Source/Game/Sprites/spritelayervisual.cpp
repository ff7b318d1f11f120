#include "Game/Sprites/spritelayervisual.h"

#include <memory>

#include "Game/Sprites/itematlas.h"
#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spritemap.h"
#include "Game/Sprites/spritevb.h"
#include "Game/Sprites/spritevbarray.h"

namespace {

// The texture is fetched (and decoded, the first time any visual asks for
// it) when the visual is first used, not when it is made: visuals made
// ahead for every registered layer cost nothing until a layer shows one.
// Its frames then go to the item atlas, so that items showing different
// frames share one texture; an animation the atlas cannot hold draws from
// its own textures, the frame chosen by the sprite's clock.
class CTextureLayerVisual : public ILayerVisual {
public:
    CTextureLayerVisual(const std::string& strTexture, std::shared_ptr<CItemAtlas> pAtlas)
        : m_strTexture(strTexture), m_pAtlas(std::move(pAtlas))
    {
    }

    int frameCount() const override
    {
        return placed() ? int(m_pPlaced->frames.size()) : sprite().getFrameCount();
    }
    float length() const override { return placed() ? m_pPlaced->fLength : sprite().getLength(); }

    void draw(const D3DXVECTOR3& vPosition, int nFrame, float fRotation, uint32_t dwTint) override
    {
        CSprite& quad = sprite();
        if (placed())
            showAtlasFrame(quad, nFrame, dwTint);
        else
            showOwnFrame(quad, nFrame, dwTint);
        quad.setRotation(fRotation);
        quad.placeAt(vPosition);
    }

private:
    bool placed() const
    {
        if (!m_bLookedUp) {
            m_pPlaced = m_pAtlas ? m_pAtlas->place(m_strTexture) : nullptr;
            m_bLookedUp = true;
        }
        return m_pPlaced != nullptr;
    }

    CSprite& sprite() const
    {
        if (m_pSprite)
            return *m_pSprite;
        if (placed())
            m_pSprite = std::make_unique<CSprite>(m_pPlaced->strTexture, m_pPlaced->fWidth, m_pPlaced->fHeight);
        else
            m_pSprite = std::make_unique<CSprite>(m_strTexture, CSprite::WHITE, false, true);
        return *m_pSprite;
    }

    // The quad is rebuilt only when its frame or tint changes. A placed
    // animation always has frames.
    void showAtlasFrame(CSprite& quad, int nFrame, uint32_t dwTint)
    {
        const int nShown = nFrame % int(m_pPlaced->frames.size());
        if (nShown == m_nShownFrame && dwTint == quad.getColor())
            return;
        quad.setRect(dwTint, m_pPlaced->frames[size_t(nShown)], m_pPlaced->fWidth, m_pPlaced->fHeight, false);
        m_nShownFrame = nShown;
    }

    void showOwnFrame(CSprite& quad, int nFrame, uint32_t dwTint)
    {
        if (dwTint != quad.getColor())
            quad.setRect(dwTint, STextureRect(), quad.getTextureWidth(), quad.getTextureHeight(), false);
        const int nFrames = frameCount();
        // The middle of the frame, so float rounding never shows its
        // neighbour.
        if (nFrames > 0)
            quad.setTime((nFrame % nFrames + 0.5f) * length() / nFrames);
    }

    std::string m_strTexture;
    std::shared_ptr<CItemAtlas> m_pAtlas;
    mutable const CItemAtlas::SAnimation* m_pPlaced = nullptr;
    mutable bool m_bLookedUp = false;
    mutable std::unique_ptr<CSprite> m_pSprite;
    int m_nShownFrame = -1;
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

void CSpriteLayerVisualSource::clear()
{
    if (m_pAtlas)
        m_pAtlas->release();
    m_pAtlas.reset();
}

std::shared_ptr<ILayerVisual> CSpriteLayerVisualSource::create(const std::string& strTexture)
{
    if (IsSpriteMapName(strTexture))
        return std::make_shared<CAtlasLayerVisual>(strTexture);
    if (!m_pAtlas)
        m_pAtlas = std::make_shared<CItemAtlas>();
    return std::make_shared<CTextureLayerVisual>(strTexture, m_pAtlas);
}

// A textured quad in the 800 x 600 screen space (y up, origin at the
// centre), drawn through the scene graph and the render queue. Its texture
// clock is the animation clock of an ".ifl" or a still image.
#pragma once

#include <string>

#include "Game/Sprites/spritemap.h"
#include "Scene/vantile_meshnode.h"

class CSprite : public Vantile::CMeshNode {
public:
    static constexpr const char* EFFECT = "TranspNoLight.fx";
    static constexpr const char* FILTERED_EFFECT = "TranspNoLight_filtered.fx";
    static constexpr D3DCOLOR WHITE = 0xFFFFFFFF;
    // Anchor 4: the quad's centre sits at the position.
    static constexpr int CENTRE = 4;

    // Without bLoadNow the sprite waits in the sprite loader and has no
    // quad until the loader gives it its texture.
    CSprite(const std::string& strTexture, D3DCOLOR dwColor, bool bFiltered, bool bLoadNow);
    // A white quad of the given size, built at once.
    CSprite(const std::string& strTexture, float fWidth, float fHeight);
    // A sprite still waiting leaves the loader's queue.
    ~CSprite() override;

    // Also resets the rotation. Without bMakeMaterial the current material
    // (texture and clock) is kept.
    void setRect(D3DCOLOR dwColor, const STextureRect& rect, float fWidth, float fHeight, bool bMakeMaterial);
    // Fetches the texture and builds the whole image at its own size.
    void loadTexture();

    void setPosition(const D3DXVECTOR3& vPosition) { m_vPosition = vPosition; }
    const D3DXVECTOR3& getPosition() const { return m_vPosition; }
    void setRotation(float fRadians) { m_fRotation = fRadians; }
    float getRotation() const { return m_fRotation; }
    // 0..8; anything else places the quad as the centred anchor does.
    void setAnchor(int nAnchor) { m_nAnchor = nAnchor; }
    int getAnchor() const { return m_nAnchor; }
    void setReverse(bool bReverse) { m_bReverse = bReverse; }
    D3DCOLOR getColor() const { return m_dwColor; }
    const std::string& getTextureName() const { return m_strTexture; }
    float getTextureWidth() const { return m_fTextureWidth; }
    float getTextureHeight() const { return m_fTextureHeight; }
    float getWidth() const { return m_fWidth; }
    float getHeight() const { return m_fHeight; }
    bool isBuilt() const { return m_bBuilt; }

    // The clock of texture channel 0; before the quad is built, the time
    // that will be applied to it.
    float getTime() const;
    void setTime(float fTime);
    // Seconds of one pass; 0 for a texture without frames or not yet loaded.
    float getLength() const;
    // Changes the rate so that one pass takes fSeconds.
    void setLength(float fSeconds);
    int getFrameIndex() const;
    // Frames of the texture in channel 0; 0 before it is loaded.
    int getFrameCount() const;

    // Moves every texture clock on (back while reversed). False in the step
    // in which channel 0 completes a pass, and always for a loaded texture
    // without length, so one-shots of a missing animation end at once.
    bool Animate(float fSeconds);
    void Animate() override;
    // Parents are ignored: a sprite lives in screen space.
    const D3DXMATRIX& UpdateWorldMatrix(const D3DXMATRIX& mParentWorld) override;
    int Enqueue() override;
    void Render(int nSubset) override;
    bool IsVisible() const override { return true; }

    void draw();
    void drawAt(const D3DXVECTOR3& vPosition);
    // Without advancing the clock.
    void placeAt(const D3DXVECTOR3& vPosition);

private:
    D3DXVECTOR3 anchorOffset() const;
    Vantile::TextureRef* clock();
    const Vantile::TextureRef* clock() const;

    std::string m_strTexture;
    D3DXVECTOR3 m_vPosition = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    float m_fRotation = 0.0f;
    float m_fTextureWidth = 0.0f;
    float m_fTextureHeight = 0.0f;
    float m_fWidth = 0.0f;
    float m_fHeight = 0.0f;
    int m_nAnchor = CENTRE;
    bool m_bFiltered;
    bool m_bReverse = false;
    D3DCOLOR m_dwColor;
    bool m_bBuilt = false;
    float m_fPendingTime = 0.0f;
    bool m_bTimePending = false;
};

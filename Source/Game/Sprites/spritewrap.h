// A sprite that plays its animation once and then disappears.
#pragma once

#include <memory>
#include <string>

#include "Game/Sprites/sprite.h"

class CSpriteWrap {
public:
    // Through the sprite loader, white, not filtered.
    explicit CSpriteWrap(const std::string& strTexture);
    CSpriteWrap(const std::string& strTexture, float fWidth, float fHeight);

    // Finishes in the update in which the first pass ends.
    void update();
    void render();
    void renderAt(const D3DXVECTOR3& vPosition);

    bool isFinished() const { return m_bFinished; }
    void setPosition(const D3DXVECTOR3& vPosition) { m_pSprite->setPosition(vPosition); }
    const D3DXVECTOR3& getPosition() const { return m_pSprite->getPosition(); }
    float getLength() const { return m_pSprite->getLength(); }
    void setRotation(float fRadians) { m_pSprite->setRotation(fRadians); }
    void setAnchor(int nAnchor) { m_pSprite->setAnchor(nAnchor); }
    void SetAlpha(float fAlpha) { m_pSprite->SetAlpha(fAlpha); }
    CSprite& sprite() { return *m_pSprite; }

private:
    std::unique_ptr<CSprite> m_pSprite;
    bool m_bFinished = false;
};

// A one-shot (or looping) animation of a sprite or atlas by name.
#pragma once

#include <memory>
#include <string>

#include "Game/Sprites/basesprite.h"

class CSimpleAnimation {
public:
    explicit CSimpleAnimation(const std::string& strName);
    virtual ~CSimpleAnimation() = default;

    // A looping animation starts over instead of finishing.
    void update();
    void render(const D3DXVECTOR3& vPosition);
    void render();

    bool isFinished() const { return m_bFinished; }
    void setPosition(const D3DXVECTOR3& vPosition) { m_pSprite->setPosition(vPosition); }
    float getLength() const { return m_pSprite->getDuration(); }
    void setLooping(bool bLooping) { m_bLooping = bLooping; }
    void setRotation(float fRadians) { m_pSprite->setRotation(fRadians); }
    CBaseSprite& sprite() { return *m_pSprite; }

private:
    std::unique_ptr<CBaseSprite> m_pSprite;
    bool m_bFinished = false;
    bool m_bLooping = false;
};

// The flare that marks where a special item or power-up strikes.
class CFlareAnimation : public CSimpleAnimation {
public:
    static constexpr const char* TEXTURE = "flare.ifl";
    CFlareAnimation() : CSimpleAnimation(TEXTURE) {}
};

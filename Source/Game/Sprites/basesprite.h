// A timed picture that plays once: an animated sprite, or the frames of a
// ".map" atlas drawn into its batch. Once played it keeps showing its last
// image until it is deleted.
#pragma once

#include <memory>
#include <string>

#include "Game/Sprites/sprite.h"

class CSpriteVB;

class CBaseSprite {
public:
    // An atlas is loaded through the batch table and may throw as it does.
    explicit CBaseSprite(const std::string& strName);

    bool isPlaying() const;
    void draw(const D3DXVECTOR3& vPosition);
    void draw();
    void reset();

    void setPosition(const D3DXVECTOR3& vPosition) { m_vPosition = vPosition; }
    const D3DXVECTOR3& getPosition() const { return m_vPosition; }
    void setRotation(float fRadians);
    void SetAlpha(float fAlpha);
    void setColor(D3DCOLOR dwColor) { m_dwColor = dwColor; }
    float getDuration() const { return m_fDuration; }
    const std::string& getName() const { return m_strName; }
    // Null for an atlas.
    CSprite* sprite() const { return m_pSprite.get(); }
    // Null for a sprite.
    CSpriteVB* atlas() const { return m_pAtlas; }

private:
    void drawPlaying();
    void drawLast();

    float m_fDuration = 0.0f;
    float m_fElapsed = 0.0f;
    std::unique_ptr<CSprite> m_pSprite;
    std::string m_strName;
    float m_fRotation = 0.0f;
    D3DCOLOR m_dwColor = CSprite::WHITE;
    D3DXVECTOR3 m_vPosition = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    CSpriteVB* m_pAtlas = nullptr;
};

// An animated texture the board and its destructors draw by themselves
// (flares, bomb sprites, a cell's disintegration): played once or looped,
// advanced explicitly, placed, turned and faded. It draws through the
// item visuals, so the board's logic runs and is tested without a device.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "d3d/d3dx8.h"

class ILayerVisual;

class CBoardAnimation {
public:
    explicit CBoardAnimation(const std::string& strTexture, bool bLoop = false);

    void advance(float fSeconds);
    // A one-shot has played through; a loop never finishes.
    bool isFinished() const { return !m_bLoop && m_fTime >= m_fLength; }
    // Seconds of one pass; 0 for a texture without frames.
    float length() const { return m_fLength; }

    void setPosition(const D3DXVECTOR3& vPosition) { m_vPosition = vPosition; }
    const D3DXVECTOR3& position() const { return m_vPosition; }
    void setRotation(float fRotation) { m_fRotation = fRotation; }
    void setAlpha(float fAlpha) { m_fAlpha = fAlpha; }
    // The colour the texture is multiplied by (RGB; the alpha is its own).
    void setTint(uint32_t dwTint) { m_dwTint = dwTint & 0x00FFFFFFu; }

    void draw() const;
    void draw(const D3DXVECTOR3& vPosition) const;

private:
    int currentFrame() const;

    std::shared_ptr<ILayerVisual> m_pVisual;
    std::string m_strTexture;
    bool m_bLoop;
    float m_fLength;
    float m_fTime = 0.0f;
    float m_fRotation = 0.0f;
    float m_fAlpha = 1.0f;
    uint32_t m_dwTint = 0x00FFFFFFu;
    D3DXVECTOR3 m_vPosition = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
};

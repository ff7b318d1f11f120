// One animated layer of an item's look: its description, its tint, its
// clock and the visual it draws with.
#pragma once

#include <cstdint>
#include <memory>

#include "Game/Items/animationdata.h"
#include "d3d/d3dx8.h"

class ILayerVisual;

class CAnimationLayer {
public:
    // fDuration is the seconds the state's motion takes, 0 without motion.
    // Throws when the layer is tinted and its type has no colour info.
    CAnimationLayer(int nItemType, const ANIDATA& data, float fRotation, float fDuration);

    const ANIDATA& data() const { return m_Data; }
    uint32_t tint() const { return m_dwTint; }
    // Seconds of one repeat; 0 when the texture has nothing to play.
    float repeatLength() const { return m_fRepeatLength; }

    void setTime(float fSeconds) { m_fElapsed = fSeconds; }
    void advance(float fSeconds) { m_fElapsed += fSeconds; }
    float time() const { return m_fElapsed; }
    bool isPlaying() const;
    // The frame shown now; the last one once the layer has ended.
    int currentFrame() const;

    void draw(const D3DXVECTOR3& vPosition);
    const D3DXVECTOR3& lastDrawPosition() const { return m_vLastDraw; }

private:
    float naturalLength() const;
    float fittedLength(float fDuration) const;
    int repeats() const;

    std::shared_ptr<ILayerVisual> m_pVisual;
    ANIDATA m_Data;
    bool m_bAtlas;
    uint32_t m_dwTint;
    float m_fRepeatLength;
    float m_fRotation;
    float m_fElapsed = 0.0f;
    D3DXVECTOR3 m_vLastDraw = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
};

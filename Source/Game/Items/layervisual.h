// What an animation layer draws with. The layer keeps the time and chooses
// the frame; a visual only knows its frames and how to put one on screen,
// so the item logic runs (and is tested) without any drawing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "d3d/d3dx8.h"

class ILayerVisual {
public:
    virtual ~ILayerVisual() = default;
    virtual int frameCount() const = 0;
    // Seconds of one pass at the texture's own rate; 0 for a texture
    // without frames.
    virtual float length() const = 0;
    virtual void draw(const D3DXVECTOR3& vPosition, int nFrame, float fRotation, uint32_t dwTint) = 0;
};

// Makes visuals by texture name: an animated texture, a single image or a
// ".map" atlas.
class ILayerVisualSource {
public:
    virtual ~ILayerVisualSource() = default;
    virtual std::shared_ptr<ILayerVisual> create(const std::string& strTexture) = 0;
};

// What item layers draw with: an animated texture or still image through a
// sprite node of the layer's own, or a ".map" atlas through its batch.
#pragma once

#include "Game/Items/layervisual.h"

class CSpriteLayerVisualSource : public ILayerVisualSource {
public:
    // Each call makes a new visual: a sprite node queued by two items
    // would be drawn once, at the last position it was given.
    std::shared_ptr<ILayerVisual> create(const std::string& strTexture) override;
};

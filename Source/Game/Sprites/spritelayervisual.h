// What item layers draw with: an animated texture or still image through a
// sprite node of the layer's own, its frames in the item atlas where they
// fit, or a ".map" atlas through its batch.
#pragma once

#include <memory>

#include "Game/Items/layervisual.h"

class CItemAtlas;

class CSpriteLayerVisualSource : public ILayerVisualSource {
public:
    // Each call makes a new visual: a sprite node queued by two items
    // would be drawn once, at the last position it was given.
    std::shared_ptr<ILayerVisual> create(const std::string& strTexture) override;
    // Frees the item atlas while its device is still open; the next
    // visuals place their frames in a new one.
    void clear();

private:
    std::shared_ptr<CItemAtlas> m_pAtlas;
};

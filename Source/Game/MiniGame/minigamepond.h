// Where the fish set free by the memory game swim: the aquarium's fish
// world in the game, nothing (or a recorder) in tests and tools.
#pragma once

#include <string>

#include "d3d/d3dx8.h"

class IMiniGamePond {
public:
    virtual ~IMiniGamePond() = default;
    // A new game starts with empty water.
    virtual void clearFish() = 0;
    // The fish just set free, swimming off from its cell.
    virtual void freeFish(const std::string& strObject, const D3DXVECTOR3& vAt) = 0;
    // A freed fish that joins the aquarium of the level that follows.
    virtual void releaseFish(const std::string& strObject) = 0;
    // At most one fish further than fLimit from the middle leaves.
    virtual void removeStrayFish(float fLimit) = 0;
    virtual void drawFish() = 0;
};

// The aquarium's fish world as the pond; it needs the aquarium's scene.
class CFishWorldPond : public IMiniGamePond {
public:
    // The scale of a fish swimming off its cell.
    static constexpr float FREED_SCALE = 0.3f;

    void clearFish() override;
    void freeFish(const std::string& strObject, const D3DXVECTOR3& vAt) override;
    void releaseFish(const std::string& strObject) override;
    void removeStrayFish(float fLimit) override;
    void drawFish() override;
};

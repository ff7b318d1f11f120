// Every sprite atlas batch of the process, by atlas name, in load order.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Game/Sprites/spritevb.h"

class CSpriteVBArray {
public:
    static constexpr const char* EFFECT = "TranspNoLight.fx";

    static CSpriteVBArray& Instance();

    // Loads the atlas on the first request of its name; throws as
    // CSpriteVB does.
    CSpriteVB* load(const std::string& strAtlas);
    // Null when the atlas was never loaded.
    CSpriteVB* get(const std::string& strAtlas) const;
    // Called once per frame before anything draws into the batches.
    void resetAll();
    void submitAll();
    // Drops every batch, for a render queue or device that goes away.
    void clear();
    size_t count() const { return m_Batches.size(); }

private:
    CSpriteVBArray() = default;
    CSpriteVBArray(const CSpriteVBArray&) = delete;
    CSpriteVBArray& operator=(const CSpriteVBArray&) = delete;

    std::map<std::string, std::unique_ptr<CSpriteVB>> m_Table;
    std::vector<CSpriteVB*> m_Batches;
};

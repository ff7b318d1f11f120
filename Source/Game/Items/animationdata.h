// The animation states of a board item and the description of one layer
// of a state, as the configuration script gives them.
#pragma once

#include <memory>
#include <string>

class ILayerVisual;

enum AnimationType {
    eCursor = 0,
    eNormal = 1,
    eMoving = 2,
    eAppearing = 3,
    eClick1 = 4,
    eClick2 = 5,
    eClick3 = 6,
    eMatching = 7,
    eDeleting = 8,
    eDeleting2 = 9,
    ePickUp = 10,
    // Internal: shows the eNormal layers; the script has no name for it.
    eShaking = 11,
    eGameOver = 12,
    eFalling = 13,
    eTrunkFall = 14,
    eTrunkOpen = 15,
};

// A repeat count at or above this plays for ever.
const int ENDLESS_REPEAT = 65535;

struct ANIDATA {
    // Reported when the layer ends. "glow:normal" replaces the layer
    // "normal" when it starts.
    std::string strName;
    std::string strTexture;
    // When false the layer never ends by itself.
    bool bLimited = false;
    int nColor = 0;  // UseColorType
    int nRepeatCount = 1;
    // While the layer plays the item counts as busy.
    bool bBlocking = false;
    // One repeat lasts as long as the state's motion.
    bool bFitToDuration = false;
    // Made when the record is added; a drawing visual fetches its texture
    // only when first used, so start-up decodes nothing it does not show.
    std::shared_ptr<ILayerVisual> pPreloaded;
    // The name, and the layer it replaces (0: none), as layerNameId gives
    // them: the animator compares these every frame instead of strings.
    // Filled in when the record is added or a layer is made from it.
    int nNameId = 0;
    int nReplacesId = 0;
};

// Interned layer names: equal names get equal ids, from 1 on.
int layerNameId(const std::string& strName);
// Fills in nNameId and nReplacesId from the name, once.
void internLayerName(ANIDATA& data);

// The names the item animator itself acts on.
struct SLayerNames {
    int nNormal;
    int nDelete;
    int nTrunkFall;
    static const SLayerNames& ids();
};

bool isAtlasTexture(const std::string& strTexture);

// The process-wide tables of item looks: colour info per item type, the
// animation layers per type and state, and the item types the current
// level lets the refill produce. The configuration script fills the first
// two, the level loader the third.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "Game/Items/animationdata.h"
#include "Game/Items/itemtype.h"

class ILayerVisualSource;
class IItemPathSource;

class CAnimationManager {
public:
    typedef std::vector<ANIDATA> AniDataList;

    static CAnimationManager& Instance();

    // Colour info. A second entry for a type is logged and ignored.
    void setTypeColorInfo(int nType, const COLOR_INFO& colors);
    const COLOR_INFO& getTypeColorInfo(int nType) const;
    // The colour that tints a layer of nUseColor; white for anything but
    // colours 1 to 3. Throws when the type has no colour info.
    uint32_t tintFor(int nType, int nUseColor) const;

    // Replaces the active list from a level's "types" text.
    void setActiveItemTypes(const std::string& strText);
    const std::vector<int>& activeItemTypes() const { return m_ActiveTypes; }
    // The refill's working copy of the active list.
    std::vector<int>& refillItemTypes() { return m_RefillTypes; }

    // Layers. Both throw on data a board item could not play.
    void addAniData(int nItemType, int nAnimType, const ANIDATA& data);
    void checkAniData() const;
    // An empty list when nothing is registered.
    const AniDataList& getAniData(int nItemType, int nAnimType) const;

    // Where layers get their drawing and their motion; either may be none,
    // then layers draw nothing and states move nowhere.
    void setVisualSource(ILayerVisualSource* pSource) { m_pVisualSource = pSource; }
    ILayerVisualSource* visualSource() const { return m_pVisualSource; }
    void setPathSource(IItemPathSource* pSource) { m_pPathSource = pSource; }
    // The game's own paths unless a test installed others.
    IItemPathSource* pathSource() const;

    // Forgets every table, as before the configuration script ran.
    void clear();

private:
    CAnimationManager() = default;
    CAnimationManager(const CAnimationManager&) = delete;
    CAnimationManager& operator=(const CAnimationManager&) = delete;

    std::map<int, COLOR_INFO> m_ColorInfo;
    std::vector<int> m_ActiveTypes;
    std::vector<int> m_RefillTypes;
    std::map<int, std::map<int, AniDataList>> m_AniData;
    ILayerVisualSource* m_pVisualSource = nullptr;
    IItemPathSource* m_pPathSource = nullptr;
};

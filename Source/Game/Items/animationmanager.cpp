// The table of animation layers.
#include "Game/Items/animationmanager.h"

#include <strings.h>

#include <unordered_map>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Game/Items/itempath.h"
#include "Game/Items/layervisual.h"

using Vantile::FormatString;

namespace {

// The board counts the ends of falls by this name.
const char* const FALLING_LAYER = "falling";

bool hasLayerNamed(const CAnimationManager::AniDataList& list, const std::string& strName)
{
    for (const ANIDATA& data : list)
        if (data.strName == strName)
            return true;
    return false;
}

std::string typeCode(int nItemType)
{
    return codeText(codeFromItemType(nItemType));
}

}  // namespace

int layerNameId(const std::string& strName)
{
    static std::unordered_map<std::string, int> ids;
    const auto inserted = ids.emplace(strName, int(ids.size()) + 1);
    return inserted.first->second;
}

void internLayerName(ANIDATA& data)
{
    if (data.nNameId != 0)
        return;
    data.nNameId = layerNameId(data.strName);
    const size_t nColon = data.strName.find(':');
    data.nReplacesId = nColon == std::string::npos ? 0 : layerNameId(data.strName.substr(nColon + 1));
}

const SLayerNames& SLayerNames::ids()
{
    static const SLayerNames names = {layerNameId("normal"), layerNameId("delete"), layerNameId("trunk_fall")};
    return names;
}

bool isAtlasTexture(const std::string& strTexture)
{
    return strTexture.size() >= 4 && strcasecmp(strTexture.c_str() + strTexture.size() - 4, ".map") == 0;
}

IItemPathSource* CAnimationManager::pathSource() const
{
    static CItemPathSource gamePaths;
    return m_pPathSource ? m_pPathSource : &gamePaths;
}

CAnimationManager& CAnimationManager::Instance()
{
    static CAnimationManager manager;
    return manager;
}

void CAnimationManager::addAniData(int nItemType, int nAnimType, const ANIDATA& data)
{
    Vantile::CLog::Instance().Write(
        Vantile::LOG_INFO, FormatString("add ANIDATA [%d][%d][%s][%s][%d][%d][%d][%d]", nItemType, nAnimType,
                                        data.strName.c_str(), data.strTexture.c_str(), data.nColor,
                                        data.nRepeatCount, int(data.bLimited), int(data.bBlocking)));
    ANIDATA record = data;
    internLayerName(record);
    if (!isAtlasTexture(record.strTexture) && m_pVisualSource)
        record.pPreloaded = m_pVisualSource->create(record.strTexture);
    AniDataList& list = m_AniData[nItemType][nAnimType];
    if (record.strName == FALLING_LAYER && hasLayerNamed(list, FALLING_LAYER))
        VANTILE_EXCEPT(0, "type " + typeCode(nItemType) + " already contains animation named \"falling\"",
                       "CAnimationManager::addAniData()");
    list.push_back(record);
}

void CAnimationManager::checkAniData() const
{
    for (const auto& type : m_AniData) {
        const auto itFalling = type.second.find(eFalling);
        if (itFalling == type.second.end())
            VANTILE_EXCEPT(0, "type " + typeCode(type.first) + " does't contains eFalling animation",
                           "CAnimationManager::checkAniData()");
        if (!hasLayerNamed(itFalling->second, FALLING_LAYER))
            VANTILE_EXCEPT(0, "type " + typeCode(type.first) + " does't contains animation named \"falling\"",
                           "CAnimationManager::checkAniData()");
    }
}

const CAnimationManager::AniDataList& CAnimationManager::getAniData(int nItemType, int nAnimType) const
{
    static const AniDataList empty;
    const auto itType = m_AniData.find(nItemType);
    if (itType == m_AniData.end())
        return empty;
    const auto itState = itType->second.find(nAnimType);
    return itState == itType->second.end() ? empty : itState->second;
}

void CAnimationManager::clear()
{
    m_ColorInfo.clear();
    m_ActiveTypes.clear();
    m_RefillTypes.clear();
    m_AniData.clear();
}

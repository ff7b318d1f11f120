// Colour info and active item types.
#include "Game/Items/animationmanager.h"

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"

using Vantile::CLog;
using Vantile::FormatString;

void CAnimationManager::setTypeColorInfo(int nType, const COLOR_INFO& colors)
{
    if (m_ColorInfo.count(nType)) {
        CLog::Instance().Write(Vantile::LOG_ERROR,
                               FormatString("Duplicate adding COLOR_INFO for item type [%d]", nType));
        return;
    }
    CLog::Instance().Write(Vantile::LOG_INFO, FormatString("Adding ItemType[%d] COLOR_INFO[0x%x][0x%x][0x%x] ",
                                                           nType, colors.color1, colors.color2, colors.color3));
    m_ColorInfo[nType] = colors;
}

const COLOR_INFO& CAnimationManager::getTypeColorInfo(int nType) const
{
    const auto it = m_ColorInfo.find(nType);
    if (it == m_ColorInfo.end())
        VANTILE_EXCEPT(0, FormatString("Failed to get COLOR_INFO for item type [%d]", nType), "getTypeColorInfo");
    return it->second;
}

uint32_t CAnimationManager::tintFor(int nType, int nUseColor) const
{
    const COLOR_INFO& colors = getTypeColorInfo(nType);
    switch (nUseColor) {
    case eUseColor1:
        return colors.color1;
    case eUseColor2:
        return colors.color2;
    case eUseColor3:
        return colors.color3;
    default:
        return WHITE_COLOR;
    }
}

void CAnimationManager::setActiveItemTypes(const std::string& strText)
{
    m_ActiveTypes.clear();
    for (size_t nPos = 0; nPos < strText.size(); nPos += 2) {
        bool bFirst, bSecond;
        const int nType = itemTypeFromCode(strText.c_str() + nPos, bFirst, bSecond);
        // A type 0 in the list would make the refill create items that
        // have neither colours nor layers.
        if (nType == eNoItem) {
            CLog::Instance().Write(Vantile::LOG_ERROR,
                                   FormatString("Skipping invalid item type code [%s]", strText.substr(nPos, 2).c_str()));
            continue;
        }
        m_ActiveTypes.push_back(nType);
        CLog::Instance().Write(Vantile::LOG_INFO, FormatString("Adding active item type [%d]", nType));
    }
    m_RefillTypes.clear();
}

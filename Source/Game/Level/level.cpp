#include "Game/Level/level.h"

#include <tinyxml.h>

#include <algorithm>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Core/vantile_number.h"
#include "Core/vantile_xml.h"
#include "Game/Items/animationmanager.h"
#include "Game/Items/itemtype.h"
#include "Resources/vantile_resource.h"

using Vantile::CLog;
using Vantile::FormatString;

namespace {

const TiXmlElement* findElement(const TiXmlDocument& document, const char* szName)
{
    const TiXmlElement* pRoot = document.FirstChildElement("root");
    return pRoot ? pRoot->FirstChildElement(szName) : nullptr;
}

// Far beyond any level, and small enough that the session's sums of
// them cannot overflow.
const int kMostOfANumber = 1000000;

[[noreturn]] void refuse(const std::string& strReason = std::string())
{
    VANTILE_EXCEPT(0, strReason.empty() ? "Incorrect level file" : "Incorrect level file: " + strReason,
                   "CLevel::load()");
}

// An absent attribute keeps the value before; a present one must be a
// whole number in range, or "1.9" and "5abc" would quietly read as 1 and 5.
void readInt(const TiXmlElement& element, const char* szName, int nMin, int& nValue)
{
    const char* szValue = element.Attribute(szName);
    if (szValue && !Vantile::ParseInteger(szValue, nMin, kMostOfANumber, nValue))
        refuse(FormatString("%s=\"%s\" is not a whole number from %d to %d", szName, szValue, nMin, kMostOfANumber));
}

bool IsHexadecimal(const std::string& strText)
{
    return strText.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

}  // namespace

void CLevel::loadFile(const std::string& strFileName, Cells& cells)
{
    CLog::Instance().Write(Vantile::LOG_INFO, FormatString("Loading level [%s]", strFileName.c_str()));
    Vantile::CResource resource(strFileName);
    resource.Load();
    loadBytes(strFileName, resource.GetData(), resource.GetSize(), cells);
}

void CLevel::loadBytes(const std::string& strFileName, const void* pData, size_t nSize, Cells& cells)
{
    // The parser wants a terminated text; a zero byte inside ends it early,
    // as it would end any C string.
    const std::string strText = nSize ? std::string(static_cast<const char*>(pData), nSize) : std::string();
    TiXmlDocument document;
    const std::string strReason = Vantile::ParseXml(strText, document);
    if (!strReason.empty())
        VANTILE_EXCEPT(0, FormatString("Failed to load level file [%s]: %s", strFileName.c_str(), strReason.c_str()),
                       "CLevel::loadFile()");
    try {
        load(document, cells);
    } catch (const Vantile::Exception& e) {
        VANTILE_EXCEPT(0, FormatString("%s [%s]", e.getDetails().c_str(), strFileName.c_str()), "CLevel::loadFile()");
    }
}

void CLevel::load(const TiXmlDocument& document, Cells& cells)
{
    readParameters(document);
    readCells(document, cells);
}

void CLevel::readParameters(const TiXmlDocument& document)
{
    const TiXmlElement* pGame = findElement(document, "game");
    if (!pGame)
        refuse();
    const char* szTypes = pGame->Attribute("types");
    m_strTypes = szTypes ? szTypes : "";
    CAnimationManager::Instance().setActiveItemTypes(m_strTypes);
    readInt(*pGame, "period", 1, m_nPeriod);
    readInt(*pGame, "powerups", 0, m_nPowerups);
    readInt(*pGame, "bonustime", 0, m_nBonusTime);
    // Nothing could refill the board without active types, and the level
    // timer divides by the period.
    const std::vector<int>& types = CAnimationManager::Instance().activeItemTypes();
    if (types.empty() || m_nPeriod <= 0)
        refuse();
    const int nKinds = fishKinds(types);
    if (nKinds < MIN_FISH_KINDS)
        refuse(FormatString("the refill needs at least three fish kinds, the level names %d", nKinds));
}

int CLevel::fishKinds(const std::vector<int>& types)
{
    std::vector<int> kinds;
    for (int nType : types)
        if (isOrdinaryType(nType) && std::find(kinds.begin(), kinds.end(), nType) == kinds.end())
            kinds.push_back(nType);
    return int(kinds.size());
}

void CLevel::readCells(const TiXmlDocument& document, Cells& cells)
{
    const TiXmlElement* pCells = findElement(document, "cells");
    if (!pCells) {
        CLog::Instance().Write(Vantile::LOG_ERROR, "Incorrect level file - failed to load cells data");
        return;
    }
    // A value of another length or with other characters is not read at
    // all: reading part of it would leave a half-read board that looks
    // like a level, while the board's cells as they were still play.
    const char* szValue = pCells->Attribute("value");
    if (!szValue || std::string(szValue).size() != 2 * CELL_COUNT || !IsHexadecimal(szValue)) {
        CLog::Instance().Write(Vantile::LOG_ERROR,
                               FormatString("Incorrect level file - cells value is not %d hexadecimal digits",
                                            2 * CELL_COUNT));
        return;
    }
    for (int k = 0; k < CELL_COUNT; ++k)
        readCell(szValue + 2 * k, cells[k]);
}

void CLevel::readCell(const char* szCode, CellRecord& cell)
{
    bool bFirst, bSecond;
    const int nType = itemTypeFromCode(szCode, bFirst, bSecond);
    cell.m_bExists = bFirst;
    cell.m_nType = bFirst ? nType : 0;
    cell.m_nLives = cell.m_nType == 0 ? 0 : (bSecond ? 2 : 1);
}

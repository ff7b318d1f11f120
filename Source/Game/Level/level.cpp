#include "Game/Level/level.h"

#include <tinyxml.h>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Game/Items/animationmanager.h"
#include "Resources/vantile_resource.h"

using Vantile::CLog;
using Vantile::FormatString;

namespace {

const TiXmlElement* findElement(const TiXmlDocument& document, const char* szName)
{
    const TiXmlElement* pRoot = document.FirstChildElement("root");
    return pRoot ? pRoot->FirstChildElement(szName) : nullptr;
}

void readInt(const TiXmlElement& element, const char* szName, int& nValue)
{
    int nRead;
    if (element.QueryIntAttribute(szName, &nRead) == TIXML_SUCCESS)
        nValue = nRead;
}

[[noreturn]] void refuse()
{
    VANTILE_EXCEPT(0, "Incorrect level file", "CLevel::load()");
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
    document.Parse(strText.c_str(), nullptr, TIXML_ENCODING_LEGACY);
    if (document.Error())
        VANTILE_EXCEPT(0, FormatString("Failed to load level file [%s]", strFileName.c_str()), "CLevel::loadFile()");
    load(document, cells);
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
    CAnimationManager::Instance().setActiveItemTypes(szTypes ? szTypes : "");
    readInt(*pGame, "period", m_nPeriod);
    readInt(*pGame, "powerups", m_nPowerups);
    readInt(*pGame, "bonustime", m_nBonusTime);
    // Nothing could refill the board without active types, and the level
    // timer divides by the period.
    if (CAnimationManager::Instance().activeItemTypes().empty() || m_nPeriod <= 0)
        refuse();
}

void CLevel::readCells(const TiXmlDocument& document, Cells& cells)
{
    const TiXmlElement* pCells = findElement(document, "cells");
    if (!pCells) {
        CLog::Instance().Write(Vantile::LOG_ERROR, "Incorrect level file - failed to load cells data");
        return;
    }
    const char* szValue = pCells->Attribute("value");
    if (!szValue || std::string(szValue).size() != 2 * CELL_COUNT)
        return;
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

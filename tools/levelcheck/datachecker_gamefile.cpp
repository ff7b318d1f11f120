// "game.gam": the levels in play order and the mini-games before some of
// them.
#include <tinyxml.h>

#include "Core/vantile_exception.h"
#include "Core/vantile_number.h"
#include "Core/vantile_xml.h"
#include "Resources/vantile_resource.h"
#include "levelcheck/datachecker.h"

namespace {

const char* const GAME_FILE = "game.gam";
// The map has routes path_00 to path_49 between neighbouring levels.
const size_t MOST_LEVELS = 51;
// One digit per aquarium fish species.
const size_t FISH_SPECIES = 7;
// The mini-game's cover picture is cut in eighths.
const int MOST_MINIGAME_SIDE = 8;

std::string attribute(const TiXmlElement& element, const char* szName)
{
    const char* szValue = element.Attribute(szName);
    return szValue ? szValue : "";
}

bool isDigits(const std::string& strText, const char* szDigits)
{
    return strText.find_first_not_of(szDigits) == std::string::npos;
}

}  // namespace

void CDataSetChecker::readGameFile()
{
    TiXmlDocument document;
    std::string strReason;
    try {
        Vantile::CResource resource(GAME_FILE);
        resource.Load();
        const std::string strText(reinterpret_cast<const char*>(resource.GetData()), resource.GetSize());
        strReason = Vantile::ParseXml(strText, document);
    } catch (const Vantile::Exception& e) {
        fail(GAME_FILE, e.getDetails());
        return;
    }
    const TiXmlElement* pRoot = document.FirstChildElement("root");
    if (!strReason.empty() || !pRoot) {
        fail(GAME_FILE, "Failed to load game file" + (strReason.empty() ? std::string() : ": " + strReason));
        return;
    }
    for (const TiXmlElement* p = pRoot->FirstChildElement("level"); p; p = p->NextSiblingElement("level"))
        readLevelEntry(*p);
    if (m_Levels.empty() || m_Levels.size() > MOST_LEVELS)
        fail(GAME_FILE, "the game needs 1 to " + std::to_string(MOST_LEVELS) + " levels, it has " +
                            std::to_string(m_Levels.size()));
    for (const TiXmlElement* p = pRoot->FirstChildElement("minigame"); p; p = p->NextSiblingElement("minigame"))
        checkMiniGame(*p);
}

void CDataSetChecker::readLevelEntry(const TiXmlElement& element)
{
    m_Levels.push_back({attribute(element, "name"), attribute(element, "file"), attribute(element, "field"),
                        attribute(element, "scene"), attribute(element, "fogcolor"), attribute(element, "bgfishes"),
                        attribute(element, "fgfishes")});
}

void CDataSetChecker::checkLevelEntry(const LevelEntry& entry)
{
    const std::string strWhere = std::string(GAME_FILE) + " level \"" + entry.strName + "\"";
    if (entry.strName.empty() || entry.strFile.empty() || entry.strField.empty() || entry.strScene.empty())
        fail(strWhere, "a level needs a name, a file, a field picture and a scene");
    if (entry.strFog.empty() || entry.strFog.size() > 8 || !isDigits(entry.strFog, "0123456789abcdefABCDEF"))
        fail(strWhere, "fogcolor must be up to 8 hexadecimal digits, not \"" + entry.strFog + "\"");
    for (const std::string* pFish : {&entry.strBackFish, &entry.strFrontFish})
        if (pFish->size() > FISH_SPECIES || !isDigits(*pFish, "0123456789"))
            fail(strWhere, "a fish count needs one digit for each of the " + std::to_string(FISH_SPECIES) +
                               " species, not \"" + *pFish + "\"");
    if (!entry.strFile.empty())
        checkLevelFile(entry.strFile);
}

void CDataSetChecker::checkMiniGame(const TiXmlElement& element)
{
    const std::string strLevel = attribute(element, "level");
    const std::string strWhere = std::string(GAME_FILE) + " minigame before level " + strLevel;
    // Whole numbers in range only: "4294967297" must not wrap onto level 1.
    int nLevel = 0, nColumns = 0, nRows = 0;
    if (!Vantile::ParseInteger(strLevel.c_str(), 0, int(m_Levels.size()) - 1, nLevel) || strLevel[0] == '+')
        fail(strWhere, "the level index names no level");
    if (!Vantile::ParseInteger(attribute(element, "x").c_str(), 1, MOST_MINIGAME_SIDE, nColumns) ||
        !Vantile::ParseInteger(attribute(element, "y").c_str(), 1, MOST_MINIGAME_SIDE, nRows) ||
        (nColumns * nRows) % 2 != 0)
        fail(strWhere, "the grid must be at most 8 by 8 cells with an even number of cells");
}

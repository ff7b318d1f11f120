#include "Game/Level/gamefile.h"

#include <tinyxml.h>

#include <cstdio>
#include <cstdlib>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Core/vantile_number.h"
#include "Core/vantile_xml.h"
#include "Resources/vantile_resource.h"

namespace {

[[noreturn]] void refuse()
{
    throw Vantile::Exception(0, "Failed to load game file", "CGame::loadGame()", __FILE__, __LINE__);
}

std::string attribute(const TiXmlElement& element, const char* szName)
{
    const char* szValue = element.Attribute(szName);
    return szValue ? szValue : "";
}

// A count or index that is not a whole number in range reads as -1, which
// every caller refuses, rather than wrapping onto some other level.
int intAttribute(const TiXmlElement& element, const char* szName)
{
    int nValue = -1;
    return Vantile::ParseInteger(attribute(element, szName).c_str(), 0, 1 << 20, nValue) ? nValue : -1;
}

// One count per character, as the aquarium takes them.
std::vector<int> fishCounts(const std::string& strDigits)
{
    std::vector<int> counts;
    for (char c : strDigits)
        counts.push_back(atoi(std::string(1, c).c_str()));
    return counts;
}

CLevelInfo readLevel(const TiXmlElement& element)
{
    CLevelInfo level;
    level.m_strName = attribute(element, "name");
    level.m_strFile = attribute(element, "file");
    level.m_strField = attribute(element, "field");
    level.m_strScene = attribute(element, "scene");
    sscanf(attribute(element, "fogcolor").c_str(), "%x", &level.m_nFogColor);
    level.m_BackFish = fishCounts(attribute(element, "bgfishes"));
    level.m_FrontFish = fishCounts(attribute(element, "fgfishes"));
    return level;
}

// A record for a level the file does not have is dropped: nothing could
// ever start it.
void attachMiniGame(const TiXmlElement& element, LevelList& levels)
{
    const int nLevel = intAttribute(element, "level");
    if (nLevel < 0 || nLevel >= int(levels.size())) {
        Vantile::CLog::Instance().Write(
            Vantile::LOG_ERROR, Vantile::FormatString("game.gam: a mini-game before level %d, which is not there", nLevel));
        return;
    }
    auto pGame = std::make_shared<CMiniGameInfo>();
    pGame->m_nColumns = intAttribute(element, "x");
    pGame->m_nRows = intAttribute(element, "y");
    pGame->m_nFish = intAttribute(element, "fish");
    pGame->m_strBefore = attribute(element, "before");
    pGame->m_strAfter = attribute(element, "after");
    levels[nLevel].m_pMiniGame = pGame;
}

}  // namespace

LevelList CGameFile::load()
{
    Vantile::CResource resource(FILE_NAME);
    resource.Load();
    const std::string strText(reinterpret_cast<const char*>(resource.GetData()), resource.GetSize());
    TiXmlDocument document;
    const std::string strReason = Vantile::ParseXml(strText, document);
    if (!strReason.empty())
        Vantile::CLog::Instance().Write(Vantile::LOG_ERROR, std::string(FILE_NAME) + ": " + strReason);
    return read(document);
}

LevelList CGameFile::read(const TiXmlDocument& document)
{
    const TiXmlElement* pRoot = document.FirstChildElement("root");
    if (document.Error() || !pRoot)
        refuse();
    LevelList levels;
    for (const TiXmlElement* p = pRoot->FirstChildElement("level"); p; p = p->NextSiblingElement("level"))
        levels.push_back(readLevel(*p));
    // A game without levels would index nothing at its first start.
    if (levels.empty())
        refuse();
    for (const TiXmlElement* p = pRoot->FirstChildElement("minigame"); p; p = p->NextSiblingElement("minigame"))
        attachMiniGame(*p, levels);
    return levels;
}

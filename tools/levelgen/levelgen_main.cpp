// quellon-levelgen DESIGN OUTDIR: writes "game.gam" and one level file per
// level of the design table, "level01.xml" onwards, into OUTDIR. A level
// that breaks a level rule stops the build with the rule's reason.
#include <tinyxml.h>

#include <cstdio>

#include "Core/vantile_exception.h"
#include "Game/Items/itemtype.h"
#include "levelcheck/levelrules.h"
#include "levelgen_design.h"

namespace {

std::string levelFileName(size_t nIndex)
{
    char szName[32];
    snprintf(szName, sizeof(szName), "level%02zu.xml", nIndex + 1);
    return szName;
}

std::string typesText(const std::vector<int>& kinds)
{
    std::string strTypes;
    for (int nKind : kinds)
        strTypes += codeText(codeFromItemType(nKind));
    return strTypes;
}

void save(TiXmlDocument& document, const std::string& strPath)
{
    if (!document.SaveFile(strPath.c_str()))
        VANTILE_EXCEPT(0, strPath + ": cannot be written", "quellon-levelgen");
}

// Returns the faults of the level, each with the level's name; the file
// is written only for a level without any.
std::vector<std::string> writeLevel(const LevelDesign& design, const std::string& strPath)
{
    const CLevel::Cells cells = DesignCells(design);
    std::vector<std::string> faults = CLevelRules(cells, design.kinds).check();
    for (std::string& strFault : faults)
        strFault = "level \"" + design.strName + "\": " + strFault;
    if (!faults.empty())
        return faults;
    TiXmlDocument document;
    TiXmlElement* pRoot = document.LinkEndChild(new TiXmlElement("root"))->ToElement();
    TiXmlElement* pGame = pRoot->LinkEndChild(new TiXmlElement("game"))->ToElement();
    pGame->SetAttribute("types", typesText(design.kinds));
    pGame->SetAttribute("period", design.nPeriod);
    pGame->SetAttribute("powerups", design.nPowerups);
    pGame->SetAttribute("bonustime", design.nBonusTime);
    pRoot->LinkEndChild(new TiXmlElement("cells"))->ToElement()->SetAttribute("value", CellCodes(cells));
    save(document, strPath);
    return faults;
}

void addLevelEntry(TiXmlElement& root, const LevelDesign& design, size_t nIndex)
{
    TiXmlElement* pLevel = root.LinkEndChild(new TiXmlElement("level"))->ToElement();
    pLevel->SetAttribute("name", design.strName);
    pLevel->SetAttribute("file", levelFileName(nIndex));
    pLevel->SetAttribute("field", design.strField);
    pLevel->SetAttribute("scene", design.strScene);
    pLevel->SetAttribute("fogcolor", design.strFog);
    pLevel->SetAttribute("bgfishes", design.strBackFish);
    pLevel->SetAttribute("fgfishes", design.strFrontFish);
}

void addMiniGame(TiXmlElement& root, const LevelDesign& design, size_t nIndex)
{
    TiXmlElement* pGame = root.LinkEndChild(new TiXmlElement("minigame"))->ToElement();
    pGame->SetAttribute("level", int(nIndex));
    pGame->SetAttribute("x", design.nMiniColumns);
    pGame->SetAttribute("y", design.nMiniRows);
    pGame->SetAttribute("fish", design.nMiniFish);
    pGame->SetAttribute("before", design.strMiniBefore);
    pGame->SetAttribute("after", design.strMiniAfter);
}

// Every faulty level is reported before the build stops, so one run of
// the generator shows the designer all there is to mend.
bool generate(const std::string& strDesign, const std::string& strFolder)
{
    const std::vector<LevelDesign> designs = ReadDesignTable(strDesign);
    TiXmlDocument game;
    TiXmlElement* pRoot = game.LinkEndChild(new TiXmlElement("root"))->ToElement();
    bool bPlayable = true;
    for (size_t i = 0; i < designs.size(); ++i) {
        for (const std::string& strFault : writeLevel(designs[i], strFolder + "/" + levelFileName(i))) {
            fprintf(stderr, "quellon-levelgen: %s\n", strFault.c_str());
            bPlayable = false;
        }
        addLevelEntry(*pRoot, designs[i], i);
    }
    if (!bPlayable)
        return false;
    // The game reads every level before the mini-games that refer to them.
    for (size_t i = 0; i < designs.size(); ++i)
        if (designs[i].nMiniColumns > 0)
            addMiniGame(*pRoot, designs[i], i);
    save(game, strFolder + "/game.gam");
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: quellon-levelgen DESIGN OUTDIR\n");
        return 1;
    }
    try {
        return generate(argv[1], argv[2]) ? 0 : 1;
    } catch (const Vantile::Exception& e) {
        fprintf(stderr, "quellon-levelgen: %s\n", e.getDetails().c_str());
        return 1;
    }
}

#include "levelcheck/datachecker.h"

#include "Core/vantile_exception.h"
#include "Game/Items/animationmanager.h"
#include "Game/Level/level.h"
#include "Game/Script/gamescript.h"
#include "Resources/vantile_resourcemanager.h"
#include "levelcheck/levelrules.h"

namespace {

const char* const SCRIPT_FILE = "init.lua";

}  // namespace

CDataSetChecker::Faults CDataSetChecker::check(const std::string& strFolder)
{
    m_Faults.clear();
    m_Levels.clear();
    m_UsedTypes = {eTrunk};  // every won level brings one in
    m_CheckedTextures.clear();
    try {
        Vantile::CResourceManager::Instance().Init(strFolder, true);
    } catch (const Vantile::Exception& e) {
        fail(strFolder, e.getDetails());
        return m_Faults;
    }
    const bool bScriptRan = runScript();
    readGameFile();
    for (const LevelEntry& entry : m_Levels)
        checkLevelEntry(entry);
    if (bScriptRan)
        for (int nType : m_UsedTypes)
            checkItemType(nType);
    return m_Faults;
}

bool CDataSetChecker::runScript()
{
    CAnimationManager::Instance().clear();
    try {
        RunStartupScript(SCRIPT_FILE);
        return true;
    } catch (const Vantile::Exception& e) {
        fail(SCRIPT_FILE, e.getDetails());
        return false;
    }
}

void CDataSetChecker::checkLevelFile(const std::string& strFile)
{
    CLevel level;
    CLevel::Cells cells;
    try {
        level.loadFile(strFile, cells);
    } catch (const Vantile::Exception& e) {
        fail(strFile, e.getDetails());
        return;
    }
    const std::vector<int> types = CAnimationManager::Instance().activeItemTypes();
    m_UsedTypes.insert(types.begin(), types.end());
    for (const CLevel::CellRecord& cell : cells)
        if (cell.m_bExists && cell.m_nType != eNoItem)
            m_UsedTypes.insert(cell.m_nType);
    for (const std::string& strFault : CLevelRules(cells, ListedItemTypes(level.m_strTypes)).check())
        fail(strFile, strFault);
}

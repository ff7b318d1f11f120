// level FILE: a level file as the game loads it, before the board fills
// its empty cells.
#include <cstdio>
#include <string>

#include "Game/Items/animationmanager.h"
#include "Game/Level/level.h"
#include "Resources/vantile_resourcemanager.h"
#include "levelcheck/levelrules.h"
#include "tool_commands.h"

namespace {

// The code a level file stores for the cell.
int cellCode(const CLevel::CellRecord& cell)
{
    if (!cell.m_bExists)
        return 0;
    return 0x80 | (cell.m_nLives > 1 ? 0x40 : 0) | codeFromItemType(cell.m_nType);
}

void printLevel(const CLevel& level, const CLevel::Cells& cells)
{
    printf("period=%d powerups=%d bonustime=%d\n", level.m_nPeriod, level.m_nPowerups, level.m_nBonusTime);
    std::string strTypes;
    for (int nType : CAnimationManager::Instance().activeItemTypes())
        strTypes += codeText(codeFromItemType(nType));
    printf("types=%s\n", strTypes.c_str());
    for (int nRow = 0; nRow < CLevel::BOARD_SIZE; ++nRow) {
        std::string strLine;
        for (int nColumn = 0; nColumn < CLevel::BOARD_SIZE; ++nColumn)
            strLine += (nColumn ? " " : "") + codeText(cellCode(cells[nRow * CLevel::BOARD_SIZE + nColumn]));
        printf("%s\n", strLine.c_str());
    }
}

}  // namespace

int ToolRun_level(const ToolArgs& args)
{
    const std::string& strPath = args[0];
    const size_t nSlash = strPath.find_last_of('/');
    const std::string strFolder = nSlash == std::string::npos ? "." : ToolFolderArgument(strPath.substr(0, nSlash + 1));
    const std::string strName = nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
    Vantile::CResourceManager::Instance().Init(strFolder, false);
    CLevel level;
    CLevel::Cells cells;
    level.loadFile(strName, cells);
    const CLevelRules::Faults faults = ItemTypeFaults(ListedItemTypes(level.m_strTypes));
    if (!faults.empty())
        return ToolFail(strPath, faults.front());
    printLevel(level, cells);
    return fflush(stdout) == 0 ? 0 : ToolFail("stdout", "write failed");
}

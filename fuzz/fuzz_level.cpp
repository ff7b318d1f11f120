// The level loader on arbitrary bytes: it either refuses the file with the
// engine's exception or yields a level the board can play.
#include <cstdint>
#include <cstdlib>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Game/Items/animationmanager.h"
#include "Game/Level/level.h"

namespace {

// Every refusal logs a report; unopened, the log would keep them all in
// memory for the whole run.
const bool g_bLogOpened = Vantile::CLog::Instance().Open("/dev/null");

void checkCell(const CLevel::CellRecord& cell)
{
    if (cell.m_nType < 0 || cell.m_nType > eTimeFreeze)
        abort();
    if (!cell.m_bExists && cell.m_nType != 0)
        abort();
    if (cell.m_nLives != (cell.m_nType ? 1 : 0) && !(cell.m_nType && cell.m_nLives == 2))
        abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)g_bLogOpened;
    CLevel level;
    CLevel::Cells cells;
    try {
        level.loadBytes("fuzz.xml", data, size, cells);
    } catch (const Vantile::Exception&) {
        return 0;
    }
    if (level.m_nPeriod <= 0)
        abort();
    const std::vector<int>& types = CAnimationManager::Instance().activeItemTypes();
    if (types.empty())
        abort();
    for (int nType : types)
        if (nType < 1 || nType > eTimeFreeze)
            abort();
    for (const CLevel::CellRecord& cell : cells)
        checkCell(cell);
    return 0;
}

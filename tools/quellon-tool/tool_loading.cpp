// loading [DIR] --shot FILE.png [--percent N]: the loading screen over the
// splash picture at 40 % (unless told), drawn offscreen with the art of the
// data folder DIR, or of the folder "game" beside the tool.
#include <cstdlib>

#include "Game/Context/gamecontext.h"
#include "Resources/vantile_resourcemanager.h"
#include "tool_commands.h"
#include "tool_hud_draw.h"

int ToolRun_loading(const ToolArgs& args)
{
    std::string strFolder, strShot;
    long nPercent = 40;
    bool bUsage = false;
    for (size_t i = 0; i < args.size() && !bUsage; ++i) {
        if (args[i] == "--shot" && i + 1 < args.size()) {
            strShot = args[++i];
        } else if (args[i] == "--percent" && i + 1 < args.size()) {
            char* pEnd = nullptr;
            nPercent = strtol(args[++i].c_str(), &pEnd, 10);
            bUsage = *pEnd != '\0' || nPercent < 0 || nPercent > 100;
        } else if (strFolder.empty() && args[i].compare(0, 2, "--") != 0) {
            strFolder = args[i];
        } else {
            bUsage = true;
        }
    }
    if (bUsage || strShot.empty())
        return ToolFail("loading", "usage: quellon-tool loading [DIR] --shot FILE.png [--percent N]");
    if (strFolder.empty())
        strFolder = CGameContext::gameFolder();
    Vantile::CResourceManager::Instance().Init(ToolFolderArgument(strFolder), false);
    return DrawLoadingShot(strShot, int(nPercent));
}

// story --page N --shot FILE.png [--revealed K]: draws the story screen
// offscreen as the game shows it, with its buttons, after every page of
// page spread N (1 to 6: two spreads before the first level, one before
// levels 15, 25 and 50, the final one) has been clicked out and has faded
// in, or only the first K pages of its set.
#include <cstdlib>
#include <memory>
#include <string>

#include "Core/vantile_exception.h"
#include "Game/Context/gamecontext.h"
#include "Game/Sprites/spriteloader.h"
#include "Game/Sprites/spritescreen.h"
#include "Game/Story/comicsguibuttons.h"
#include "Game/Story/comicsscreen.h"
#include "Game/Story/storypages.h"
#include "RenderSystem/vantile_framepicture.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resourcemanager.h"
#include "gui/System/guidriver.h"
#include "tool_commands.h"
#include "tool_hud_draw.h"

namespace {

const D3DCOLOR BLACK = 0xFF000000;
const int PAGE_COUNT = 6;
// Enough frames for the last page to fade in fully.
const int FADE_FRAMES = 80;
const float FRAME_SECONDS = 1.0f / 60.0f;

struct SStoryOptions {
    std::string strShot;
    int nPage = 0;
    int nRevealed = -1;
};

bool ParseStoryOptions(const ToolArgs& args, SStoryOptions& options)
{
    for (size_t i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == "--shot")
            options.strShot = args[i + 1];
        else if (args[i] == "--page")
            options.nPage = atoi(args[i + 1].c_str());
        else if (args[i] == "--revealed")
            options.nRevealed = atoi(args[i + 1].c_str());
        else
            return false;
    }
    return args.size() % 2 == 0 && !options.strShot.empty() && options.nPage >= 1 && options.nPage <= PAGE_COUNT;
}

const SStorySet& SetOfPage(int nPage)
{
    switch (nPage) {
    case 1:
    case 2: return *StorySetOf(0);
    case 3: return *StorySetOf(14);
    case 4: return *StorySetOf(24);
    case 5: return *StorySetOf(49);
    default: return FinalStorySet();
    }
}

// Pages of the set out on screen: the first spread of the first set ends
// where its boundary is.
int RevealedOnPage(const SStoryOptions& options)
{
    const SStorySet& set = SetOfPage(options.nPage);
    if (options.nRevealed > 0)
        return options.nRevealed;
    if (options.nPage == 1 && !set.boundaries.empty())
        return set.boundaries.front();
    return int(set.pages.size());
}

int DrawStory(const SStoryOptions& options)
{
    CGuiDriver driver;
    driver.handler().loadData();
    CComicsScreen screen(std::make_unique<CComicsGuiButtons>(), true);
    screen.addSet(SetOfPage(options.nPage));
    IDirect3DDevice8* pDevice = Vantile::CD3D9RenderSystem::Instance().GetDevice();
    auto draw = [&] {
        SetSpriteScreenTransforms(pDevice);
        screen.update(FRAME_SECONDS);
    };
    for (int i = 1; i < RevealedOnPage(options); ++i) {
        screen.revealNext();
        for (int k = 0; k < FADE_FRAMES; ++k)
            driver.frame(BLACK, draw, FRAME_SECONDS);
    }
    for (int k = 0; k < FADE_FRAMES; ++k)
        driver.frame(BLACK, draw, FRAME_SECONDS);
    return Vantile::SaveFramePicture(options.strShot) ? 0 : ToolFail(options.strShot, "cannot write the picture");
}

}  // namespace

int ToolRun_story(const ToolArgs& args)
{
    SStoryOptions options;
    if (!ParseStoryOptions(args, options))
        return ToolFail("story", "usage: quellon-tool story --page 1..6 --shot FILE.png [--revealed K]");
    const std::string strData = CGameContext::gameFolder();
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    Vantile::CD3D9RenderSystem& renderSystem = Vantile::CD3D9RenderSystem::Instance();
    const int nMode = renderSystem.FindVideoMode(800, 600, 32);
    if (nMode < 0 || !renderSystem.CreateRenderWindow(nMode, "quellon-tool story", false))
        return ToolFail("story", "no 800 x 600 device");
    try {
        Vantile::CResourceManager::Instance().Init(strData, true);
        CSpriteLoader::Instance().setFinished(true);
        LoadToolLocale();
        return DrawStory(options);
    } catch (const Vantile::Exception& e) {
        return ToolFail(strData, e.getDetails());
    }
}

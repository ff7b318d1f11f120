// quellon-artgen GROUP SOURCE_DIR OUT_DIR: draws one group of the game's
// pictures (items, sprites, fields, hud, minigame, story, or the program's
// icons) from the text sources in SOURCE_DIR.
// quellon-artgen preview SOURCE_DIR FILE.png: every item layer, enlarged;
// reef-preview: the memory game's reef fish cards.
// quellon-artgen map SOURCE_DIR OUT_DIR: the level map from chart.txt;
// map-preview SOURCE_DIR FILE.png: the chart with every route on it.
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "art_generate.h"
#include "art_map.h"
#include "art_minigame.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: quellon-artgen items|sprites|fields|hud|minigame|story|icons|map SOURCE_DIR OUT_DIR\n"
                        "       quellon-artgen preview|reef-preview|map-preview SOURCE_DIR FILE.png\n");
        return 1;
    }
    try {
        const std::string strGroup = argv[1];
        std::vector<std::string> written;
        if (strGroup == "items")
            written = Art::GenerateItems(argv[2], argv[3]);
        else if (strGroup == "sprites")
            written = Art::GenerateSprites(argv[2], argv[3]);
        else if (strGroup == "fields")
            written = Art::GenerateFields(argv[2], argv[3]);
        else if (strGroup == "hud")
            written = Art::GenerateHud(argv[2], argv[3]);
        else if (strGroup == "minigame")
            written = Art::WriteMiniGame(argv[2], argv[3]);
        else if (strGroup == "reef-preview")
            Art::WriteReefPreview(argv[2], argv[3]);
        else if (strGroup == "story")
            written = Art::GenerateStory(argv[2], argv[3]);
        else if (strGroup == "icons")
            written = Art::GenerateIcons(argv[2], argv[3]);
        else if (strGroup == "map")
            written = Art::WriteMap(argv[2], argv[3]);
        else if (strGroup == "map-preview")
            Art::WriteMapPreview(argv[2], argv[3]);
        else if (strGroup == "preview")
            Art::WritePreview(argv[2], argv[3]);
        else
            throw std::runtime_error("unknown group \"" + strGroup + "\"");
        printf("quellon-artgen: %s: %zu files\n", strGroup.c_str(), written.size());
    } catch (const std::exception& e) {
        fprintf(stderr, "quellon-artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}

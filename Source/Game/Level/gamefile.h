// "game.gam": the levels in play order, each with its board file, field
// picture, aquarium scene, fog and fish, and the memory games before some
// of them.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TiXmlDocument;

struct CMiniGameInfo {
    int m_nColumns = 0;
    int m_nRows = 0;
    int m_nFish = 0;
    std::string m_strBefore;
    std::string m_strAfter;
};

struct CLevelInfo {
    std::string m_strName;
    std::string m_strFile;
    std::string m_strField;
    std::string m_strScene;
    unsigned m_nFogColor = 0;
    std::vector<int> m_BackFish;   // "bgfishes", one count per species
    std::vector<int> m_FrontFish;  // "fgfishes"
    std::shared_ptr<CMiniGameInfo> m_pMiniGame;
};

typedef std::vector<CLevelInfo> LevelList;

class CGameFile {
public:
    static constexpr const char* FILE_NAME = "game.gam";

    // Reads "game.gam" through the resource manager. Throws when the file
    // is missing, is not XML or names no level.
    static LevelList load();
    // The same for a parsed document.
    static LevelList read(const TiXmlDocument& document);
};

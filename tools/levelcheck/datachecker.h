// Checks a data folder the way the game reads it: the start-up script,
// "game.gam", every level file it names, and the item data those levels
// need. Each rule a fault breaks would stop, hang or spoil the game.
#pragma once

#include <set>
#include <string>
#include <vector>

class TiXmlElement;

class CDataSetChecker {
public:
    struct Fault {
        std::string strFile;
        std::string strText;
    };
    typedef std::vector<Fault> Faults;

    // Opens the resource manager on the folder and runs its "init.lua",
    // replacing the item tables the process held. Returns every fault.
    Faults check(const std::string& strFolder);

    // One entry of "game.gam" as the game keeps it.
    struct LevelEntry {
        std::string strName, strFile, strField, strScene, strFog, strBackFish, strFrontFish;
    };
    const std::vector<LevelEntry>& levels() const { return m_Levels; }

private:
    // datachecker_gamefile.cpp
    void readGameFile();
    void readLevelEntry(const TiXmlElement& element);
    void checkMiniGame(const TiXmlElement& element);
    void checkLevelEntry(const LevelEntry& entry);
    // datachecker.cpp
    bool runScript();
    void checkLevelFile(const std::string& strFile);
    // datachecker_items.cpp
    void checkItemType(int nType);
    void checkLayers(int nType, int nState, const char* szName, bool bMustEnd);
    void checkTexture(int nType, const std::string& strLayer, const std::string& strTexture, size_t nMinFrames);
    bool fileExists(const std::string& strName) const;

    void fail(const std::string& strFile, const std::string& strText) { m_Faults.push_back({strFile, strText}); }

    Faults m_Faults;
    std::vector<LevelEntry> m_Levels;
    std::set<int> m_UsedTypes;
    std::set<std::string> m_CheckedTextures;
};

// Sprites made while the game starts get their textures later, one per
// frame of the loading screen, so the screen keeps moving while they load.
#pragma once

#include <deque>
#include <mutex>
#include <string>

class CSprite;

class CSpriteLoader {
public:
    static CSpriteLoader& Instance();

    // Once loading is finished a sprite gets its texture here at once.
    void add(CSprite* pSprite);
    // A sprite that is deleted before its turn must not be loaded later.
    void remove(CSprite* pSprite);
    size_t count() const;
    // Loads the first waiting sprite and names its texture in strName.
    // True while more sprites wait.
    bool loadNext(std::string& strName);
    void loadAll();
    void setFinished(bool bFinished = true);
    bool isFinished() const;

private:
    CSpriteLoader() = default;
    CSpriteLoader(const CSpriteLoader&) = delete;
    CSpriteLoader& operator=(const CSpriteLoader&) = delete;

    void loadAllLocked();

    // Not owned: every sprite takes itself out when it is deleted.
    std::deque<CSprite*> m_Queue;
    mutable std::mutex m_Lock;
    bool m_bFinished = false;
};

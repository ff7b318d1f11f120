#include "Game/Sprites/spriteloader.h"

#include <algorithm>

#include "Game/Sprites/sprite.h"

CSpriteLoader& CSpriteLoader::Instance()
{
    static CSpriteLoader instance;
    return instance;
}

void CSpriteLoader::add(CSprite* pSprite)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Queue.push_back(pSprite);
    if (m_bFinished)
        loadAllLocked();
}

void CSpriteLoader::remove(CSprite* pSprite)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Queue.erase(std::remove(m_Queue.begin(), m_Queue.end(), pSprite), m_Queue.end());
}

size_t CSpriteLoader::count() const
{
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_Queue.size();
}

bool CSpriteLoader::loadNext(std::string& strName)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    if (m_Queue.empty())
        return false;
    // Out of the queue before loading, so a texture that throws is not
    // tried again on every frame.
    CSprite* pSprite = m_Queue.front();
    m_Queue.pop_front();
    pSprite->loadTexture();
    strName = pSprite->getTextureName();
    return !m_Queue.empty();
}

void CSpriteLoader::loadAll()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    loadAllLocked();
}

void CSpriteLoader::loadAllLocked()
{
    while (!m_Queue.empty()) {
        CSprite* pSprite = m_Queue.front();
        m_Queue.pop_front();
        pSprite->loadTexture();
    }
}

void CSpriteLoader::setFinished(bool bFinished)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    m_bFinished = bFinished;
}

bool CSpriteLoader::isFinished() const
{
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_bFinished;
}

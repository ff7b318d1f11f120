#include "Game/Sprites/spritevbarray.h"

CSpriteVBArray& CSpriteVBArray::Instance()
{
    static CSpriteVBArray instance;
    return instance;
}

CSpriteVB* CSpriteVBArray::load(const std::string& strAtlas)
{
    auto found = m_Table.find(strAtlas);
    if (found != m_Table.end())
        return found->second.get();
    auto pBatch = std::make_unique<CSpriteVB>(EFFECT, strAtlas, CSpriteVB::DEFAULT_CAPACITY);
    CSpriteVB* pLoaded = pBatch.get();
    m_Table[strAtlas] = std::move(pBatch);
    m_Batches.push_back(pLoaded);
    return pLoaded;
}

CSpriteVB* CSpriteVBArray::get(const std::string& strAtlas) const
{
    auto found = m_Table.find(strAtlas);
    return found == m_Table.end() ? nullptr : found->second.get();
}

void CSpriteVBArray::resetAll()
{
    for (CSpriteVB* pBatch : m_Batches)
        pBatch->reset();
}

void CSpriteVBArray::submitAll()
{
    for (CSpriteVB* pBatch : m_Batches)
        pBatch->submit();
}

void CSpriteVBArray::clear()
{
    m_Batches.clear();
    m_Table.clear();
}

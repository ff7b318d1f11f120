// A data folder for loader tests: files written into it are served by the
// resource manager, and a current render queue hands out plain effects.
#pragma once

#include <string>

#include "Effects/vantile_effect.h"
#include "Objects/vantile_objectformat.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Resources/vantile_resourcemanager.h"
#include "support/temp_folder.h"

class CObjectTestFolder {
public:
    CObjectTestFolder()
    {
        m_Folder.write("game/readme.txt", "data");
        Vantile::CResourceManager::Instance().Init(m_Folder.path() + "/game", true);
        m_Queue.SetEffectLoader([](const std::string& strName) { return new Vantile::CFxEffect(strName); });
        m_Queue.MakeCurrent();
    }
    // Files must be written before the folder is scanned again.
    void Write(const std::string& strName, const std::string& strBytes)
    {
        m_Folder.write("game/" + strName, strBytes);
        Vantile::CResourceManager::Instance().Init(m_Folder.path() + "/game", true);
    }
    void Write(const std::string& strName, const Vantile::SObjectFile& file)
    {
        Write(strName, Vantile::WriteObjectFile(file));
    }
    Vantile::CRenderQueue& Queue() { return m_Queue; }

private:
    CTempFolder m_Folder;
    Vantile::CRenderQueue m_Queue;
};

#include "Game/Sound/soundmanager.h"

#include "Business/userfile.h"
#include "Game/Sound/audiodevice.h"
#include "system/win32.h"

CSoundManager& CSoundManager::instance()
{
    static CSoundManager* s_pManager = nullptr;
    if (!s_pManager)
        s_pManager = new CSoundManager(CAudioDevice::Open());
    return *s_pManager;
}

bool CSoundManager::ReadDataFile(const std::string& strName, std::string& strBytes)
{
    char szPath[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strFolder(szPath);
    strFolder = strFolder.substr(0, strFolder.find_last_of('/') + 1);
    return CUserFile::Read(strFolder + "game/" + strName, strBytes) == 0;
}

float CSoundManager::MusicGain()
{
    return 1.0f;
}

#include "Game/Sound/soundmanager.h"

#include "Core/vantile_exception.h"
#include "Core/vantile_root.h"
#include "Game/Context/gamecontext.h"
#include "Game/Sound/audiodevice.h"
#include "Resources/vantile_resource.h"

// Never destroyed: the root keeps calling its frame handlers to the end,
// and closing the device during static destruction races OpenAL's own.
CSoundManager& CSoundManager::instance()
{
    static CSoundManager* s_pManager = nullptr;
    if (!s_pManager) {
        s_pManager = new CSoundManager(CAudioDevice::Open());
        Vantile::CRoot::Instance().addFrameHandler(s_pManager);
    }
    return *s_pManager;
}

bool CSoundManager::ReadDataFile(const std::string& strName, std::string& strBytes)
{
    // A missing sound is logged by the exception and then left out, so one
    // lost file silences one effect instead of stopping the game.
    try {
        Vantile::CResource resource(strName);
        resource.Load();
        if (!resource.GetData())
            return false;
        strBytes.assign(reinterpret_cast<const char*>(resource.GetData()), resource.GetSize());
        return true;
    } catch (const Vantile::Exception&) {
        return false;
    }
}

float CSoundManager::MusicGain()
{
    return CGameContext::Instance().m_fMusicGain;
}

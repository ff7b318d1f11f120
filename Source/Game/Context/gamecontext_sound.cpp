#include "Game/Context/gamecontext.h"

#include "Game/Sound/soundmanager.h"

void CGameContext::playSound(const std::string& strName, bool bLoop, float fVolume)
{
    CSoundManager::instance().play(strName, fVolume * m_fEffectGain, bLoop);
}

void CGameContext::stopSound(const std::string& strName)
{
    CSoundManager::instance().stop(strName);
}

void CGameContext::setTrackVolume(const std::string& strName, float fVolume)
{
    CSoundManager::instance().setVolume(strName, fVolume * m_fMusicGain);
}

void CGameContext::fadeOutAllMusic(float fSpeed)
{
    static const char* const tracks[] = {"muz.ogg", "muz intro.ogg", "muz var 1.ogg", "muz var 2.ogg",
                                         "muz_minigame.ogg", "Muz Losser.ogg", "ocean_map.ogg"};
    for (const char* szTrack : tracks)
        CSoundManager::instance().fadeOut(szTrack, fSpeed);
}

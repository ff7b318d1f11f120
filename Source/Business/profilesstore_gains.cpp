#include "Business/profilesstore.h"

#include "Game/Context/gamecontext.h"

void CProfilesStore::pushGains() const
{
    CGameContext& context = CGameContext::Instance();
    context.m_fEffectGain = static_cast<float>(m_nVolume) / kMaxVolume;
    context.m_fMusicGain = static_cast<float>(m_nMusic) / kMaxVolume;
}

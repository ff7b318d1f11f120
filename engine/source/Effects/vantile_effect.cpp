#include "Effects/vantile_effect.h"

namespace Vantile {

CBaseEffect::~CBaseEffect()
{
    for (const SListener& listener : m_Listeners) {
        if (listener.bOwned)
            delete listener.pListener;
    }
}

void CBaseEffect::Begin()
{
    for (const SListener& listener : m_Listeners)
        listener.pListener->Begin();
}

void CBaseEffect::Render(const SRenderItem& item)
{
    for (const SListener& listener : m_Listeners)
        listener.pListener->Render(item);
}

void CBaseEffect::End()
{
    for (const SListener& listener : m_Listeners)
        listener.pListener->End();
}

void CBaseEffect::AddListener(IEffectListener* pListener, bool bOwned)
{
    if (pListener)
        m_Listeners.push_back({pListener, bOwned});
}

}  // namespace Vantile

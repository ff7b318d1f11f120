#include "Game/Context/gameevents.h"

void PostItemCleared(int nCount, const D3DXVECTOR3& vPos)
{
    auto pPayload = std::make_shared<CClearedItemPayload>();
    pPayload->m_vPos = vPos;
    pPayload->m_nCount = nCount;
    CGameContext::Instance().postEvent({eEventItemCleared, pPayload});
}

void PostDeferredCall(std::function<void()> call)
{
    CGameContext::Instance().postEvent({eEventDeferredCall, std::make_shared<CDeferredCallPayload>(std::move(call))});
}

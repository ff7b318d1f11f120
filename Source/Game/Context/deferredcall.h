// Event 23: a call that must wait for the dark midpoint of the next screen
// fade, such as a menu window replacing itself. The session runs every
// posted call once, in posting order.
#pragma once

#include <functional>
#include <utility>

#include "Game/Context/gamecontext.h"

const int eEventDeferredCall = 23;

class CDeferredCallPayload : public CGameEventPayload {
public:
    explicit CDeferredCallPayload(std::function<void()> call) : m_Call(std::move(call)) {}

    std::function<void()> m_Call;
};

inline void PostDeferredCall(std::function<void()> call)
{
    CGameContext::Instance().postEvent({eEventDeferredCall, std::make_shared<CDeferredCallPayload>(std::move(call))});
}

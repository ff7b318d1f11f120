// luabind as the engine uses it, for every file that registers functions.
#pragma once

// luabind still includes boost/bind.hpp, which wants this to stay quiet.
#ifndef BOOST_BIND_GLOBAL_PLACEHOLDERS
#define BOOST_BIND_GLOBAL_PLACEHOLDERS
#endif

#include <lua.hpp>
#include <luabind/luabind.hpp>

#include <string>

#include "Core/vantile_exception.h"

namespace Vantile {

// Thrown into luabind when a registered function fails; the scripting
// manager turns it into a Lua error with exactly this text.
class CScriptCallError {
public:
    explicit CScriptCallError(const std::string& strText) : m_strText(strText) {}
    const std::string& text() const { return m_strText; }

private:
    std::string m_strText;
};

// Runs the body of a registered function. An engine exception (already
// reported in the log) becomes the Lua error "NAME() threw an exception",
// which ends the chunk.
template <class F>
void GuardScriptCall(const char* szName, F body)
{
    try {
        body();
    } catch (const Exception&) {
        throw CScriptCallError(std::string(szName) + "() threw an exception");
    }
}

}  // namespace Vantile

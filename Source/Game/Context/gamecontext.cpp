#include "Game/Context/gamecontext.h"

#include <sys/stat.h>

#include <algorithm>

#include "system/win32.h"

CGameContext& CGameContext::Instance()
{
    static CGameContext context;
    return context;
}

CGameContext::CGameContext()
{
    resetValues();
}

void CGameContext::resetValues()
{
    m_vMouse = D3DXVECTOR3(0, 0, 0);
    m_vTrunk = D3DXVECTOR3(0, -1000, 0);
    m_bTrunkShown = false;
    m_bMouseOffBoard = false;
    m_vWhirl = D3DXVECTOR3(0, 0, 0);
    m_nCellSize = 0;
    m_bPowerupArmed = false;
    m_nPowerup = 0;
    m_fEffectGain = 1.0f;
    m_fMusicGain = 1.0f;
}

void CGameContext::postEvent(int nCode)
{
    m_Events.push_back({nCode, nullptr});
}

void CGameContext::postEvent(const GameEvent& event)
{
    m_Events.push_back(event);
}

bool CGameContext::peekEvent(GameEvent& out) const
{
    if (m_Events.empty())
        return false;
    out = m_Events.front();
    return true;
}

void CGameContext::popEvent()
{
    if (!m_Events.empty())
        m_Events.pop_front();
}

bool CGameContext::isInRect(const D3DXVECTOR3& vPoint, const D3DXVECTOR3& vCornerA,
                            const D3DXVECTOR3& vCornerB)
{
    const float fLeft = std::min(vCornerA.x, vCornerB.x);
    const float fRight = std::max(vCornerA.x, vCornerB.x);
    const float fBottom = std::min(vCornerA.y, vCornerB.y);
    const float fTop = std::max(vCornerA.y, vCornerB.y);
    return vPoint.x >= fLeft && vPoint.x <= fRight && vPoint.y >= fBottom && vPoint.y <= fTop;
}

std::string CGameContext::programFolder()
{
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    const std::string strPath(szPath);
    const size_t nSlash = strPath.find_last_of('/');
    return nSlash == std::string::npos ? std::string(".") : strPath.substr(0, nSlash);
}

std::string CGameContext::gameFolder()
{
    const std::string strBeside = programFolder() + "/game";
    struct stat info;
    if (stat(strBeside.c_str(), &info) == 0 || stat((strBeside + ".dat").c_str(), &info) == 0)
        return strBeside;
    return programFolder() + "/../share/quellon/game";
}

std::string CGameContext::dataFolder()
{
    char szHome[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, 0, szHome)))
        return "Quellon 1.0";
    return std::string(szHome) + "/Quellon 1.0";
}

#include "Resources/vantile_resourcemanager.h"

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Resources/vantile_resource.h"

namespace Vantile {

CResourceManager& CResourceManager::Instance()
{
    static CResourceManager manager;
    return manager;
}

void CResourceManager::Init(const std::string& strPath, bool bRecursive)
{
    CLog::Instance().Write(LOG_INFO, FormatString("VFS Init: [%s]", strPath.c_str()));
    if (m_VFS.Open(strPath, true, bRecursive) < 0)
        VANTILE_EXCEPT(4, "Failed to open VFS", "CResourceManager::Init");
}

int CResourceManager::GetFile(CResource& resource, int nPosition)
{
    const int nResult = m_VFS.GetFile(nPosition, resource.GetName(), resource.GetFile());
    if (nResult < 0 && (nPosition == 0 || nPosition == -1))
        VANTILE_EXCEPT(4, "Failed to get file [" + resource.GetName() + "] from VFS", "CResourceManager::Init");
    return nResult;
}

}  // namespace Vantile

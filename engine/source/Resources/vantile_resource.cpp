#include "Resources/vantile_resource.h"

#include <cassert>

#include "Resources/vantile_resourcemanager.h"

namespace Vantile {

CResource::CResource(const std::string& strName) : m_strName(strName)
{
}

CResource::~CResource()
{
    m_File.Release();
}

int CResource::DoLoad()
{
    assert((m_strName.length()) && ("m_strName == 0"));
    return CResourceManager::Instance().GetFile(*this, 0);
}

void CResource::DoUnload()
{
    m_File.Release();
}

int CResource::Load()
{
    return DoLoad();
}

void CResource::Unload()
{
    DoUnload();
}

void CResource::Refresh()
{
}

}  // namespace Vantile

#include "gui/Renderer/ceguiresourceprovider.h"

#include <strings.h>

#include <algorithm>
#include <cstring>

#include "Core/vantile_log.h"
#include "Resources/vantile_resource.h"
#include "Resources/vantile_resourcemanager.h"

namespace {

bool hasExtension(const std::string& strName, const char* pszExtension)
{
    const size_t nLength = strlen(pszExtension);
    return strName.size() > nLength && strcasecmp(strName.c_str() + strName.size() - nLength, pszExtension) == 0;
}

bool isFontFace(const std::string& strName)
{
    return hasExtension(strName, ".ttf") || hasExtension(strName, ".otf");
}

bool fileExists(const std::string& strName)
{
    for (const Vantile::CVFS::EntryInfo& entry : Vantile::CResourceManager::Instance().GetVFS().List()) {
        if (strcasecmp(entry.strName.c_str(), strName.c_str()) == 0)
            return true;
    }
    return false;
}

// The face to read in place of strName, which is strName itself unless it
// is a missing face and another one exists.
std::string faceToRead(const std::string& strName)
{
    if (!isFontFace(strName) || fileExists(strName))
        return strName;
    const std::string strFallback = CCEGUIResourceProvider::findFallbackFace();
    if (strFallback.empty())
        return strName;
    Vantile::CLog::Instance().Write(Vantile::LOG_ERROR,
                                    "Font face [" + strName + "] is missing; using [" + strFallback + "] instead");
    return strFallback;
}

}  // namespace

std::string CCEGUIResourceProvider::findFallbackFace()
{
    std::string strBest;
    for (const Vantile::CVFS::EntryInfo& entry : Vantile::CResourceManager::Instance().GetVFS().List()) {
        if (isFontFace(entry.strName) && (strBest.empty() || entry.strName < strBest))
            strBest = entry.strName;
    }
    return strBest;
}

void CCEGUIResourceProvider::loadRawDataContainer(const CEGUI::String& strFileName, CEGUI::RawDataContainer& output,
                                                  const CEGUI::String& strResourceGroup)
{
    m_strLastFile = strFileName.c_str();
    Vantile::CResource file(faceToRead(m_strLastFile));
    file.Load();
    const size_t nSize = file.GetSize();
    CEGUI::uint8* pbyData = new CEGUI::uint8[nSize ? nSize : 1];
    if (nSize)
        memcpy(pbyData, file.GetData(), nSize);
    file.Unload();
    output.setData(pbyData);
    output.setSize(nSize);
}

void CCEGUIResourceProvider::unloadRawDataContainer(CEGUI::RawDataContainer& data)
{
    delete[] data.getDataPtr();
    data.setData(nullptr);
    data.setSize(0);
}

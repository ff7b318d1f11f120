#include <tinyxml.h>

#include "Core/vantile_exception.h"
#include "Core/vantile_xml.h"
#include "Objects/vantile_object.h"
#include "Resources/vantile_resource.h"

namespace Vantile {

namespace {

std::string FolderOf(const std::string& strName)
{
    const size_t nSlash = strName.find_last_of("/\\");
    return nSlash == std::string::npos ? std::string() : strName.substr(0, nSlash + 1);
}

[[noreturn]] void FailPack(const std::string& strName, const std::string& strWhy = std::string())
{
    std::string strDetails = "Failed to parse file [" + strName + "]";
    if (!strWhy.empty())
        strDetails += ": " + strWhy;
    VANTILE_EXCEPT(0, strDetails, "CObject::LoadAniPack");
}

// The object files the pack lists, in order, relative to its folder.
std::vector<std::string> ReadPackList(const std::string& strFileName)
{
    CResource file(strFileName);
    file.Load();
    const std::string strText(reinterpret_cast<const char*>(file.GetData()), file.GetSize());
    file.Unload();
    TiXmlDocument document;
    const std::string strReason = ParseXml(strText, document);
    if (!strReason.empty())
        FailPack(strFileName, strReason);
    const TiXmlElement* pRoot = document.RootElement();
    std::vector<std::string> files;
    for (const TiXmlElement* p = pRoot->FirstChildElement("animation"); p; p = p->NextSiblingElement("animation")) {
        const char* pszValue = p->Attribute("value");
        if (!pszValue || !*pszValue)
            FailPack(strFileName, "an animation without value");
        files.push_back(FolderOf(strFileName) + pszValue);
    }
    return files;
}

}  // namespace

void CObject::LoadAniPack(const std::string& strFileName)
{
    const std::vector<std::string> files = ReadPackList(strFileName);
    if (files.empty())
        FailPack(strFileName, "no animation listed");
    for (size_t i = 0; i < files.size(); ++i) {
        // A pack naming a pack (itself, say) would recurse without end.
        if (IsAniPackName(files[i]))
            FailPack(strFileName, "a pack cannot list another pack");
        if (i == 0)
            Load(files[i]);
        else
            LoadAnimation(files[i]);
    }
}

}  // namespace Vantile

#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

CTempFolder::CTempFolder()
{
    const char* szBase = getenv("TMPDIR");
    std::string strTemplate = std::string(szBase && *szBase ? szBase : "/tmp") + "/quellon-test-XXXXXX";
    if (!mkdtemp(strTemplate.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_strPath = strTemplate;
}

CTempFolder::~CTempFolder()
{
    std::error_code error;
    std::filesystem::remove_all(m_strPath, error);
}

std::string CTempFolder::write(const std::string& strRelative, const std::string& strBytes) const
{
    const std::filesystem::path path = std::filesystem::path(m_strPath) / strRelative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary);
    file.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
    return path.string();
}

std::string ReadFileText(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

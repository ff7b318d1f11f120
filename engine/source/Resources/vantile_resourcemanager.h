// The single owner of the virtual file system; every file the game reads is
// fetched through it.
#pragma once

#include <string>

#include "Vfs/vantile_vfs.h"

namespace Vantile {

class CResource;

class CResourceManager {
public:
    static CResourceManager& Instance();
    virtual ~CResourceManager() = default;

    // Opens the file system on the data folder (and the archive beside it).
    void Init(const std::string& strPath, bool bRecursive);
    // Maps the resource's file into its view. Throws code 4 when nothing
    // matched a search from the start (position 0 or -1).
    int GetFile(CResource& resource, int nPosition);

    CVFS& GetVFS() { return m_VFS; }

private:
    CResourceManager() = default;
    CResourceManager(const CResourceManager&) = delete;
    CResourceManager& operator=(const CResourceManager&) = delete;

    CVFS m_VFS;
};

}  // namespace Vantile

// A named file of the virtual file system, held as a read-only view while
// loaded.
#pragma once

#include <cstdint>
#include <string>

#include "Vfs/vantile_vfsfile.h"

namespace Vantile {

class CResource {
public:
    explicit CResource(const std::string& strName = std::string());

    // Fetches the bytes through the resource manager; returns the lookup
    // result. A missing file throws the manager's code-4 exception.
    virtual int DoLoad();
    virtual void DoUnload();
    virtual ~CResource();
    virtual int Load();
    virtual void Unload();
    virtual void Refresh();

    // Null while unloaded.
    const uint8_t* GetData() const { return m_File.GetData(); }
    uint32_t GetSize() const { return m_File.GetSize(); }
    const std::string& GetName() const { return m_strName; }
    void SetName(const std::string& strName) { m_strName = strName; }
    CVFSFile& GetFile() { return m_File; }

protected:
    CVFSFile m_File;
    std::string m_strName;
};

}  // namespace Vantile

// The folder scanner: lists the loose files of the data folder by bare
// name. The pack tool reuses it so the archive holds exactly the files a
// loose folder would serve.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace Vantile {

struct DiskEntry {
    std::string strName;
    std::string strPath;
};

class CVFSPacker {
public:
    void Clear() { m_Entries.clear(); }
    // Appends the regular files of one folder, in name order so that every
    // machine scans alike, depth-first into subfolders when bRecursive is
    // set. Hidden (dot) entries are skipped; a folder that cannot be opened
    // contributes nothing. A folder reached again through a link is skipped,
    // so links that loop cannot make the walk endless. A failure while
    // reading an opened folder throws Exception.
    void ProcessDirectory(const std::string& strFolder, bool bRecursive);

    const std::vector<DiskEntry>& GetEntries() const { return m_Entries; }
    std::vector<DiskEntry>& GetEntries() { return m_Entries; }

private:
    typedef std::set<std::pair<uint64_t, uint64_t>> FolderIds;  // device, inode
    void ProcessFolder(const std::string& strFolder, bool bRecursive, FolderIds& visited);

    std::vector<DiskEntry> m_Entries;
};

}  // namespace Vantile

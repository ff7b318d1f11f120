// The virtual file system: one flat, case-insensitive name space over the
// loose files of the data folder (and its subfolders) and the archive
// beside it, the folder's path with ".dat" appended. Loose files win.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Vfs/vantile_vfsfile.h"
#include "Vfs/vantile_vfsformat.h"
#include "Vfs/vantile_vfspacker.h"

namespace Vantile {

struct FatEntry {
    char szName[kFatNameSize];
    uint32_t dwSize;    // bytes stored in the archive
    uint32_t dwOffset;  // from the start of the archive
    uint32_t dwFilter;  // VfsFilter
};

class CVFS {
public:
    // One name as a lookup from position 0 serves it.
    struct EntryInfo {
        std::string strName;
        uint64_t nSize;  // bytes a reader gets
        bool bArchive;
    };

    CVFS() = default;
    ~CVFS();
    CVFS(const CVFS&) = delete;
    CVFS& operator=(const CVFS&) = delete;

    // Returns archive entries plus loose files. A missing archive or a file
    // that is not one contributes nothing; an archive of ours with a
    // damaged table or an entry outside its data, and duplicate loose
    // names, throw Exception with the reason.
    int Open(const std::string& strRoot, bool bScanFolder, bool bRecursive);
    // Searches from nCursor in the combined index space (loose files first,
    // then archive entries) and maps the match into file. Returns the
    // match's index + 1, or -1 with the view empty.
    int GetFile(int nCursor, const std::string& strName, CVFSFile& file);
    // Rescans the data folder; returns the number of loose files.
    int ReadFSFAT(bool bRecursive);

    std::vector<EntryInfo> List() const;
    const std::string& GetRoot() const { return m_strRoot; }
    const std::vector<FatEntry>& GetFat() const { return m_Fat; }
    const std::vector<DiskEntry>& GetLooseFiles() const { return m_Scanner.GetEntries(); }

    // Longest names the fixed fields of the formats hold.
    static const size_t kMaxLooseName = 49;
    static const size_t kMaxArchiveName = kFatNameSize - 1;

private:
    // vantile_vfs_archive.cpp
    void OpenArchive();
    void ReadTable(uint64_t nFileSize, uint64_t nTableOffset);
    void MapArchiveEntry(const FatEntry& entry, CVFSFile& file);
    void InflateEntry(const FatEntry& entry, CVFSFile& file);
    uint64_t ArchiveEntrySize(const FatEntry& entry) const;
    void CloseArchive();

    int FindLoose(size_t nFrom, const std::string& strName) const;
    int FindArchived(size_t nFrom, const std::string& strName) const;
    void DropOverlongNames();
    void CheckDuplicates() const;

    std::string m_strRoot;
    int m_hArchive = -1;
    std::shared_ptr<const CVFSMapping> m_pArchiveMapping;
    std::vector<FatEntry> m_Fat;
    CVFSPacker m_Scanner;
};

}  // namespace Vantile

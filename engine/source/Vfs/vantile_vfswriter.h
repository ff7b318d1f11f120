// Writes an archive the file system reads: header, file data in the order
// added, then the deflated table. The archive appears under its name only
// when Finish succeeds, so a failed pack never leaves a half-written one
// for the game to read.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "Vfs/vantile_vfs.h"

namespace Vantile {

class CVFSWriter {
public:
    // Starts writing strPath; throws Exception when it cannot be created.
    explicit CVFSWriter(const std::string& strPath);
    // Discards the unfinished archive unless Finish succeeded.
    ~CVFSWriter();
    CVFSWriter(const CVFSWriter&) = delete;
    CVFSWriter& operator=(const CVFSWriter&) = delete;

    // Appends one file under its bare name and returns its table entry.
    // Throws Exception for a name the format cannot hold, a name already
    // added in any letter case (the second could never be found), or a
    // write failure.
    const FatEntry& AddFile(const std::string& strName, const void* pvData, uint32_t nSize);
    // Writes the table and puts the archive in place.
    void Finish();

    // Already-compressed formats are stored as they are; other files are
    // deflated unless that saves too little (see CompressesPoorly).
    static uint32_t FilterForName(const std::string& strName);
    static bool CompressesPoorly(size_t nDeflated, uint32_t nSize);

private:
    void CheckName(const std::string& strName) const;
    // The stored form of a deflated file: its size, then the stream.
    std::vector<uint8_t> Deflate(const void* pvData, uint32_t nSize) const;
    std::vector<uint8_t> EncodeTable() const;
    void Write(const void* pvData, size_t nSize);
    [[noreturn]] void Fail(int nCode, const std::string& strFault) const;

    std::string m_strPath;
    std::string m_strPartPath;
    FILE* m_pFile = nullptr;
    uint64_t m_nOffset = 0;
    std::vector<FatEntry> m_Fat;
    bool m_bFinished = false;
};

}  // namespace Vantile

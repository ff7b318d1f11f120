// A read-only memory view of one file of the virtual file system. Loose
// files and stored archive entries are mapped where they lie; a deflated
// entry is inflated into a temporary file that this view owns and deletes
// when it lets go.
#pragma once

#include <cstdint>
#include <string>

namespace Vantile {

class CVFSFile {
public:
    CVFSFile() = default;
    ~CVFSFile();
    CVFSFile(const CVFSFile&) = delete;
    CVFSFile& operator=(const CVFSFile&) = delete;

    // Maps nSize bytes at nOffset of an open file; the caller keeps its
    // handle. Throws Exception when the mapping cannot be made.
    void MapFile(int hFile, uint64_t nOffset, uint32_t nSize);
    // Maps the whole of an open file.
    void MapWholeFile(int hFile);
    // Opens the file, maps it whole and closes it again: the mapping keeps
    // the file's pages. Throws Exception (code errno) on failure.
    void MapPath(const std::string& strPath);
    // Takes over a file made by CreateTemporaryFile (path and open handle)
    // and maps it whole; Release deletes it.
    void AdoptTemporaryFile(const std::string& strPath, int hFile);
    void Release();

    // Null while nothing is loaded; an empty file gives a valid pointer and
    // size 0.
    const uint8_t* GetData() const;
    uint32_t GetSize() const { return m_dwSize; }
    bool IsTemporary() const { return m_bTemporary; }
    const std::string& GetTempPath() const { return m_strTempPath; }

    // A new, unique, empty file in the system's temporary folder, opened
    // for reading and writing. It is deleted at a normal exit even if no
    // view ever adopts or releases it. Throws Exception on failure.
    static int CreateTemporaryFile(std::string& strPath);
    // Closes and deletes a file from CreateTemporaryFile that no view took.
    static void DiscardTemporaryFile(const std::string& strPath, int hFile);

private:
    static uint32_t WholeFileSize(int hFile);
    void MapRange(int hFile, uint64_t nOffset, uint32_t nSize);

    std::string m_strTempPath;
    int m_hFile = -1;
    void* m_pvMapping = nullptr;
    size_t m_nMappedLength = 0;
    const uint8_t* m_pvData = nullptr;
    uint32_t m_dwSize = 0;
    uint32_t m_dwOffset = 0;
    bool m_bTemporary = false;
};

}  // namespace Vantile

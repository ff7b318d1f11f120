// A read-only memory view of one file of the virtual file system. Loose
// files and stored archive entries are mapped where they lie; a deflated
// entry is inflated into memory that this view owns and frees when it lets
// go.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace Vantile {

// A read-only mapping of a whole open file, shared by the views cut from
// it: the archive is mapped once, so a read costs no mapping of its own,
// and the mapping stays until the last view of it lets go, whatever
// happens to the archive meanwhile.
class CVFSMapping {
public:
    // Throws Exception when the file cannot be mapped.
    explicit CVFSMapping(int hFile);
    ~CVFSMapping();
    CVFSMapping(const CVFSMapping&) = delete;
    CVFSMapping& operator=(const CVFSMapping&) = delete;

    // Null for an empty file.
    const uint8_t* GetData() const { return m_pbyData; }
    uint64_t GetSize() const { return m_nSize; }

private:
    const uint8_t* m_pbyData = nullptr;
    uint64_t m_nSize = 0;
};

class CVFSFile {
public:
    CVFSFile() = default;
    ~CVFSFile();
    CVFSFile(const CVFSFile&) = delete;
    CVFSFile& operator=(const CVFSFile&) = delete;

    // Maps nSize bytes at nOffset of an open file; the caller keeps its
    // handle. Throws Exception when the mapping cannot be made.
    void MapFile(int hFile, uint64_t nOffset, uint32_t nSize);
    // Opens the file, reads it whole into memory the view owns (maps it,
    // past MAX_READ_BYTES) and closes it again. Throws Exception (code
    // errno) on failure.
    void ReadPath(const std::string& strPath);
    static constexpr uint32_t MAX_READ_BYTES = 64u << 20;
    // nSize bytes at nOffset of a shared mapping, which must hold them; the
    // view keeps the mapping alive.
    void ViewMapping(std::shared_ptr<const CVFSMapping> pMapping, uint64_t nOffset, uint32_t nSize);
    // Memory of nSize bytes that this view owns and serves; the caller
    // fills it through the pointer returned before anyone reads the view.
    uint8_t* AllocateOwned(uint32_t nSize);
    void Release();

    // Null while nothing is loaded; an empty file gives a valid pointer and
    // size 0.
    const uint8_t* GetData() const;
    uint32_t GetSize() const { return m_dwSize; }
    // True for bytes held in memory (inflated or read), false for a
    // mapping.
    bool IsOwned() const { return m_pOwned != nullptr; }

private:
    static uint32_t WholeFileSize(int hFile);
    void ReadWholeFile(int hFile);
    void MapRange(int hFile, uint64_t nOffset, uint32_t nSize);

    std::unique_ptr<uint8_t[]> m_pOwned;
    std::shared_ptr<const CVFSMapping> m_pShared;
    void* m_pvMapping = nullptr;
    size_t m_nMappedLength = 0;
    const uint8_t* m_pvData = nullptr;
    uint32_t m_dwSize = 0;
    uint32_t m_dwOffset = 0;
};

}  // namespace Vantile

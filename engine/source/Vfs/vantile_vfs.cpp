#include "Vfs/vantile_vfs.h"

#include <strings.h>
#include <sys/stat.h>

#include <unordered_map>
#include <unordered_set>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"

namespace Vantile {

namespace {

std::string LowerCase(std::string strText)
{
    for (char& ch : strText)
        if (ch >= 'A' && ch <= 'Z')
            ch = char(ch - 'A' + 'a');
    return strText;
}

uint64_t LooseFileSize(const DiskEntry& entry)
{
    struct stat info;
    return stat(entry.strPath.c_str(), &info) == 0 ? uint64_t(info.st_size) : 0;
}

}  // namespace

CVFS::~CVFS()
{
    CloseArchive();
}

int CVFS::Open(const std::string& strRoot, bool bScanFolder, bool bRecursive)
{
    m_strRoot = strRoot;
    while (m_strRoot.size() > 1 && (m_strRoot.back() == '/' || m_strRoot.back() == '\\'))
        m_strRoot.pop_back();
    OpenArchive();
    m_Scanner.Clear();
    if (bScanFolder)
        ReadFSFAT(bRecursive);
    return int(m_Fat.size() + m_Scanner.GetEntries().size());
}

int CVFS::ReadFSFAT(bool bRecursive)
{
    m_Scanner.Clear();
    m_Scanner.ProcessDirectory(m_strRoot, bRecursive);
    DropOverlongNames();
    CheckDuplicates();
    return int(m_Scanner.GetEntries().size());
}

void CVFS::DropOverlongNames()
{
    std::vector<DiskEntry>& entries = m_Scanner.GetEntries();
    std::vector<DiskEntry> kept;
    kept.reserve(entries.size());
    for (DiskEntry& entry : entries) {
        if (entry.strName.size() <= kMaxLooseName) {
            kept.push_back(std::move(entry));
            continue;
        }
        CLog::Instance().Write(LOG_ERROR, FormatString("VFS: skipped [%s], its name is longer than %d characters",
                                                       entry.strPath.c_str(), int(kMaxLooseName)));
    }
    entries.swap(kept);
}

void CVFS::CheckDuplicates() const
{
    // Exact comparison: names that differ only in case are allowed, and the
    // one scanned first is served.
    std::unordered_map<std::string, const DiskEntry*> seen;
    for (const DiskEntry& entry : m_Scanner.GetEntries()) {
        auto inserted = seen.emplace(entry.strName, &entry);
        if (!inserted.second)
            VANTILE_EXCEPT(0, FormatString("Duplicates [%s], [%s]", inserted.first->second->strPath.c_str(),
                                           entry.strPath.c_str()),
                           "CVFS::ReadFSFAT()");
    }
}

int CVFS::GetFile(int nCursor, const std::string& strName, CVFSFile& file)
{
    file.Release();
    const size_t nLoose = m_Scanner.GetEntries().size();
    const size_t nFrom = nCursor > 0 ? size_t(nCursor) : 0;
    try {
        const int nLooseMatch = FindLoose(nFrom, strName);
        if (nLooseMatch >= 0) {
            file.ReadPath(m_Scanner.GetEntries()[nLooseMatch].strPath);
            return nLooseMatch + 1;
        }
        if (FindLoose(0, strName) >= 0)
            return -1;
        const int nArchived = FindArchived(nFrom > nLoose ? nFrom - nLoose : 0, strName);
        if (nArchived < 0)
            return -1;
        MapArchiveEntry(m_Fat[nArchived], file);
        return int(nLoose) + nArchived + 1;
    } catch (const Exception&) {
        // The report is in the log already; the caller only learns "no".
        file.Release();
        return -1;
    }
}

int CVFS::FindLoose(size_t nFrom, const std::string& strName) const
{
    const std::vector<DiskEntry>& entries = m_Scanner.GetEntries();
    for (size_t i = nFrom; i < entries.size(); ++i)
        if (strcasecmp(entries[i].strName.c_str(), strName.c_str()) == 0)
            return int(i);
    return -1;
}

int CVFS::FindArchived(size_t nFrom, const std::string& strName) const
{
    for (size_t i = nFrom; i < m_Fat.size(); ++i)
        if (strcasecmp(m_Fat[i].szName, strName.c_str()) == 0)
            return int(i);
    return -1;
}

std::vector<CVFS::EntryInfo> CVFS::List() const
{
    std::vector<EntryInfo> result;
    std::unordered_set<std::string> served;
    for (const DiskEntry& entry : m_Scanner.GetEntries())
        if (served.insert(LowerCase(entry.strName)).second)
            result.push_back({entry.strName, LooseFileSize(entry), false});
    for (const FatEntry& entry : m_Fat)
        if (served.insert(LowerCase(entry.szName)).second)
            result.push_back({entry.szName, ArchiveEntrySize(entry), true});
    return result;
}

}  // namespace Vantile

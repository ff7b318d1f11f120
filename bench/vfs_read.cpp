// Reads every file of a generated data folder through the file system,
// once from loose files and once from the archive, against plain reads of
// the same files, and prints the times and their ratios.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Vfs/vantile_vfs.h"
#include "Vfs/vantile_vfswriter.h"

namespace {

const int kRounds = 9;

struct DataSet {
    std::string strLoose;    // folder with the loose files
    std::string strPacked;   // root whose ".dat" holds them all, no folder
    std::vector<std::string> names;
    uint64_t nBytes = 0;
};

// Text-like data compresses the way scripts and XML do; the ".png" files
// are incompressible and stored, as images are.
std::string MakeContent(size_t nIndex, uint32_t& nState)
{
    const bool bImage = nIndex % 4 == 0;
    const size_t nSize = bImage ? 16384 + (nIndex * 7919) % 200000 : 512 + (nIndex * 104729) % 60000;
    std::string strBytes;
    strBytes.reserve(nSize);
    while (strBytes.size() < nSize) {
        nState = nState * 1103515245u + 12345u;
        if (bImage)
            strBytes += char(nState >> 16);
        else
            strBytes += "<cell x=\"" + std::to_string((nState >> 16) % 8) + "\"/>\n";
    }
    strBytes.resize(nSize);
    return strBytes;
}

DataSet MakeDataSet(const std::string& strBase, size_t nFiles)
{
    DataSet set;
    set.strLoose = strBase + "/game";
    set.strPacked = strBase + "/packed";
    std::filesystem::create_directories(set.strLoose + "/sub");
    Vantile::CVFSWriter writer(set.strPacked + ".dat");
    uint32_t nState = 1;
    for (size_t i = 0; i < nFiles; ++i) {
        const std::string strName = "file" + std::to_string(i) + (i % 4 == 0 ? ".png" : ".xml");
        const std::string strBytes = MakeContent(i, nState);
        FILE* pFile = fopen((set.strLoose + (i % 2 ? "/sub/" : "/") + strName).c_str(), "wb");
        fwrite(strBytes.data(), 1, strBytes.size(), pFile);
        fclose(pFile);
        writer.AddFile(strName, strBytes.data(), uint32_t(strBytes.size()));
        set.names.push_back(strName);
        set.nBytes += strBytes.size();
    }
    writer.Finish();
    return set;
}

// One copy of the loop for every reader: inlined, the compiler vectorised
// it for one caller and not for another, which measured the loop instead of
// the readers.
__attribute__((noinline)) unsigned Checksum(const uint8_t* pbyData, size_t nSize)
{
    unsigned nSum = 0;
    for (size_t i = 0; i < nSize; ++i)
        nSum += pbyData[i];
    return nSum;
}

unsigned ReadPlain(const DataSet& set)
{
    unsigned nSum = 0;
    std::vector<uint8_t> buffer;
    for (size_t i = 0; i < set.names.size(); ++i) {
        const std::string strPath = set.strLoose + (i % 2 ? "/sub/" : "/") + set.names[i];
        const int hFile = open(strPath.c_str(), O_RDONLY);
        struct stat info;
        fstat(hFile, &info);
        buffer.resize(size_t(info.st_size));
        const ssize_t nRead = read(hFile, buffer.data(), buffer.size());
        close(hFile);
        nSum += Checksum(buffer.data(), size_t(nRead > 0 ? nRead : 0));
    }
    return nSum;
}

unsigned ReadThroughVfs(Vantile::CVFS& vfs, const DataSet& set)
{
    unsigned nSum = 0;
    Vantile::CVFSFile file;
    for (const std::string& strName : set.names) {
        if (vfs.GetFile(0, strName, file) < 0) {
            fprintf(stderr, "bench_vfs_read: %s: not found\n", strName.c_str());
            exit(1);
        }
        nSum += Checksum(file.GetData(), file.GetSize());
    }
    return nSum;
}

// CPU time of this thread, kernel time for reads and page faults included:
// unlike the wall clock it does not count the moments other programs on a
// shared machine held the core.
double ThreadCpuMilliseconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Best of several rounds each, in milliseconds of CPU. The readers take turns
// round by round, so a busy moment of the machine falls on all of them
// alike; the first round also warms the page cache for all three.
std::vector<double> BestTimes(const std::vector<std::function<unsigned()>>& readers, std::vector<unsigned>& sums)
{
    std::vector<double> best(readers.size(), 1e30);
    sums.assign(readers.size(), 0);
    for (int i = 0; i < kRounds; ++i) {
        for (size_t n = 0; n < readers.size(); ++n) {
            const double dStart = ThreadCpuMilliseconds();
            sums[n] = readers[n]();
            best[n] = std::min(best[n], ThreadCpuMilliseconds() - dStart);
        }
    }
    return best;
}

}  // namespace

int main()
{
    const std::string strBase = (std::filesystem::temp_directory_path() / "quellon-bench-vfs").string();
    std::filesystem::remove_all(strBase);
    const DataSet set = MakeDataSet(strBase, 400);

    Vantile::CVFS loose;
    loose.Open(set.strLoose, true, true);
    Vantile::CVFS packed;
    packed.Open(set.strPacked, true, true);

    std::vector<unsigned> sums;
    const std::vector<double> times = BestTimes({[&] { return ReadPlain(set); }, [&] { return ReadThroughVfs(loose, set); },
                                                 [&] { return ReadThroughVfs(packed, set); }},
                                                sums);
    std::filesystem::remove_all(strBase);
    if (sums[0] != sums[1] || sums[0] != sums[2]) {
        fprintf(stderr, "bench_vfs_read: the readers disagree about the bytes\n");
        return 1;
    }
    const double dPlain = times[0], dLoose = times[1], dPacked = times[2];

    printf("files: %zu, bytes: %llu, CPU time, best of %d rounds\n", set.names.size(),
           static_cast<unsigned long long>(set.nBytes), kRounds);
    printf("plain read      %9.2f ms\n", dPlain);
    printf("vfs loose       %9.2f ms   time ratio to plain %.2f, speed %.2fx plain\n", dLoose, dLoose / dPlain, dPlain / dLoose);
    printf("vfs packed      %9.2f ms   time ratio to plain %.2f, speed %.2fx plain\n", dPacked, dPacked / dPlain, dPlain / dPacked);
    return 0;
}

// Reads every file of a generated data folder through the file system,
// once from loose files and once from the archive, against plain reads of
// the same files, and prints the times and their ratios.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Vfs/vantile_vfs.h"
#include "Vfs/vantile_vfswriter.h"

namespace {

const int kRounds = 5;

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

unsigned Checksum(const uint8_t* pbyData, size_t nSize)
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

// Best of several rounds, in milliseconds; the first round also warms the
// page cache for all three readers alike.
double BestTime(const std::function<unsigned()>& read, unsigned& nSum)
{
    double dBest = 1e30;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        nSum = read();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        dBest = std::min(dBest, elapsed.count());
    }
    return dBest;
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

    unsigned nPlain = 0, nLoose = 0, nPacked = 0;
    const double dPlain = BestTime([&] { return ReadPlain(set); }, nPlain);
    const double dLoose = BestTime([&] { return ReadThroughVfs(loose, set); }, nLoose);
    const double dPacked = BestTime([&] { return ReadThroughVfs(packed, set); }, nPacked);
    std::filesystem::remove_all(strBase);
    if (nPlain != nLoose || nPlain != nPacked) {
        fprintf(stderr, "bench_vfs_read: the readers disagree about the bytes\n");
        return 1;
    }

    printf("files: %zu, bytes: %llu, best of %d rounds\n", set.names.size(),
           static_cast<unsigned long long>(set.nBytes), kRounds);
    printf("plain read      %9.2f ms\n", dPlain);
    printf("vfs loose       %9.2f ms   ratio to plain %.2f\n", dLoose, dLoose / dPlain);
    printf("vfs packed      %9.2f ms   ratio to plain %.2f\n", dPacked, dPacked / dPlain);
    return 0;
}

#include "Vfs/vantile_vfswriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "Core/vantile_exception.h"
#include "Vfs/vantile_vfsfilter.h"
#include "support/temp_folder.h"

using namespace Vantile;

namespace {

std::string ReadAll(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& strPath)
{
    struct stat info;
    return stat(strPath.c_str(), &info) == 0;
}

std::string Inflate(const std::string& strStored)
{
    const uint32_t nSize = ReadLE32(strStored.data());
    std::string strOut(nSize, '\0');
    CFilterZLib filter;
    EXPECT_TRUE(filter.Decode(nSize ? &strOut[0] : nullptr, nSize, strStored.data() + 4,
                              uint32_t(strStored.size() - 4)));
    return strOut;
}

// Text that deflates well: the name over and over.
std::string ContentOf(const std::string& strName)
{
    std::string strBytes;
    for (int i = 0; i < 40; ++i)
        strBytes += strName;
    return strBytes;
}

// Bytes no compressor shrinks.
std::string NoiseOf(size_t nSize)
{
    std::string strBytes(nSize, '\0');
    uint32_t nState = 7;
    for (char& ch : strBytes) {
        nState = nState * 1103515245u + 12345u;
        ch = char(nState >> 16);
    }
    return strBytes;
}

void WriteArchive(const std::string& strPath, const std::vector<std::string>& names)
{
    CVFSWriter writer(strPath);
    for (const std::string& strName : names) {
        const std::string strBytes = ContentOf(strName);
        writer.AddFile(strName, strBytes.data(), uint32_t(strBytes.size()));
    }
    writer.Finish();
}

// Reads the archive back with nothing but the format's description.
TEST(VfsWriterTest, LaysOutHeaderDataAndDeflatedTable)
{
    CTempFolder temp;
    const std::string strPath = temp.path() + "/game.dat";
    const std::vector<std::string> names = {"a.jpg", "b.OGG", "c.png", "d.dds", "e.txt", "fjpg"};
    const std::vector<uint32_t> filters = {0, 0, 0, 1, 1, 1};
    WriteArchive(strPath, names);

    const std::string strArchive = ReadAll(strPath);
    ASSERT_GE(strArchive.size(), 16u);
    EXPECT_EQ(strArchive.substr(0, 8), std::string("KovaVFS", 8));
    const uint32_t dwTable = ReadLE32(strArchive.data() + 8);
    const std::string strTable = Inflate(strArchive.substr(dwTable));
    ASSERT_EQ(ReadLE32(strTable.data()), names.size());
    ASSERT_EQ(strTable.size(), 4 + 64 * names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        const char* pEntry = strTable.data() + 4 + 64 * i;
        EXPECT_EQ(std::string(pEntry), names[i]);
        const uint32_t dwSize = ReadLE32(pEntry + 52);
        const uint32_t dwOffset = ReadLE32(pEntry + 56);
        EXPECT_EQ(ReadLE32(pEntry + 60), filters[i]) << names[i];
        ASSERT_LE(uint64_t(dwOffset) + dwSize, dwTable);
        const std::string strStored = strArchive.substr(dwOffset, dwSize);
        EXPECT_EQ(filters[i] ? Inflate(strStored) : strStored, ContentOf(names[i]));
    }
}

// Deflating only pays where it saves bytes: tiny, empty and incompressible
// files are stored whatever their names, and read back mapped in place.
TEST(VfsWriterTest, StoresFilesThatDeflatePoorly)
{
    CTempFolder temp;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"tiny.lua", "x=1"},
        {"empty.xml", ""},
        {"noise.xml", NoiseOf(20000)},
        {"text.xml", ContentOf("<cell x=\"1\"/>")},
    };
    CVFSWriter writer(temp.path() + "/game.dat");
    for (const auto& file : cases) {
        const FatEntry& entry = writer.AddFile(file.first, file.second.data(), uint32_t(file.second.size()));
        const bool bDeflated = file.first == "text.xml";
        EXPECT_EQ(entry.dwFilter, bDeflated ? VFS_FILTER_ZLIB : VFS_FILTER_STORED) << file.first;
        if (!bDeflated) {
            EXPECT_EQ(entry.dwSize, file.second.size()) << file.first;
        }
    }
    writer.Finish();
    CVFS vfs;
    ASSERT_EQ(vfs.Open(temp.path() + "/game", false, false), int(cases.size()));
    for (const auto& file : cases) {
        CVFSFile view;
        ASSERT_GT(vfs.GetFile(0, file.first, view), 0) << file.first;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(view.GetData()), view.GetSize()), file.second);
        EXPECT_EQ(view.IsOwned(), file.first == "text.xml") << file.first;
    }
}

TEST(VfsWriterTest, SameInputWritesIdenticalBytes)
{
    CTempFolder temp;
    WriteArchive(temp.path() + "/one.dat", {"x.lua", "y.png", "z.xml"});
    WriteArchive(temp.path() + "/two.dat", {"x.lua", "y.png", "z.xml"});
    EXPECT_EQ(ReadAll(temp.path() + "/one.dat"), ReadAll(temp.path() + "/two.dat"));
}

TEST(VfsWriterTest, RefusesNamesTheArchiveCannotServe)
{
    CTempFolder temp;
    const std::string strPath = temp.path() + "/game.dat";
    const std::vector<std::string> refused = {
        "", std::string(52, 'n'), "sub/x.dds", "sub\\x.dds", std::string("nul\0name", 8), "TAKEN.lua",
    };
    for (const std::string& strName : refused) {
        {
            CVFSWriter writer(strPath);
            writer.AddFile("taken.lua", "1", 1);
            writer.AddFile(std::string(51, 'n'), "", 0);
            EXPECT_THROW(writer.AddFile(strName, "2", 1), Exception) << strName;
        }
        EXPECT_FALSE(Exists(strPath)) << strName;
        EXPECT_FALSE(Exists(strPath + ".part")) << strName;
    }
}

}  // namespace

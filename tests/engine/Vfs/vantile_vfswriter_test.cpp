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

void WriteArchive(const std::string& strPath, const std::vector<std::string>& names)
{
    CVFSWriter writer(strPath);
    for (const std::string& strName : names)
        writer.AddFile(strName, strName.data(), uint32_t(strName.size()));
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
        EXPECT_EQ(filters[i] ? Inflate(strStored) : strStored, names[i]);
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

#include "Vfs/vantile_vfsfile.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>

#include "Core/vantile_exception.h"
#include "support/temp_folder.h"

using namespace Vantile;

namespace {

TEST(VfsFileTest, OwnedMemoryIsServedUntilReleasedOrReplaced)
{
    CVFSFile view;
    uint8_t* pbyBytes = view.AllocateOwned(5);
    ASSERT_NE(pbyBytes, nullptr);
    memcpy(pbyBytes, "fresh", 5);
    EXPECT_TRUE(view.IsOwned());
    EXPECT_EQ(view.GetData(), pbyBytes);
    EXPECT_EQ(view.GetSize(), 5u);

    EXPECT_EQ(view.AllocateOwned(0), nullptr);
    EXPECT_NE(view.GetData(), nullptr) << "an empty view is a loaded view";
    EXPECT_EQ(view.GetSize(), 0u);

    view.AllocateOwned(3);
    view.MapFile(-1, 0, 0);
    EXPECT_FALSE(view.IsOwned()) << "mapping a file frees the owned bytes";
    view.Release();
    EXPECT_EQ(view.GetData(), nullptr);
}

// A loose file is read into the view's own memory: what was read stays
// when another program cuts the file short or removes it (a mapping would
// fault on the lost pages), and an empty file is a loaded, empty view.
TEST(VfsFileTest, ReadingAPathKeepsItsBytesWhateverHappensToTheFileAfterwards)
{
    CTempFolder temp;
    const std::string strBytes(3 * 4096 + 17, 'q');
    const std::string strPath = temp.write("level.xml", strBytes);
    CVFSFile file;
    file.ReadPath(strPath);
    EXPECT_TRUE(file.IsOwned());
    ASSERT_EQ(truncate(strPath.c_str(), 0), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.GetData()), file.GetSize()), strBytes);
    ASSERT_EQ(unlink(strPath.c_str()), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.GetData()), file.GetSize()), strBytes);

    CVFSFile empty;
    empty.ReadPath(temp.write("empty.txt", ""));
    EXPECT_NE(empty.GetData(), nullptr);
    EXPECT_EQ(empty.GetSize(), 0u);
}

// Nothing in the data set comes near the limit; a file past it is mapped,
// so a stray huge file costs no memory of its size before it is refused.
TEST(VfsFileTest, AFileLargerThanAnyDataIsMappedNotRead)
{
    CTempFolder temp;
    const std::string strPath = temp.write("huge.ogg", "OggS");
    ASSERT_EQ(truncate(strPath.c_str(), off_t(CVFSFile::MAX_READ_BYTES) + 1), 0);
    CVFSFile file;
    file.ReadPath(strPath);
    EXPECT_FALSE(file.IsOwned());
    EXPECT_EQ(file.GetSize(), CVFSFile::MAX_READ_BYTES + 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.GetData()), 4), "OggS");
}

TEST(VfsFileTest, MapsAnyOffsetOfAFile)
{
    CTempFolder temp;
    std::string strBytes(3 * 4096 + 100, '\0');
    for (size_t i = 0; i < strBytes.size(); ++i)
        strBytes[i] = char(i * 7);
    const std::string strPath = temp.write("data.bin", strBytes);
    CVFSFile whole;
    whole.ReadPath(strPath);
    ASSERT_EQ(whole.GetSize(), strBytes.size());
    const int hFile = open(strPath.c_str(), O_RDONLY);
    for (uint64_t nOffset : {0ull, 1ull, 4095ull, 4096ull, 8193ull}) {
        CVFSFile view;
        view.MapFile(-1, 0, 0);
        EXPECT_NE(view.GetData(), nullptr) << "an empty view is a loaded view";
        view.MapFile(hFile, nOffset, 50);
        ASSERT_NE(view.GetData(), nullptr);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(view.GetData()), 50), strBytes.substr(nOffset, 50));
    }
    close(hFile);
    EXPECT_THROW(whole.ReadPath(temp.path() + "/missing.bin"), Exception);
}

}  // namespace

#include "Vfs/vantile_vfs.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "Core/vantile_exception.h"
#include "Vfs/vantile_vfswriter.h"
#include "support/archive_builder.h"
#include "support/temp_folder.h"

using namespace Vantile;

namespace {

std::string Bytes(const CVFSFile& file)
{
    return std::string(reinterpret_cast<const char*>(file.GetData()), file.GetSize());
}

// Compressible but not trivial, and long enough to span many pages.
std::string LargeContent()
{
    std::string strBytes;
    uint32_t nState = 12345;
    while (strBytes.size() < 3 * 1024 * 1024 + 17) {
        nState = nState * 1103515245u + 12345u;
        strBytes += "line " + std::to_string(nState % 1000) + "\n";
    }
    return strBytes;
}

size_t FolderEntries(const std::string& strFolder)
{
    return size_t(std::distance(std::filesystem::directory_iterator(strFolder), std::filesystem::directory_iterator()));
}

// Points the system's temporary folder somewhere a test can watch.
class CTempDirOverride {
public:
    explicit CTempDirOverride(const std::string& strFolder)
    {
        const char* pszOld = getenv("TMPDIR");
        m_bHadOld = pszOld != nullptr;
        m_strOld = pszOld ? pszOld : "";
        setenv("TMPDIR", strFolder.c_str(), 1);
    }
    ~CTempDirOverride()
    {
        if (m_bHadOld)
            setenv("TMPDIR", m_strOld.c_str(), 1);
        else
            unsetenv("TMPDIR");
    }

private:
    bool m_bHadOld;
    std::string m_strOld;
};

class VfsTest : public ::testing::Test {
protected:
    std::string Root() const { return m_Temp.path() + "/game"; }
    std::string Loose(const std::string& strRelative, const std::string& strBytes)
    {
        return m_Temp.write("game/" + strRelative, strBytes);
    }
    void Pack(const std::vector<std::pair<std::string, std::string>>& files)
    {
        CVFSWriter writer(Root() + ".dat");
        for (const auto& file : files)
            writer.AddFile(file.first, file.second.data(), uint32_t(file.second.size()));
        writer.Finish();
    }
    void WriteArchive(const std::string& strBytes) { m_Temp.write("game.dat", strBytes); }
    std::string Read(const std::string& strName)
    {
        CVFSFile file;
        EXPECT_GT(m_Vfs.GetFile(0, strName, file), 0) << strName;
        return Bytes(file);
    }

    CTempFolder m_Temp;
    CVFS m_Vfs;
};

TEST_F(VfsTest, ServesEveryKindOfArchivedEntryAsWritten)
{
    const std::vector<std::pair<std::string, std::string>> files = {
        {"level01.xml", "<level>" + std::string(500, 'x') + "</level>"},
        {"splash.png", std::string("\x89PNG\r\n\x1a\n raw", 13)},
        {"empty.txt", ""},
        {"empty.png", ""},
        {"big.bin", LargeContent()},
    };
    Pack(files);
    ASSERT_EQ(m_Vfs.Open(Root(), true, true), 5);
    for (size_t i = 0; i < files.size(); ++i) {
        CVFSFile file;
        EXPECT_EQ(m_Vfs.GetFile(0, files[i].first, file), int(i) + 1);
        ASSERT_NE(file.GetData(), nullptr) << files[i].first;
        EXPECT_EQ(Bytes(file), files[i].second) << files[i].first;
        EXPECT_EQ(file.IsOwned(), m_Vfs.GetFat()[i].dwFilter == VFS_FILTER_ZLIB) << files[i].first;
    }
}

TEST_F(VfsTest, LooseFileInSubfolderHidesArchiveEntryOfOtherCase)
{
    Pack({{"a.png", "from the archive"}, {"b.dds", "archived b"}});
    Loose("deep/er/A.png", "loose");
    ASSERT_EQ(m_Vfs.Open(Root(), true, true), 3);
    EXPECT_EQ(Read("a.png"), "loose");
    EXPECT_EQ(Read("B.DDS"), "archived b");

    const std::vector<CVFS::EntryInfo> list = m_Vfs.List();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].strName, "A.png");
    EXPECT_FALSE(list[0].bArchive);
    EXPECT_EQ(list[0].nSize, 5u);
    EXPECT_EQ(list[1].strName, "b.dds");
    EXPECT_TRUE(list[1].bArchive);
    EXPECT_EQ(list[1].nSize, 10u);
}

TEST_F(VfsTest, SubfoldersAreReadOnlyWhenRecursive)
{
    Loose("top.lua", "top");
    Loose("gui/fonts/Main.font", "font");
    m_Vfs.Open(Root(), true, false);
    CVFSFile file;
    EXPECT_EQ(m_Vfs.GetFile(0, "main.font", file), -1);
    EXPECT_EQ(m_Vfs.Open(Root(), true, true), 2);
    EXPECT_EQ(Read("MAIN.FONT"), "font");
}

TEST_F(VfsTest, DuplicateLooseNamesStopOpenNamingBothPaths)
{
    const std::string strFirst = Loose("a/x.dds", "1");
    const std::string strSecond = Loose("b/x.dds", "2");
    try {
        m_Vfs.Open(Root(), true, true);
        FAIL() << "duplicates were accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.getCode(), 0);
        EXPECT_EQ(e.getFunc(), "CVFS::ReadFSFAT()");
        EXPECT_EQ(e.getDetails(), "Duplicates [" + strFirst + "], [" + strSecond + "]");
    }
}

TEST_F(VfsTest, NamesDifferingInCaseAreServedInScanOrder)
{
    Loose("a/X.dds", "first");
    Loose("b/x.dds", "second");
    ASSERT_EQ(m_Vfs.Open(Root(), true, true), 2);
    EXPECT_EQ(Read("x.dds"), "first");
}

TEST_F(VfsTest, HiddenAndUnknownNamesAreNotFound)
{
    Loose(".secret.lua", "hidden");
    Loose(".hidden/inside.lua", "hidden folder");
    Loose("seen.lua", "seen");
    ASSERT_EQ(m_Vfs.Open(Root(), true, true), 1);
    CVFSFile file;
    file.MapFile(-1, 0, 0);  // an empty view that is "loaded"
    EXPECT_EQ(m_Vfs.GetFile(0, ".secret.lua", file), -1);
    EXPECT_EQ(file.GetData(), nullptr);
    EXPECT_EQ(m_Vfs.GetFile(0, "inside.lua", file), -1);
    EXPECT_EQ(m_Vfs.GetFile(0, "nowhere.lua", file), -1);
}

TEST_F(VfsTest, OverlongLooseNamesAreSkipped)
{
    Loose(std::string(50, 'n'), "too long");
    Loose(std::string(49, 'n'), "fits");
    ASSERT_EQ(m_Vfs.Open(Root(), true, true), 1);
    EXPECT_EQ(Read(std::string(49, 'N')), "fits");
}

TEST_F(VfsTest, CursorContinuesAfterTheMatch)
{
    Loose("other.txt", "loose");
    const std::string strData = "onetwo";
    WriteArchive(BuildArchive(strData, PackTable(EncodeFat({{"dup.txt", 3, 12, 0}, {"DUP.txt", 3, 15, 0}}),
                                                 4 + 2 * 64)));
    ASSERT_EQ(m_Vfs.Open(Root(), true, true), 3);
    CVFSFile file;
    EXPECT_EQ(m_Vfs.GetFile(0, "dup.txt", file), 2);
    EXPECT_EQ(Bytes(file), "one");
    EXPECT_EQ(m_Vfs.GetFile(2, "dup.txt", file), 3);
    EXPECT_EQ(Bytes(file), "two");
    EXPECT_EQ(m_Vfs.GetFile(3, "dup.txt", file), -1);
}

// Inflated entries live in memory: nothing is written to the temporary
// folder, and each view keeps its own bytes until it lets go.
TEST_F(VfsTest, DeflatedEntriesAreInflatedIntoMemoryOnly)
{
    std::string strLarge;
    for (int i = 0; strLarge.size() < 5 * 4096; ++i)
        strLarge += "<cell x=\"" + std::to_string(i % 8) + "\"/>\n";
    Pack({{"script.lua", "print('x') print('x') print('x') print('x')"}, {"big.xml", strLarge}});
    m_Vfs.Open(Root(), true, true);
    const std::string strTempDir = m_Temp.write("tmp/keep", "").substr(0, m_Temp.path().size() + 4);
    CTempDirOverride tempDir(strTempDir);
    CVFSFile script, big;
    ASSERT_GT(m_Vfs.GetFile(0, "script.lua", script), 0);
    ASSERT_GT(m_Vfs.GetFile(0, "big.xml", big), 0);
    EXPECT_TRUE(script.IsOwned());
    EXPECT_TRUE(big.IsOwned());
    EXPECT_EQ(Bytes(script), "print('x') print('x') print('x') print('x')");
    EXPECT_EQ(Bytes(big), strLarge);
    EXPECT_EQ(FolderEntries(strTempDir), 1u) << "inflating wrote a file";
    big.Release();
    EXPECT_FALSE(big.IsOwned());
    EXPECT_EQ(big.GetData(), nullptr);
    EXPECT_EQ(Bytes(script), "print('x') print('x') print('x') print('x')");
}

// Archives that are absent or not ours: the folder alone serves, quietly.
TEST_F(VfsTest, ForeignOrMissingArchiveLeavesTheFolderServing)
{
    Loose("only.txt", "loose");
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"no archive", ""},
        {"empty file", std::string()},
        {"short header", std::string("KovaVFS\0\x0c", 9)},
        {"wrong magic", std::string("KovaVFs\0\x0c\0\0\0", 12) + PackTable(EncodeFat({}), 4)},
        {"magic without NUL", std::string("KovaVFSX\x0c\0\0\0", 12) + PackTable(EncodeFat({}), 4)},
    };
    for (const auto& test : cases) {
        if (std::string(test.first) != "no archive")
            WriteArchive(test.second);
        EXPECT_EQ(m_Vfs.Open(Root(), true, true), 1) << test.first;
        EXPECT_EQ(Read("only.txt"), "loose") << test.first;
    }
}

// Damaged tables and entries outside the file: the archive is refused
// at open with the reason, and nothing is read outside the file.
TEST_F(VfsTest, DamagedTableIsRefusedWithTheReason)
{
    const std::string strGood = EncodeFat({{"a.txt", 1, 12, 0}});
    const std::string strPacked = PackTable(strGood, uint32_t(strGood.size()));
    const std::string strArchive = BuildArchive("A", strPacked);
    auto withTableOffset = [&](uint32_t dwOffset) { return strArchive.substr(0, 8) + LE32(dwOffset) + strArchive.substr(12); };
    std::string strNoNul = strGood;
    strNoNul.replace(4, 52, std::string(52, 'n'));
    std::string strEmptyName = strGood;
    strEmptyName[4] = '\0';
    std::string strCorrupt = strPacked;
    for (size_t i = 4; i < strCorrupt.size(); ++i)
        strCorrupt[i] = char(0xff ^ strCorrupt[i]);

    const std::vector<std::pair<const char*, std::string>> cases = {
        {"header only", strArchive.substr(0, 12)},
        {"table offset beyond the end", withTableOffset(uint32_t(strArchive.size()) + 100)},
        {"table offset past the size field", withTableOffset(uint32_t(strArchive.size()) - 3)},
        {"table offset inside the header", withTableOffset(4)},
        {"truncated table", strArchive.substr(0, strArchive.size() - 5)},
        {"declared size too large", BuildArchive("A", PackTable(strGood, uint32_t(strGood.size()) + 1))},
        {"declared size too small", BuildArchive("A", PackTable(strGood, uint32_t(strGood.size()) - 1))},
        {"absurd declared size", BuildArchive("A", PackTable(strGood, 0xfffffff0u))},
        {"count beyond the table", BuildArchive("A", PackTable(LE32(2) + strGood.substr(4), uint32_t(strGood.size())))},
        {"table shorter than its count", BuildArchive("A", PackTable(LE32(0), 0))},
        {"name without NUL", BuildArchive("A", PackTable(strNoNul, uint32_t(strNoNul.size())))},
        {"empty name", BuildArchive("A", PackTable(strEmptyName, uint32_t(strEmptyName.size())))},
        {"corrupt deflate stream", BuildArchive("A", strCorrupt)},
        {"entry past the end", BuildArchive("A", PackTable(EncodeFat({{"a.txt", 8, 0xfffffff0u, 0}}), 68))},
        {"entry larger than the file", BuildArchive("A", PackTable(EncodeFat({{"a.txt", 0xffffffffu, 12, 0}}), 68))},
        {"entry inside the header", BuildArchive("A", PackTable(EncodeFat({{"a.txt", 1, 4, 0}}), 68))},
        {"unknown filter", BuildArchive("A", PackTable(EncodeFat({{"a.txt", 1, 12, 7}}), 68))},
    };
    for (const auto& test : cases) {
        WriteArchive(test.second);
        try {
            m_Vfs.Open(Root(), true, true);
            ADD_FAILURE() << test.first << ": opened";
        } catch (const Exception& e) {
            EXPECT_EQ(0u, e.getDetails().find("Archive [" + Root() + ".dat] is damaged: ")) << e.getDetails();
        }
        EXPECT_TRUE(m_Vfs.GetFat().empty()) << test.first;
    }
    // The same bytes undamaged are read, so the cases above fail for their
    // own fault.
    WriteArchive(strArchive);
    EXPECT_EQ(m_Vfs.Open(Root(), true, true), 1);
    EXPECT_EQ(Read("a.txt"), "A");
}

// Damaged entries in a sound table: that lookup fails, the others work, and
// nothing is left behind in the temporary folder.
TEST_F(VfsTest, DamagedEntryFailsOnlyItsOwnLookup)
{
    const std::string strText = "hello, archive";
    const std::string strDeflated = DeflatedEntry(strText, uint32_t(strText.size()));
    const std::string strData = "good" + strDeflated + DeflatedEntry(strText, 1000) + DeflatedEntry(strText, 3) +
                                std::string(2, 'x') + std::string(9, '\xee');
    const uint32_t dwDeflated = 16;
    const uint32_t dwTooLarge = dwDeflated + uint32_t(strDeflated.size());
    const uint32_t dwTooSmall = dwTooLarge + uint32_t(strDeflated.size());
    const uint32_t dwShort = dwTooSmall + uint32_t(strDeflated.size());
    const uint32_t dwGarbage = dwShort + 2;
    const std::vector<RawFatEntry> entries = {
        {"good.png", 4, 12, 0},
        {"good.lua", uint32_t(strDeflated.size()), dwDeflated, 1},
        {"size_too_large.lua", uint32_t(strDeflated.size()), dwTooLarge, 1},
        {"size_too_small.lua", uint32_t(strDeflated.size()), dwTooSmall, 1},
        {"shorter_than_size.lua", 2, dwShort, 1},
        {"garbage_stream.lua", 9, dwGarbage, 1},
    };
    WriteArchive(BuildArchive(strData, PackTable(EncodeFat(entries), 4 + 64 * uint32_t(entries.size()))));
    ASSERT_EQ(m_Vfs.Open(Root(), true, true), int(entries.size()));
    const std::string strTempDir = m_Temp.write("tmp/keep", "").substr(0, m_Temp.path().size() + 4);
    CTempDirOverride tempDir(strTempDir);
    EXPECT_EQ(Read("good.png"), "good");
    EXPECT_EQ(Read("good.lua"), strText);
    for (size_t i = 2; i < entries.size(); ++i) {
        CVFSFile file;
        EXPECT_EQ(m_Vfs.GetFile(0, entries[i].strName, file), -1) << entries[i].strName;
        EXPECT_EQ(file.GetData(), nullptr) << entries[i].strName;
    }
    EXPECT_EQ(FolderEntries(strTempDir), 1u) << "a failed decode left a file";
}

// Archived views share one mapping of the archive: each keeps it alive past
// the file system that made it, and an archive cut short after it was
// opened fails the lookups of what it lost instead of faulting on them.
TEST_F(VfsTest, ArchivedViewsOutliveTheirFileSystemAndACutArchiveFailsCleanly)
{
    const std::string strImage(5000, '\x7f');
    Pack({{"a.png", strImage}, {"b.xml", "<b>" + std::string(300, 'b') + "</b>"}, {"c.png", "last"}});
    CVFSFile image, text;
    {
        CVFS vfs;
        ASSERT_EQ(vfs.Open(Root(), true, true), 3);
        ASSERT_GT(vfs.GetFile(0, "a.png", image), 0);
        ASSERT_GT(vfs.GetFile(0, "b.xml", text), 0);
        ASSERT_FALSE(image.IsOwned());
    }
    EXPECT_EQ(Bytes(image), strImage);
    EXPECT_EQ(Bytes(text), "<b>" + std::string(300, 'b') + "</b>");

    ASSERT_EQ(m_Vfs.Open(Root(), true, true), 3);
    const FatEntry& last = m_Vfs.GetFat()[2];
    ASSERT_EQ(0, truncate((Root() + ".dat").c_str(), off_t(last.dwOffset)));
    CVFSFile file;
    EXPECT_EQ(m_Vfs.GetFile(0, "c.png", file), -1);
    EXPECT_EQ(file.GetData(), nullptr);
    EXPECT_EQ(Read("a.png"), strImage);
}

// Neither a FIFO under the archive's name nor links that loop back into
// the data folder may hang the open.
TEST_F(VfsTest, FifosAndLinkLoopsNeitherBlockNorRepeat)
{
    Loose("sub/only.txt", "loose");
    ASSERT_EQ(0, mkfifo((Root() + ".dat").c_str(), 0644));
    ASSERT_EQ(0, symlink(".", (Root() + "/here").c_str()));
    ASSERT_EQ(0, symlink("..", (Root() + "/sub/up").c_str()));
    ASSERT_EQ(0, mkfifo((Root() + "/pipe.txt").c_str(), 0644));
    EXPECT_EQ(m_Vfs.Open(Root(), true, true), 1);
    EXPECT_EQ(Read("only.txt"), "loose");
}

TEST_F(VfsTest, ArchiveWithoutFolderServesAlone)
{
    Pack({{"init.lua", "x = 1"}});
    EXPECT_EQ(m_Vfs.Open(Root() + "/", true, true), 1);
    EXPECT_EQ(m_Vfs.GetRoot(), Root());
    EXPECT_EQ(Read("INIT.LUA"), "x = 1");
}

}  // namespace

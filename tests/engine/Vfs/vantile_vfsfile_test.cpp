#include "Vfs/vantile_vfsfile.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "Core/vantile_exception.h"
#include "support/temp_folder.h"

using namespace Vantile;

namespace {

TEST(VfsFileTest, TemporaryFilesNoViewReleasedAreRemovedAtExit)
{
    CTempFolder temp;
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // A view leaked past exit and a file no view ever took: neither
        // may stay behind.
        setenv("TMPDIR", temp.path().c_str(), 1);
        std::string strPath;
        auto* pView = new CVFSFile;
        pView->AdoptTemporaryFile(strPath, CVFSFile::CreateTemporaryFile(strPath));
        CVFSFile::CreateTemporaryFile(strPath);
        const bool bCreated = std::distance(std::filesystem::directory_iterator(temp.path()),
                                            std::filesystem::directory_iterator()) == 2;
        exit(bCreated ? 0 : 3);
    }
    int nStatus = 0;
    ASSERT_EQ(waitpid(pid, &nStatus, 0), pid);
    ASSERT_TRUE(WIFEXITED(nStatus));
    ASSERT_EQ(WEXITSTATUS(nStatus), 0) << "the child made no temporary files";
    EXPECT_TRUE(std::filesystem::is_empty(temp.path()));
}

TEST(VfsFileTest, MapsAnyOffsetOfAFile)
{
    CTempFolder temp;
    std::string strBytes(3 * 4096 + 100, '\0');
    for (size_t i = 0; i < strBytes.size(); ++i)
        strBytes[i] = char(i * 7);
    const std::string strPath = temp.write("data.bin", strBytes);
    CVFSFile whole;
    whole.MapPath(strPath);
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
    EXPECT_THROW(whole.MapPath(temp.path() + "/missing.bin"), Exception);
}

}  // namespace

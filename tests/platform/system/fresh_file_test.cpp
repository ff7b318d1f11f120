#include "system/fresh_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "support/planted_file.h"
#include "support/temp_folder.h"

namespace {

// Each open below would block for ever on a FIFO if it waited for a
// reader, and no reader ever comes.
TEST(FreshFile, WhatANameHeldIsReplacedOrRefusedNeverWrittenThrough)
{
    for (const SPlanted& planted : PlantedKinds()) {
        SCOPED_TRACE(planted.pszName);
        CTempFolder folder;
        const std::string strPath = folder.path() + "/kovalog.txt";
        CPlantedFile file(planted.kind, strPath);
        const int fd = PlatformCreateFresh(strPath.c_str());
        if (planted.kind == EPlanted::Folder) {
            EXPECT_EQ(-1, fd);
            EXPECT_EQ(EISDIR, errno);
        } else {
            ASSERT_GE(fd, 0) << strerror(errno);
            EXPECT_EQ(5, write(fd, "fresh", 5));
            close(fd);
            EXPECT_TRUE(file.replacedByPlainFile());
            EXPECT_EQ("fresh", ReadFileText(strPath));
        }
        EXPECT_TRUE(file.victimUntouched());
    }
}

TEST(FreshFile, AStaleFileIsEmptiedAndTheDescriptorBlocksAndClosesOnExec)
{
    CTempFolder folder;
    const std::string strPath = folder.write("CEGUI.log", "the last run's lines");
    FILE* pFile = PlatformCreateFreshStream(strPath.c_str());
    ASSERT_NE(nullptr, pFile);
    const int nFlags = fcntl(fileno(pFile), F_GETFL);
    EXPECT_EQ(0, nFlags & O_NONBLOCK);
    EXPECT_NE(0, fcntl(fileno(pFile), F_GETFD) & FD_CLOEXEC);
    fclose(pFile);
    EXPECT_EQ("", ReadFileText(strPath));

    errno = 0;
    EXPECT_EQ(nullptr, PlatformCreateFreshStream((folder.path() + "/no-folder/CEGUI.log").c_str()));
    EXPECT_EQ(ENOENT, errno);
}

}  // namespace

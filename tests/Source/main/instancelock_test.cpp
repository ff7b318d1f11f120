#include "main/instancelock.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "support/temp_folder.h"

namespace {

std::string readText(const std::string& strPath)
{
    std::ifstream file(strPath);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

TEST(InstanceLockTest, ASecondHolderIsRefusedUntilTheFirstGoes)
{
    CTempFolder folder;
    std::string strError;
    {
        CInstanceLock first;
        ASSERT_EQ(first.take(folder.path(), strError), CInstanceLock::Result::Taken) << strError;
        CInstanceLock second;
        EXPECT_EQ(second.take(folder.path(), strError), CInstanceLock::Result::Held);
    }
    CInstanceLock next;
    EXPECT_EQ(next.take(folder.path(), strError), CInstanceLock::Result::Taken) << "the lock went with its holder";
}

// Whatever a hostile machine planted under the lock's name is neither
// written through nor waited on; the game goes on unguarded.
TEST(InstanceLockTest, ALinkAFolderOrAFifoUnderItsNameIsRefusedUntouched)
{
    enum Planted { LINK, FOLDER, FIFO };
    for (Planted planted : {LINK, FOLDER, FIFO}) {
        CTempFolder folder;
        const std::string strLock = folder.path() + "/quellon.lock";
        const std::string strTarget = folder.write("elsewhere.txt", "keep");
        if (planted == LINK)
            ASSERT_EQ(symlink(strTarget.c_str(), strLock.c_str()), 0);
        if (planted == FOLDER)
            ASSERT_EQ(mkdir(strLock.c_str(), 0755), 0);
        if (planted == FIFO)
            ASSERT_EQ(mkfifo(strLock.c_str(), 0644), 0);
        CInstanceLock lock;
        std::string strError;
        EXPECT_EQ(lock.take(folder.path(), strError), CInstanceLock::Result::Unavailable) << planted;
        EXPECT_NE(strError.find("quellon.lock"), std::string::npos) << strError;
        EXPECT_EQ(readText(strTarget), "keep");
    }
}

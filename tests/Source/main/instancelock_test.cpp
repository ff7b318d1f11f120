#include "main/instancelock.h"

#include <gtest/gtest.h>

#include <string>

#include "support/planted_file.h"
#include "support/temp_folder.h"

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
// written through nor waited on. A link, a FIFO or a folder is refused and
// the game goes on unguarded; a second name of a plain file is a plain
// file, locked and never written.
TEST(InstanceLockTest, APlantedNameIsNeverWrittenThroughNorWaitedOn)
{
    for (const SPlanted& planted : PlantedKinds()) {
        SCOPED_TRACE(planted.pszName);
        CTempFolder folder;
        CPlantedFile file(planted.kind, folder.path() + "/quellon.lock");
        CInstanceLock lock;
        std::string strError;
        const CInstanceLock::Result result = lock.take(folder.path(), strError);
        if (planted.kind == EPlanted::HardLink) {
            EXPECT_EQ(result, CInstanceLock::Result::Taken) << strError;
        } else {
            EXPECT_EQ(result, CInstanceLock::Result::Unavailable);
            EXPECT_NE(strError.find("quellon.lock"), std::string::npos) << strError;
        }
        EXPECT_TRUE(file.victimUntouched());
    }
}

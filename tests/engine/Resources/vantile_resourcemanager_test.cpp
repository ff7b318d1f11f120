#include "Resources/vantile_resourcemanager.h"

#include <gtest/gtest.h>

#include "Core/vantile_exception.h"
#include "Resources/vantile_resource.h"
#include "Vfs/vantile_vfswriter.h"
#include "support/temp_folder.h"

using namespace Vantile;

namespace {

class ResourceManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Temp.write("game/scripts/init.lua", "print('loose')");
        CVFSWriter writer(m_Temp.path() + "/game.dat");
        const std::string strLevel = "<level/>";
        writer.AddFile("level01.xml", strLevel.data(), uint32_t(strLevel.size()));
        writer.Finish();
        CResourceManager::Instance().Init(m_Temp.path() + "/game", true);
    }

    CTempFolder m_Temp;
};

TEST_F(ResourceManagerTest, ResourceHoldsItsBytesWhileLoaded)
{
    CResource resource("LEVEL01.XML");
    EXPECT_EQ(resource.GetData(), nullptr);
    EXPECT_GT(resource.Load(), 0);
    ASSERT_NE(resource.GetData(), nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(resource.GetData()), resource.GetSize()), "<level/>");
    resource.Unload();
    EXPECT_EQ(resource.GetData(), nullptr);

    CResource loose("init.lua");
    EXPECT_EQ(loose.Load(), 1);
    EXPECT_EQ(loose.GetSize(), 14u);
}

TEST_F(ResourceManagerTest, MissingFileThrowsOnlyForASearchFromTheStart)
{
    for (int nPosition : {0, -1}) {
        CResource resource("missing.dds");
        try {
            CResourceManager::Instance().GetFile(resource, nPosition);
            FAIL() << "no exception from position " << nPosition;
        } catch (const Exception& e) {
            EXPECT_EQ(e.getCode(), 4);
            EXPECT_EQ(e.getDetails(), "Failed to get file [missing.dds] from VFS");
            EXPECT_EQ(e.getFunc(), "CResourceManager::Init");
        }
    }
    CResource resource("init.lua");
    EXPECT_EQ(CResourceManager::Instance().GetFile(resource, 1), -1);
    EXPECT_EQ(resource.GetData(), nullptr);
}

}  // namespace

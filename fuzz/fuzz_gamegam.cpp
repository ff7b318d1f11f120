// "game.gam" on arbitrary bytes, through both of its readers: the field
// picture look-up of the board and the data checker of the tools. Either
// refuses or reads it; neither crashes nor hangs.
#include <cstdint>
#include <string>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Game/Rules/boardscreen.h"
#include "Resources/vantile_resourcemanager.h"
#include "levelcheck/datachecker.h"
#include "support/temp_folder.h"

namespace {

const bool g_bLogOpened = Vantile::CLog::Instance().Open("/dev/null");

// The smallest data set the checker reads past its script: one level file
// and an empty start-up script, beside the game file under test.
const CTempFolder& Folder()
{
    static CTempFolder folder;
    static const bool bWritten = [] {
        folder.write("init.lua", "");
        folder.write("level01.xml", "<root><game types=\"010203\" period=\"60\"/></root>");
        return true;
    }();
    (void)bWritten;
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)g_bLogOpened;
    Folder().write("game.gam", std::string(reinterpret_cast<const char*>(data), size));
    try {
        Vantile::CResourceManager::Instance().Init(Folder().path(), false);
        FieldPictureOf("level01.xml");
    } catch (const Vantile::Exception&) {
    }
    CDataSetChecker().check(Folder().path());
    return 0;
}

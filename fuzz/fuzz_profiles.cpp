// "profiles.xml" on arbitrary bytes: loading never crashes, and a save
// followed by a second load gives back every player the first load read.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Business/profilesstore.h"
#include "Core/vantile_log.h"
#include "support/temp_folder.h"

namespace {

const bool g_bLogOpened = Vantile::CLog::Instance().Open("/dev/null");

const CTempFolder& Folder()
{
    static CTempFolder folder;
    return folder;
}

struct Player {
    std::string strName;
    int nScore, nLevel, nLives;
    bool operator==(const Player& other) const
    {
        return strName == other.strName && nScore == other.nScore && nLevel == other.nLevel && nLives == other.nLives;
    }
};

std::vector<Player> Players(const CProfilesStore& store)
{
    std::vector<Player> players;
    for (size_t i = 0; i < store.profiles()->size(); ++i) {
        const CProfile* pProfile = store.profiles()->at(i);
        players.push_back({pProfile->getName(), pProfile->m_nScore, pProfile->m_nLevel, pProfile->m_nLives});
    }
    return players;
}

void EmptyFolder()
{
    for (const auto& entry : std::filesystem::directory_iterator(Folder().path()))
        std::filesystem::remove_all(entry.path());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)g_bLogOpened;
    EmptyFolder();
    Folder().write("profiles.xml", std::string(reinterpret_cast<const char*>(data), size));
    CProfilesStore first(Folder().path(), Folder().path() + "/Profiles");
    first.load();
    const std::vector<Player> players = Players(first);
    if (!first.save())
        return 0;
    CProfilesStore second(Folder().path(), Folder().path() + "/Profiles");
    second.load();
    if (!(Players(second) == players))
        abort();
    return 0;
}

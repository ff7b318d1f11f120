// Times the board art build from scratch: every group of quellon-artgen
// drawn into an empty temporary folder, as a clean CI build does.
// usage: bench_content_build [ART_SOURCE_DIR]  (default: the source tree's
// content/art, found from the build folder beside this program)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "Game/Context/gamecontext.h"

int main(int argc, char** argv)
{
    const std::string strBin = CGameContext::programFolder();
    const std::string strSource = argc > 1 ? argv[1] : strBin + "/../../content/art";
    char szTemp[] = "/tmp/quellon-art-XXXXXX";
    if (!mkdtemp(szTemp)) {
        fprintf(stderr, "bench_content_build: cannot make a temporary folder\n");
        return 1;
    }
    double fTotal = 0;
    for (const char* pszGroup : {"items", "sprites", "fields"}) {
        const std::string strCommand =
            "'" + strBin + "/quellon-artgen' " + pszGroup + " '" + strSource + "' '" + szTemp + "' > /dev/null";
        const auto start = std::chrono::steady_clock::now();
        const int nStatus = system(strCommand.c_str());
        const double fSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (nStatus != 0) {
            fprintf(stderr, "bench_content_build: %s failed\n", strCommand.c_str());
            return 1;
        }
        printf("art %-8s %7.2f s\n", pszGroup, fSeconds);
        fTotal += fSeconds;
    }
    printf("art total    %7.2f s\n", fTotal);
    std::filesystem::remove_all(szTemp);
    return 0;
}

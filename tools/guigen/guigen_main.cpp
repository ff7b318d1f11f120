// quellon-guigen SOURCE_DIR OUT_DIR: writes the GUI's data (image sets,
// fonts, scheme, look'n'feel) from the sources in SOURCE_DIR.
// quellon-guigen sheet SOURCE_DIR FILE.png: an 800 x 600 review sheet.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "gui_generate.h"

int main(int argc, char** argv)
{
    const bool bSheet = argc == 4 && std::string(argv[1]) == "sheet";
    if (argc != 3 && !bSheet) {
        fprintf(stderr, "usage: quellon-guigen SOURCE_DIR OUT_DIR\n"
                        "       quellon-guigen sheet SOURCE_DIR FILE.png\n");
        return 1;
    }
    try {
        if (bSheet) {
            GuiArt::WriteSheet(argv[2], argv[3]);
            printf("quellon-guigen: sheet %s\n", argv[3]);
        } else {
            printf("quellon-guigen: %zu files\n", GuiArt::GenerateGui(argv[1], argv[2]).size());
        }
    } catch (const std::exception& e) {
        fprintf(stderr, "quellon-guigen: %s\n", e.what());
        return 1;
    }
    return 0;
}

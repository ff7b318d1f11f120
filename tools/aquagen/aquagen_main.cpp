// quellon-aquagen SOURCE_DIR OUT_DIR [PREVIEW_DIR]: the aquarium's models,
// pictures and scene files, from the text sources in SOURCE_DIR; every
// picture also as a PNG in PREVIEW_DIR when one is given.
#include <cstdio>
#include <stdexcept>

#include "Core/vantile_exception.h"
#include "aquagen.h"

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        fprintf(stderr, "usage: quellon-aquagen SOURCE_DIR OUT_DIR [PREVIEW_DIR]\n");
        return 1;
    }
    Aqua::SOutput out;
    out.strDir = argv[2];
    out.strPreviewDir = argc == 4 ? argv[3] : "";
    try {
        Aqua::MakeFish(argv[1], out);
        Aqua::MakeAnimals(out);
        Aqua::MakeScenes(argv[1], out);
    } catch (const std::exception& e) {
        fprintf(stderr, "quellon-aquagen: %s\n", e.what());
        return 1;
    } catch (const Vantile::Exception& e) {
        fprintf(stderr, "quellon-aquagen: %s\n", e.getDetails().c_str());
        return 1;
    }
    printf("quellon-aquagen: %zu files\n", out.written.size());
    return 0;
}

#include "art_generate.h"

#include "art_canvas.h"
#include "art_fields.h"
#include "art_hud.h"
#include "art_items.h"
#include "art_sprites.h"
#include "art_tables.h"

namespace Art {

std::vector<std::string> GenerateItems(const std::string& strSourceDir, const std::string& strOutDir)
{
    return WriteItemLayers(ReadLayers(strSourceDir + "/item_layers.txt"), ReadKinds(strSourceDir + "/kinds.txt"),
                           strOutDir);
}

namespace {

SSpriteContext ReadSpriteContext(const std::string& strSourceDir)
{
    SSpriteContext context;
    context.palette = ReadPalette(strSourceDir + "/palette.txt");
    context.kinds = ReadKinds(strSourceDir + "/kinds.txt");
    return context;
}

}  // namespace

std::vector<std::string> GenerateSprites(const std::string& strSourceDir, const std::string& strOutDir)
{
    return WriteSprites(ReadSprites(strSourceDir + "/sprites.txt"), ReadSpriteContext(strSourceDir), strOutDir);
}

std::vector<std::string> GenerateHud(const std::string& strSourceDir, const std::string& strOutDir)
{
    return WriteHud(ReadSprites(strSourceDir + "/hud.txt"), ReadSpriteContext(strSourceDir), strOutDir);
}

std::vector<std::string> GenerateFields(const std::string& strSourceDir, const std::string& strOutDir)
{
    return WriteFields(ReadFields(strSourceDir + "/fields.txt"), ReadPalette(strSourceDir + "/palette.txt"), strOutDir);
}

void WritePreview(const std::string& strSourceDir, const std::string& strPngPath)
{
    const std::map<std::string, SKind> kinds = ReadKinds(strSourceDir + "/kinds.txt");
    const char* kKinds[] = {"puffer", "clown", "angel", "tang", "needle", "boxfish", "trigger", "seahorse",
                            "angler", "manta", "crab_h", "crab_v", "seastar", "heart", "snowflake", "trunk"};
    struct SCell { const char* pszLayer; int i, n; };
    const SCell kCells[] = {{"normal", 0, 8}, {"normal", 4, 8}, {"cursor", 0, 8}, {"move", 1, 6},
                            {"delete", 3, 14}, {"delete", 9, 14}, {"delete", 11, 14}, {"delete2", 4, 10}};
    const SCell kTrunk[] = {{"normal", 0, 8}, {"normal", 4, 8}, {"trunk_fall", 3, 10}, {"trunk_open", 0, 12},
                            {"trunk_open", 4, 12}, {"trunk_open", 8, 12}, {"trunk_open", 11, 12}, {"normal", 6, 8}};
    const int nCell = 110, nColumns = 8, nRows = 16;
    CCanvas canvas(nCell * nColumns, nCell * nRows);
    cairo_t* c = canvas.Context();
    for (int row = 0; row < nRows; ++row)
        for (int col = 0; col < nColumns; ++col) {
            cairo_save(c);
            cairo_rectangle(c, col * nCell, row * nCell, nCell, nCell);
            cairo_set_source_rgb(c, ((row + col) & 1) ? 0.78 : 0.16, ((row + col) & 1) ? 0.7 : 0.36,
                                 ((row + col) & 1) ? 0.5 : 0.5);
            cairo_fill(c);
            cairo_translate(c, col * nCell + nCell / 2.0, row * nCell + nCell / 2.0);
            cairo_scale(c, nCell / 100.0, nCell / 100.0);
            const SCell& cell = std::string(kKinds[row]) == "trunk" ? kTrunk[col] : kCells[col];
            PaintItemFrame(c, kKinds[row], kinds.at(kKinds[row]), cell.pszLayer, cell.i, cell.n);
            cairo_restore(c);
        }
    canvas.WritePng(strPngPath);
}

}  // namespace Art

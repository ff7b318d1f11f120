// Writes the seed corpora of the fuzz targets into the folder given, one
// subfolder per target.
// Seeds cover the good paths and the damaged shapes the readers must
// refuse, so fuzzing starts next to both.
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Objects/vantile_objectformat.h"
#include "make_corpus.h"
#include "Vfs/vantile_vfswriter.h"
#include "support/archive_builder.h"
#include "support/image_builder.h"

namespace {

std::string g_strCorpus;

}  // namespace

void WriteSeed(const std::string& strTarget, const std::string& strName, const std::string& strBytes)
{
    const std::string strFolder = g_strCorpus + "/" + strTarget;
    mkdir(strFolder.c_str(), 0755);
    FILE* pFile = fopen((strFolder + "/" + strName).c_str(), "wb");
    if (!pFile) {
        perror(strName.c_str());
        return;
    }
    fwrite(strBytes.data(), 1, strBytes.size(), pFile);
    fclose(pFile);
}

namespace {

std::string ReadFile(const std::string& strPath)
{
    std::string strBytes;
    FILE* pFile = fopen(strPath.c_str(), "rb");
    if (!pFile)
        return strBytes;
    char acBuffer[4096];
    for (size_t n; (n = fread(acBuffer, 1, sizeof(acBuffer), pFile)) > 0;)
        strBytes.append(acBuffer, n);
    fclose(pFile);
    return strBytes;
}

std::string WrittenArchive()
{
    const std::string strPath = g_strCorpus + "/written.tmp";
    {
        Vantile::CVFSWriter writer(strPath);
        const std::string strText = "<level name=\"one\">aaaaaaaaaaaaaaaaaaaa</level>";
        writer.AddFile("level01.xml", strText.data(), uint32_t(strText.size()));
        writer.AddFile("splash.png", "PNGDATA", 7);
        writer.AddFile("empty.lua", "", 0);
        writer.Finish();
    }
    const std::string strBytes = ReadFile(strPath);
    remove(strPath.c_str());
    return strBytes;
}

void WriteArchiveSeeds()
{
    const std::string strArchive = WrittenArchive();
    WriteSeed("archive", "written.dat", strArchive);
    WriteSeed("archive", "truncated_table.dat", strArchive.substr(0, strArchive.size() - 6));
    WriteSeed("archive", "header_only.dat", strArchive.substr(0, 12));
    const std::string strText = "some text, some text, some text";
    const std::string strData = "stored" + DeflatedEntry(strText, uint32_t(strText.size()));
    const std::vector<RawFatEntry> entries = {
        {"stored.png", 6, 12, 0},
        {"deflated.lua", uint32_t(strData.size() - 6), 18, 1},
        {"beyond.png", 100, 12, 0},
        {"filter.lua", 8, 12, 9},
        {"short.lua", 2, 18, 1},
    };
    const std::string strFat = EncodeFat(entries);
    WriteSeed("archive", "entries.dat", BuildArchive(strData, PackTable(strFat, uint32_t(strFat.size()))));
    WriteSeed("archive", "count_too_large.dat",
              BuildArchive(strData, PackTable(LE32(99) + strFat.substr(4), uint32_t(strFat.size()))));
    WriteSeed("archive", "size_mismatch.dat", BuildArchive(strData, PackTable(strFat, uint32_t(strFat.size()) + 9)));
}

void WriteIflSeeds()
{
    WriteSeed("ifl", "rate.ifl", "#25\nray_0000.dds\nray_0001.dds\n");
    WriteSeed("ifl", "plain.ifl", "a.dds\tb.dds\r\nc.dds");
    WriteSeed("ifl", "blank_rate.ifl", "   #  12.5   x.dds");
    WriteSeed("ifl", "zero_rate.ifl", "#0 frame.dds");
    WriteSeed("ifl", "empty.ifl", "");
}

void WriteImageSeeds()
{
    const ArgbImage opaque = BlockPattern(8, 8, false);
    const ArgbImage alpha = BlockPattern(8, 4, true);
    const std::vector<std::pair<std::string, std::string>> images = {
        {"image.png", EncodePng(alpha)},
        {"image.jpg", EncodeJpeg(opaque)},
        {"image.bmp", EncodeBmp(opaque)},
        {"image.tga", EncodeTga(alpha)},
        {"image32.dds", EncodeDds(alpha, 32)},
        {"image24.dds", EncodeDds(opaque, 24)},
        {"dxt1.dds", EncodeDdsBlocks(opaque, "DXT1")},
        {"dxt3.dds", EncodeDdsBlocks(alpha, "DXT3")},
        {"dxt5.dds", EncodeDdsBlocks(alpha, "DXT5")},
    };
    for (const auto& image : images) {
        WriteSeed("image", image.first, image.second);
        WriteSeed("image", "cut_" + image.first, image.second.substr(0, image.second.size() / 2));
    }
    // A run-length TGA header claiming millions of pixels in 22 bytes.
    WriteSeed("image", "cut_rle.tga", std::string("\x00\x00\x0a\x00\x00\x16\x00\x80\x89\x50\x4e"
                                                  "\x47\x5d\x0a\x1a\x0a\x10\x00\x3d\x29\x30\x00", 22));
}

void WriteLevelSeeds()
{
    std::string strCells;
    for (int k = 0; k < 64; ++k)
        strCells += k % 9 == 0 ? "C5" : (k % 7 == 0 ? "00" : "81");
    const std::string strGame = "<game types=\"0102030410\" period=\"180\" powerups=\"2\" bonustime=\"1\"/>";
    WriteSeed("level", "level.xml", "<root>" + strGame + "<cells value=\"" + strCells + "\"/></root>");
    WriteSeed("level", "no_cells.xml", "<root>" + strGame + "</root>");
    WriteSeed("level", "short_cells.xml", "<root>" + strGame + "<cells value=\"8181\"/></root>");
    WriteSeed("level", "no_types.xml", "<root><game period=\"60\"/><cells value=\"" + strCells + "\"/></root>");
    WriteSeed("level", "cut.xml", "<root>" + strGame + "<cells value=\"" + strCells.substr(0, 40));
}

}  // namespace

void WriteSpriteMapSeeds()
{
    WriteSeed("spritemap", "strip.map", "c 4 t strip.png f 8 s 16 16 0 0 0.25 1 0.25 0 0.5 1 0.5 0 0.75 1 0.75 0 1 1");
    WriteSeed("spritemap", "packed.map", "c2\ntitems.dds\r\nf12.5 s64 32\t0 .1 .5 .9 .5 0 1 1");
    WriteSeed("spritemap", "short.map", "c 3 t a.png f 10 s 4 4 0 0 1 1");
    WriteSeed("spritemap", "zero_rate.map", "c 1 t a.png f 0 s 4 4 0 0 1 1");
    WriteSeed("spritemap", "zero_size.map", "c 1 t a.png f 10 s 0 4 0 0 1 1");
    WriteSeed("spritemap", "huge_count.map", "c 2147483647 t a.png f 10 s 4 4 0 0 1 1");
}

void WriteObjectSeeds()
{
    using namespace Vantile;
    SObjectFile file;
    file.strHeader = "seed";
    SMaterialDef material;
    material.nId = 1;
    material.strEffect = "mesh_rigid.fx";
    material.astrTextures[0] = "fish.png";
    file.Materials.push_back(material);
    D3DXMatrixIdentity(&file.Root.mLocal);
    file.Root.strName = "root";
    SNodeRecord mesh;
    mesh.strName = "Body";
    D3DXMatrixIdentity(&mesh.mLocal);
    mesh.nType = OBJECT_NODE_SKIN_INFLUENCES;
    mesh.dwFVF = D3DFVF_XYZ;
    mesh.Vertices.assign(36, 0);
    mesh.Indices = {0, 1, 2};
    mesh.Subsets = {{1, 0, 1}, {7, 0, 9}};
    mesh.Bones.push_back({"root", {{0, 1}}, file.Root.mLocal});
    SNodeRecord spline;
    spline.strName = "path_00";
    D3DXMatrixIdentity(&spline.mLocal);
    spline.nType = OBJECT_NODE_SPLINE;
    spline.Points = {{0, 0, 0}, {1, 2, 3}};
    file.Root.Children = {mesh, spline};
    file.AnimationSet.strName = "swim";
    file.AnimationSet.Animations.push_back({"Body", {{0, {0, 0, 0}}, {1, {1, 0, 0}}}, {{0, {0, 0, 0, 1}}}, {}});
    const std::string strBytes = WriteObjectFile(file);
    WriteSeed("object", "fish.object", strBytes);
    WriteSeed("object", "cut.object", strBytes.substr(0, strBytes.size() / 2));
    file.Root.Children[0].bWideIndices = true;
    WriteSeed("object", "wide.object", WriteObjectFile(file));
    file.Root.Children[0].dwFVF = 0x3;
    WriteSeed("object", "bad_format.object", WriteObjectFile(file));
}

void WriteEffectSeeds()
{
    const std::string strPass =
        "ZEnable = false; SrcBlend = SrcAlpha; sampler 0 MinFilter = Linear; texture 0 = vantile_texchannel0;\n"
        "vertex { void main() { gl_Position = d3d_TransformPosition(a_Position); } }\n"
        "fragment { void main() { /* } */ o_Color = u_TextureFactor; } }\n";
    WriteSeed("effect", "full.fx", "// seed\nstring ContainerName = \"descsort\";\nint ContainerPriority = 2;\nmatrix world;\n"
                                   "texture vantile_texchannel0;\ntechnique T { pass P {\n" + strPass + "} }\n");
    WriteSeed("effect", "fixed.fx", "technique Fixed { pass P { Lighting = false; } pass Q { CullMode = None; } }");
    WriteSeed("effect", "open.fx", "technique T { pass P { vertex { void main() {");
    WriteSeed("effect", "bad_value.fx", "float f = 1.5x; technique T { pass P { ZEnable = 0x100000000; } }");
}

void WriteSceneSeeds()
{
    const std::string strMatrix = "_11=\"1\" _22=\"1\" _33=\"1\" _44=\"1\" _41=\"-2.5\"";
    WriteSeed("scene", "scene.xml",
              "<scene><node name=\"top\" " + strMatrix + " cameras=\"Camera01,,b\">"
              "<node name=\"Camera01\" _43=\"-10\"><light color_r=\"1\"/><camera/></node>"
              "<node name=\"Bubbles\"><emitter TTL=\"4\" GenSpeed=\"2\" Phase=\"0.5\" Objects=\"a.object,b.object\"/></node>"
              "<node name=\"Lamp\"><light type=\"2\" tdist=\"x\"/></node></node></scene>");
    WriteSeed("scene", "mesh.xml", "<scene><node name=\"top\"><mesh name=\"missing.object\"/></node></scene>");
    WriteSeed("scene", "text_first.xml", "<scene>text<node/></scene>");
    WriteSeed("scene", "cut.xml", "<scene><node name=\"top\" _11=\"1");
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: fuzz_make_corpus FOLDER\n");
        return 1;
    }
    g_strCorpus = argv[1];
    mkdir(g_strCorpus.c_str(), 0755);
    WriteArchiveSeeds();
    WriteIflSeeds();
    WriteImageSeeds();
    WriteLevelSeeds();
    WriteSpriteMapSeeds();
    WriteObjectSeeds();
    WriteEffectSeeds();
    WriteSceneSeeds();
    WriteHostileXmlSeeds("level");
    WriteHostileXmlSeeds("scene");
    WriteProfilesSeeds();
    WriteLocaleSeeds();
    WriteGameFileSeeds();
    WriteAniPackSeeds();
    WriteLuaSeeds();
    WriteDataFolderSeeds();
    WriteOggSeeds();
    return 0;
}

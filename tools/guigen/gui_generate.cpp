#include "gui_generate.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "gui_fonts.h"
#include "gui_paint.h"

namespace GuiArt {

namespace {

std::vector<SPicture> CaptionPictures(const std::vector<SCaption>& captions, const CFace& display)
{
    std::vector<SPicture> pictures;
    for (const SCaption& caption : captions) {
        const std::vector<std::string> names = CaptionImageNames(caption);
        for (size_t i = 0; i < names.size(); ++i) {
            const bool bHover = i == 1;
            cairo_font_face_t* pFace = display.CairoFace();
            pictures.push_back({caption.nWidth, caption.nHeight,
                                [caption, bHover, pFace](cairo_t* c) { PaintCaption(c, caption, bHover, pFace); },
                                {{names[i], 0, 0, caption.nWidth, caption.nHeight}}});
        }
    }
    return pictures;
}

std::vector<SPicture> PiecePictures(const std::vector<SPiece>& pieces)
{
    std::vector<SPicture> pictures;
    for (const SPiece& piece : pieces)
        pictures.push_back({piece.nWidth, piece.nHeight, [piece](cairo_t* c) { PaintPiece(c, piece); },
                            SliceImages(piece)});
    return pictures;
}

void CopyFile(const std::string& strFrom, const std::string& strTo)
{
    std::ifstream file(strFrom, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (!file)
        throw std::runtime_error("cannot read " + strFrom);
    const std::string strBytes = bytes.str();
    Art::WriteFileBytes(strTo, strBytes.data(), strBytes.size());
}

}  // namespace

SGuiAtlases BuildAtlases(const std::string& strSourceDir)
{
    const SFontSources fonts = ReadFonts(strSourceDir + "/fonts.txt");
    const CFace display(fonts.strDisplayFace, fonts.strDisplayPackage);
    SGuiAtlases atlases;
    atlases.menuTexts = PackAtlas(CaptionPictures(ReadCaptions(strSourceDir + "/menu_texts.txt"), display), 512);
    atlases.velmora = PackAtlas(PiecePictures(ReadPieces(strSourceDir + "/velmora.txt")), 512);
    return atlases;
}

std::vector<std::string> GenerateGui(const std::string& strSourceDir, const std::string& strOutDir)
{
    // Fonts first: a missing face stops the build before any drawing.
    std::vector<std::string> written = WriteFonts(ReadFonts(strSourceDir + "/fonts.txt"), strOutDir);
    const SGuiAtlases atlases = BuildAtlases(strSourceDir);
    for (const std::string& strName : WriteImageset(atlases.menuTexts, "MenuTexts", strOutDir))
        written.push_back(strName);
    for (const std::string& strName : WriteImageset(atlases.velmora, "Velmora", strOutDir))
        written.push_back(strName);
    for (const char* pszFile : kCopiedFiles) {
        CopyFile(strSourceDir + "/" + pszFile, strOutDir + "/" + pszFile);
        written.push_back(pszFile);
    }
    return written;
}

}  // namespace GuiArt

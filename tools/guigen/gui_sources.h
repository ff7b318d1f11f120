// The text sources of the GUI data in content/gui: the menu captions, the
// pieces of the Velmora looks and the fonts.
#pragma once

#include <string>
#include <vector>

namespace GuiArt {

// One line of menu_texts.txt.
struct SCaption {
    std::string strName;
    std::string strStyle;
    int nWidth = 0;
    int nHeight = 0;
    std::string strText;
};

// One line of velmora.txt.
struct SPiece {
    std::string strName;
    std::string strPainter;
    std::string strVariant;
    int nWidth = 0;
    int nHeight = 0;
    std::string strSlice;    // "whole", "nine", "h3" or "v3"
    std::vector<int> cuts;   // border widths of the slice
};

// A named rectangle of a picture.
struct SImage {
    std::string strName;
    int x = 0, y = 0, nWidth = 0, nHeight = 0;
};

struct SFont {
    std::string strFile;
    std::string strName;
    int nPoints = 0;
    std::string strFace;     // absolute path of the TrueType face
    std::string strPackage;  // the Debian package that installs it
};

struct SFontSources {
    std::vector<SFont> fonts;
    std::string strDisplayFace;
    std::string strDisplayPackage;
};

// Each throws std::runtime_error naming the file and line of a bad entry.
std::vector<SCaption> ReadCaptions(const std::string& strPath);
std::vector<SPiece> ReadPieces(const std::string& strPath);
SFontSources ReadFonts(const std::string& strPath);

// The images a piece is cut into, in the piece's own pixels.
std::vector<SImage> SliceImages(const SPiece& piece);
// The images of a caption: NAME_normal and NAME_hover, or NAME when empty.
std::vector<std::string> CaptionImageNames(const SCaption& caption);

}  // namespace GuiArt

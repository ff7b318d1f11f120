#include "gui_sources.h"

#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>

namespace GuiArt {

namespace {

// Calls fnLine with each line that is neither blank nor a comment; its
// exceptions come back naming the file and line.
void ForEachLine(const std::string& strPath, const std::function<void(std::istringstream&)>& fnLine)
{
    std::ifstream file(strPath);
    if (!file)
        throw std::runtime_error("cannot read " + strPath);
    std::string strLine;
    for (int nLine = 1; std::getline(file, strLine); ++nLine) {
        const size_t nStart = strLine.find_first_not_of(" \t\r");
        if (nStart == std::string::npos || strLine[nStart] == '#')
            continue;
        std::istringstream fields(strLine);
        try {
            fnLine(fields);
        } catch (const std::exception& e) {
            throw std::runtime_error(strPath + ":" + std::to_string(nLine) + ": " + e.what());
        }
    }
}

std::string Rest(std::istringstream& fields)
{
    std::string strRest;
    std::getline(fields >> std::ws, strRest);
    while (!strRest.empty() && (strRest.back() == '\r' || strRest.back() == ' '))
        strRest.pop_back();
    return strRest;
}

void CheckSize(int nWidth, int nHeight)
{
    if (nWidth <= 0 || nHeight <= 0 || nWidth > 512 || nHeight > 512)
        throw std::runtime_error("size must be 1 to 512 pixels each way");
}

void ParseSlice(const std::string& strSlice, SPiece& piece)
{
    const size_t nColon = strSlice.find(':');
    piece.strSlice = strSlice.substr(0, nColon);
    std::istringstream numbers(nColon == std::string::npos ? "" : strSlice.substr(nColon + 1));
    for (std::string strNumber; std::getline(numbers, strNumber, ',');)
        piece.cuts.push_back(std::stoi(strNumber));
    const size_t nWanted = piece.strSlice == "whole" ? 0 : piece.strSlice == "nine" ? 4 : 2;
    if ((piece.strSlice != "whole" && piece.strSlice != "nine" && piece.strSlice != "h3" && piece.strSlice != "v3") ||
        piece.cuts.size() != nWanted)
        throw std::runtime_error("bad slice \"" + strSlice + "\"");
    for (const SImage& image : SliceImages(piece))
        if (image.nWidth <= 0 || image.nHeight <= 0)
            throw std::runtime_error("slice \"" + strSlice + "\" leaves an empty image");
}

}  // namespace

std::vector<SCaption> ReadCaptions(const std::string& strPath)
{
    std::vector<SCaption> captions;
    ForEachLine(strPath, [&](std::istringstream& fields) {
        SCaption caption;
        if (!(fields >> caption.strName >> caption.strStyle >> caption.nWidth >> caption.nHeight))
            throw std::runtime_error("expected NAME STYLE WIDTH HEIGHT CAPTION");
        CheckSize(caption.nWidth, caption.nHeight);
        caption.strText = Rest(fields);
        if (caption.strText.empty() != (caption.strStyle == "empty"))
            throw std::runtime_error("every style but \"empty\" needs a caption");
        captions.push_back(caption);
    });
    return captions;
}

std::vector<SPiece> ReadPieces(const std::string& strPath)
{
    std::vector<SPiece> pieces;
    ForEachLine(strPath, [&](std::istringstream& fields) {
        SPiece piece;
        std::string strPainter, strSlice;
        if (!(fields >> piece.strName >> strPainter >> piece.nWidth >> piece.nHeight >> strSlice))
            throw std::runtime_error("expected NAME PAINTER WIDTH HEIGHT SLICE");
        CheckSize(piece.nWidth, piece.nHeight);
        const size_t nColon = strPainter.find(':');
        piece.strPainter = strPainter.substr(0, nColon);
        piece.strVariant = nColon == std::string::npos ? "" : strPainter.substr(nColon + 1);
        ParseSlice(strSlice, piece);
        pieces.push_back(piece);
    });
    return pieces;
}

SFontSources ReadFonts(const std::string& strPath)
{
    SFontSources sources;
    ForEachLine(strPath, [&](std::istringstream& fields) {
        std::string strKind;
        fields >> strKind;
        if (strKind == "font") {
            SFont font;
            if (!(fields >> font.strFile >> font.strName >> font.nPoints >> font.strFace >> font.strPackage) ||
                font.nPoints <= 0)
                throw std::runtime_error("expected font FILE NAME POINTS FACE PACKAGE");
            sources.fonts.push_back(font);
        } else if (strKind == "display") {
            if (!(fields >> sources.strDisplayFace >> sources.strDisplayPackage))
                throw std::runtime_error("expected display FACE PACKAGE");
        } else {
            throw std::runtime_error("unknown entry \"" + strKind + "\"");
        }
    });
    if (sources.fonts.empty() || sources.strDisplayFace.empty())
        throw std::runtime_error(strPath + ": needs fonts and a display face");
    return sources;
}

std::vector<SImage> SliceImages(const SPiece& piece)
{
    const int w = piece.nWidth, h = piece.nHeight;
    if (piece.strSlice == "whole")
        return {{piece.strName, 0, 0, w, h}};
    if (piece.strSlice == "h3") {
        const int l = piece.cuts[0], r = piece.cuts[1];
        return {{piece.strName + "Left", 0, 0, l, h},
                {piece.strName + "Middle", l, 0, w - l - r, h},
                {piece.strName + "Right", w - r, 0, r, h}};
    }
    if (piece.strSlice == "v3") {
        const int t = piece.cuts[0], b = piece.cuts[1];
        return {{piece.strName + "Top", 0, 0, w, t},
                {piece.strName + "Middle", 0, t, w, h - t - b},
                {piece.strName + "Bottom", 0, h - b, w, b}};
    }
    const int l = piece.cuts[0], t = piece.cuts[1], r = piece.cuts[2], b = piece.cuts[3];
    const int xs[] = {0, l, w - r}, ws[] = {l, w - l - r, r};
    const int ys[] = {0, t, h - b}, hs[] = {t, h - t - b, b};
    const char* kNames[3][3] = {{"TopLeft", "Top", "TopRight"}, {"Left", "Fill", "Right"},
                                {"BottomLeft", "Bottom", "BottomRight"}};
    std::vector<SImage> images;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            images.push_back({piece.strName + kNames[row][col], xs[col], ys[row], ws[col], hs[row]});
    return images;
}

std::vector<std::string> CaptionImageNames(const SCaption& caption)
{
    if (caption.strStyle == "empty")
        return {caption.strName};
    return {caption.strName + "_normal", caption.strName + "_hover"};
}

}  // namespace GuiArt

#include "gui_atlas.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <sstream>
#include <stdexcept>

namespace GuiArt {

namespace {

const int kGap = 2;

struct SPlace {
    int x = 0, y = 0;
};

std::vector<SPlace> Shelve(const std::vector<SPicture>& pictures, int nWidth, int& nUsedHeight)
{
    std::vector<size_t> order(pictures.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return pictures[a].nHeight > pictures[b].nHeight; });
    std::vector<SPlace> places(pictures.size());
    int x = 0, y = 0, nShelf = 0;
    for (size_t i : order) {
        const SPicture& picture = pictures[i];
        if (picture.nWidth > nWidth)
            throw std::runtime_error("a picture is wider than the texture");
        if (x + picture.nWidth > nWidth) {
            x = 0;
            y += nShelf + kGap;
            nShelf = 0;
        }
        places[i] = {x, y};
        x += picture.nWidth + kGap;
        nShelf = std::max(nShelf, picture.nHeight);
    }
    nUsedHeight = y + nShelf;
    return places;
}

}  // namespace

SAtlas PackAtlas(const std::vector<SPicture>& pictures, int nWidth)
{
    int nUsed = 0;
    const std::vector<SPlace> places = Shelve(pictures, nWidth, nUsed);
    int nHeight = 16;
    while (nHeight < nUsed)
        nHeight *= 2;
    if (nHeight > 1024)
        throw std::runtime_error("the pictures need more than a " + std::to_string(nWidth) + " x 1024 texture");
    SAtlas atlas;
    atlas.pCanvas = std::make_unique<Art::CCanvas>(nWidth, nHeight);
    std::set<std::string> names;
    for (size_t i = 0; i < pictures.size(); ++i) {
        const SPicture& picture = pictures[i];
        Art::CCanvas canvas(picture.nWidth, picture.nHeight);
        picture.fnPaint(canvas.Context());
        cairo_surface_flush(canvas.Surface());
        cairo_set_source_surface(atlas.pCanvas->Context(), canvas.Surface(), places[i].x, places[i].y);
        cairo_paint(atlas.pCanvas->Context());
        for (SImage image : picture.images) {
            if (!names.insert(image.strName).second)
                throw std::runtime_error("two images are named " + image.strName);
            image.x += places[i].x;
            image.y += places[i].y;
            atlas.images.push_back(image);
        }
    }
    return atlas;
}

std::string ImagesetXml(const SAtlas& atlas, const std::string& strName, const std::string& strImageFile)
{
    // Pixels of the fixed 800 x 600 screen: nothing is scaled.
    std::ostringstream xml;
    xml << "<?xml version=\"1.0\" ?>\n"
        << "<Imageset version=\"2\" name=\"" << strName << "\" imagefile=\"" << strImageFile
        << "\" nativeHorzRes=\"800\" nativeVertRes=\"600\" autoScaled=\"false\">\n";
    for (const SImage& image : atlas.images)
        xml << "    <Image name=\"" << image.strName << "\" xPos=\"" << image.x << "\" yPos=\"" << image.y
            << "\" width=\"" << image.nWidth << "\" height=\"" << image.nHeight << "\" />\n";
    xml << "</Imageset>\n";
    return xml.str();
}

std::vector<std::string> WriteImageset(const SAtlas& atlas, const std::string& strName, const std::string& strOutDir)
{
    const std::string strPng = strName + ".png", strXmlFile = strName + ".imageset";
    atlas.pCanvas->WritePng(strOutDir + "/" + strPng);
    const std::string strXml = ImagesetXml(atlas, strName, strPng);
    Art::WriteFileBytes(strOutDir + "/" + strXmlFile, strXml.data(), strXml.size());
    return {strPng, strXmlFile};
}

}  // namespace GuiArt

// Packs pictures into one texture and writes it as a CEGUI image set
// (Imageset version 2): "NAME.png" and "NAME.imageset".
#pragma once

#include <cairo.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "art_canvas.h"
#include "gui_sources.h"

namespace GuiArt {

// A picture to pack: drawn by fnPaint at its size; its images are
// rectangles of it in its own pixels.
struct SPicture {
    int nWidth = 0;
    int nHeight = 0;
    std::function<void(cairo_t*)> fnPaint;
    std::vector<SImage> images;
};

struct SAtlas {
    std::unique_ptr<Art::CCanvas> pCanvas;
    std::vector<SImage> images;  // in texture pixels
};

// Shelves the pictures, tallest first, in a texture of the given width
// whose height is the smallest power of two that holds them; pictures keep
// a clear gap so filtering never mixes neighbours. Throws when the height
// would pass 1024 or two images share a name.
SAtlas PackAtlas(const std::vector<SPicture>& pictures, int nWidth);

// The image set XML naming strImageFile.
std::string ImagesetXml(const SAtlas& atlas, const std::string& strName, const std::string& strImageFile);

// Writes NAME.png and NAME.imageset into strOutDir; returns both names.
std::vector<std::string> WriteImageset(const SAtlas& atlas, const std::string& strName, const std::string& strOutDir);

}  // namespace GuiArt

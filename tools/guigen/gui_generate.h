// The GUI data generator: the image sets "MenuTexts" and "Velmora", the
// fonts and their faces, and the scheme and look'n'feel, from the sources
// in content/gui.
#pragma once

#include <string>
#include <vector>

#include "gui_atlas.h"

namespace GuiArt {

// The XML written as it stands in the source folder.
const char* const kCopiedFiles[] = {"Velmora.scheme", "Velmora.looknfeel"};

struct SGuiAtlases {
    SAtlas menuTexts;
    SAtlas velmora;
};

SGuiAtlases BuildAtlases(const std::string& strSourceDir);

// Writes every GUI file into strOutDir and returns their names; errors
// throw std::runtime_error naming the file or the missing font package.
std::vector<std::string> GenerateGui(const std::string& strSourceDir, const std::string& strOutDir);

// An 800 x 600 review sheet of every look and caption, drawn from the
// atlases as the looks put them together.
void WriteSheet(const std::string& strSourceDir, const std::string& strPngPath);

}  // namespace GuiArt

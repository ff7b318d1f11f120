// The art generator's groups: each reads its text sources from the art
// source folder and writes its pictures into the data folder.
#pragma once

#include <string>
#include <vector>

namespace Art {

// Each returns the names of the files it wrote; errors throw
// std::runtime_error naming the source or output file.
std::vector<std::string> GenerateItems(const std::string& strSourceDir, const std::string& strOutDir);
std::vector<std::string> GenerateSprites(const std::string& strSourceDir, const std::string& strOutDir);
std::vector<std::string> GenerateFields(const std::string& strSourceDir, const std::string& strOutDir);
std::vector<std::string> GenerateHud(const std::string& strSourceDir, const std::string& strOutDir);
// The story pages, their backdrop and the title picture, from content/story.
std::vector<std::string> GenerateStory(const std::string& strSourceDir, const std::string& strOutDir);
// The program's icon at every desktop size, as quellon_N.png.
std::vector<std::string> GenerateIcons(const std::string& strSourceDir, const std::string& strOutDir);

// A large PNG of every item kind in every layer, for looking at while
// drawing, without a build of the game.
void WritePreview(const std::string& strSourceDir, const std::string& strPngPath);

}  // namespace Art

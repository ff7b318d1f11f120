// The text sources of the art under content/art: white-space separated
// lines, "#" starts a comment.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "art_draw.h"

namespace Art {

using Tokens = std::vector<std::string>;

// Every non-blank line of the file as tokens; throws std::runtime_error
// naming the file when it cannot be read.
std::vector<Tokens> ReadTable(const std::string& strPath);

// "layer" lines of item_layers.txt.
struct SLayerLine {
    std::string strType;   // it. constant, "e01" ... "eTrunk"
    std::string strState;  // at. constant
    std::string strName;   // layer name
    std::string strTexture;
    int nFrames = 0;
    int nFps = 0;
};
std::vector<SLayerLine> ReadLayers(const std::string& strPath);
// The texture name without ".ifl": the base of its frame names.
std::string TextureBase(const std::string& strTexture);

// A kind of item in kinds.txt: "kind NAME key=AARRGGBB ...".
struct SKind {
    std::string strName;
    std::map<std::string, SColour> colours;
    SColour Get(const std::string& strKey) const;  // throws when missing
};
std::map<std::string, SKind> ReadKinds(const std::string& strPath);

// sprites.txt: "NAME FRAMES FPS WIDTH HEIGHT"; a still has 1 frame and fps 0.
struct SSpriteLine {
    std::string strName;
    int nFrames = 1;
    int nFps = 0;
    int nWidth = 0;
    int nHeight = 0;
};
std::vector<SSpriteLine> ReadSprites(const std::string& strPath);

// fields.txt: "NAME SCENE SEED".
struct SFieldLine {
    std::string strName;
    std::string strScene;
    unsigned int nSeed = 0;
};
std::vector<SFieldLine> ReadFields(const std::string& strPath);

// palette.txt: "NAME AARRGGBB".
std::map<std::string, SColour> ReadPalette(const std::string& strPath);

}  // namespace Art

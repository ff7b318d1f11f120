// The aquarium's data, drawn and modelled at build time from the text
// sources in content/aquarium: fish species, the big animals and their
// paths, plants, scenes with their pictures, the seabed line and food.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "Objects/vantile_objectformat.h"
#include "Scene/vantile_node.h"
#include "art_canvas.h"
#include "art_draw.h"

namespace Aqua {

// One line of a source file split at blanks; the first word is the key.
struct SLine {
    std::vector<std::string> words;
    int nNumber = 0;
    const std::string& key() const { return words[0]; }
    double number(size_t nIndex) const;
    Art::SColour colour(size_t nIndex) const;
};
// Every non-blank line that is not a comment (";").
std::vector<SLine> ReadSource(const std::string& strPath);

// Where everything goes; every writer records its file names.
struct SOutput {
    std::string strDir;
    // When set, every picture is also written here as PNG, to look at.
    std::string strPreviewDir;
    std::vector<std::string> written;
    void writeObject(const std::string& strName, const Vantile::SObjectFile& file);
    void writeText(const std::string& strName, const std::string& strText);
    void writeDds(const std::string& strName, const Art::CCanvas& canvas);
    void writeJpeg(const std::string& strName, const Art::CCanvas& canvas);
};

// Meshes. A textured quad in the x-y plane from (x0, y0) to (x1, y1), the
// whole texture on it, facing -z; rigid material 1.
Vantile::SNodeRecord QuadNode(const std::string& strName, float x0, float y0, float x1, float y1);
// One material of the given effect and texture, id 1.
Vantile::SMaterialDef Material(const std::string& strEffect, const std::string& strTexture);
// A rotation about z swinging by ±fAngle over fPeriod seconds, starting
// at fPhase of the swing, as a looping track of the node.
Vantile::SAnimationRecord SwayTrack(const std::string& strNode, float fAngle, float fPeriod, float fPhase,
                                    const D3DXVECTOR3& vPosition);
D3DXMATRIX Translation(float x, float y, float z);

// Drawing. An ellipse path; the water's colour laid over everything drawn
// so far (distance), keeping its outline.
void Ellipse(cairo_t* pCairo, double x, double y, double rx, double ry);
void Veil(Art::CCanvas& canvas, const Art::SColour& water, double fAlpha);

// The groups.
void MakeFish(const std::string& strSourceDir, SOutput& out);
void MakeAnimals(SOutput& out);
void MakeScenes(const std::string& strSourceDir, SOutput& out);

}  // namespace Aqua

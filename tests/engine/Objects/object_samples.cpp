#include "object_samples.h"

#include <cstring>

#include "Scene/vantile_node.h"

using namespace Vantile;

namespace {

D3DXMATRIX Offset(float x, float y, float z)
{
    D3DXMATRIX m;
    return *D3DXMatrixTranslation(&m, x, y, z);
}

SNodeRecord MeshNode(const std::string& strName, uint32_t nType)
{
    SNodeRecord node;
    node.strName = strName;
    node.mLocal = Offset(1, 2, 3);
    node.nType = nType;
    node.strMeshBlock = "mesh-header";
    node.dwFVF = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;
    node.nMeshValue = 7;
    const std::string strVertices = Floats({0, 0, 0, 0, 0, -1, 0, 0, 1, 0, 0, 0, 0, -1, 1, 0, 0, 1, 0, 0, 0, -1, 0, 1,
                                            1, 1, 0, 0, 0, -1, 1, 1});
    node.Vertices.assign(strVertices.begin(), strVertices.end());
    node.Indices = {0, 1, 2, 2, 1, 3};
    node.Subsets = {{10, 0, 1}, {99, 1, 1}};
    return node;
}

}  // namespace

std::string Floats(std::initializer_list<float> values)
{
    std::string strBytes(values.size() * 4, '\0');
    memcpy(&strBytes[0], values.begin(), strBytes.size());
    return strBytes;
}

SObjectFile SampleFish()
{
    SObjectFile file;
    file.strHeader = "exporter 1.0";
    SMaterialDef body;
    body.nId = 10;
    body.strEffect = "rigid.fx";
    body.astrTextures[0] = "fish_body.png";
    body.astrTextures[3] = "unused.png";
    body.dwColorA = 0x80FF4020;
    body.dwColorB = 0xFF000000;
    file.Materials.push_back(body);

    file.Root.strName = "FishRoot";
    file.Root.mLocal = IdentityMatrix();
    file.Root.Children.push_back(MeshNode("Body", OBJECT_NODE_MESH));
    SNodeRecord fin = MeshNode("Fin", OBJECT_NODE_SKIN_INFLUENCES);
    fin.Subsets = {{10, 0, 2}};
    fin.anSkinValues[0] = 4;
    fin.Bones.push_back({"Body", {{0, 1}, {2, 3}}, Offset(-1, 0, 0)});
    fin.Bones.push_back({"Tail", {}, Offset(0, -2, 0)});
    file.Root.Children.push_back(fin);
    SNodeRecord path;
    path.strName = "Path";
    path.mLocal = Offset(0, 0, 9);
    path.nType = OBJECT_NODE_SPLINE;
    path.strSplineBlock = "spline";
    path.Points = {{0, 0, 0}, {10, 5, 0}, {20, 0, 0}};
    file.Root.Children.push_back(path);
    SNodeRecord tail;
    tail.strName = "Tail";
    tail.mLocal = Offset(-4, 0, 0);
    file.Root.Children[0].Children.push_back(tail);

    file.AnimationSet.strName = "swim";
    file.AnimationSet.Animations.push_back({"fishroot", {{0, {0, 0, 0}}, {2, {8, 0, 0}}}, {}, {}});
    file.AnimationSet.Animations.push_back({"TAIL", {}, {{0, {0, 0, 0, 1}}, {1, {0, 0.7071068f, 0, 0.7071068f}}}, {}});
    file.AnimationSet.Animations.push_back({"Whisker", {{0, {1, 1, 1}}}, {}, {}});
    return file;
}

SObjectFile SampleAnimation(const std::string& strSet, float fLength)
{
    SObjectFile file;
    file.Root.strName = "Other";
    file.Root.mLocal = IdentityMatrix();
    file.AnimationSet.strName = strSet;
    file.AnimationSet.Animations.push_back({"Tail", {{0, {0, 0, 0}}, {fLength, {fLength, 0, 0}}}, {}, {}});
    return file;
}

std::string RawMeshFile(uint32_t dwFVF, const std::string& strVertices, uint32_t nIndexCount,
                        const std::string& strIndexBytes, const std::string& strSubsets)
{
    std::string strIdentity = LE32(64) + Floats({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    return LE32(0) + LE32(0) + LE32(4) + "mesh" + strIdentity + LE32(OBJECT_NODE_MESH) + LE32(0) + LE32(dwFVF) + LE32(0) +
           LE32(uint32_t(strVertices.size())) + strVertices + LE32(nIndexCount) + LE32(uint32_t(strIndexBytes.size())) +
           strIndexBytes + strSubsets + LE32(0) + LE32(0) + LE32(0);
}

#include "support/fish_models.h"

#include "Objects/vantile_objectformat.h"
#include "Scene/vantile_node.h"

using namespace Vantile;

std::string SegmentedFishObject()
{
    SObjectFile file;
    file.Root.strName = "FishRoot";
    file.Root.mLocal = IdentityMatrix();
    SNodeRecord body;
    body.strName = "Body";
    body.mLocal = IdentityMatrix();
    const char* const names[] = {"Fish001", "Fish002", "Fish003", "Fish004"};
    for (int i = 0; i < 4; ++i) {
        SNodeRecord segment;
        segment.strName = names[i];
        D3DXMatrixTranslation(&segment.mLocal, 100.0f - 100.0f * i, 0, 0);
        body.Children.push_back(segment);
    }
    file.Root.Children.push_back(body);
    return WriteObjectFile(file);
}

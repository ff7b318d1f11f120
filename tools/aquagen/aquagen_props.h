// Private to the scene generator: the props the scenes place.
#pragma once

#include <string>

#include "aquagen.h"

namespace Aqua {

// The seabed's surface at screen x: the line food rests on, which every
// scene's seabed strip follows.
float SeabedHeight(float x);
std::string PlantObjectName(const std::string& strKind);
std::string DecoTextureName(const std::string& strKind);
bool IsPlantKind(const std::string& strKind);
bool IsDecoKind(const std::string& strKind);
// Plants, decorations, food pellets and the seabed line.
void MakeProps(SOutput& out);

}  // namespace Aqua

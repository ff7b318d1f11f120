// Sample ".object" contents for the loader tests, built as records and
// written with the object writer.
#pragma once

#include <string>

#include "Objects/vantile_objectformat.h"
#include "support/archive_builder.h"

// A fish: root "FishRoot" with a rigid textured mesh "Body" (two subsets,
// the second with a material id the library lacks), a skinned "Fin" bound
// to bones "Body" and "Tail", a spline "Path" and a plain "Tail"; its set
// "swim" moves the root and turns "Tail" and names a node that is absent.
Vantile::SObjectFile SampleFish();

// Only an animation set called strSet that slides "Tail" along x.
Vantile::SObjectFile SampleAnimation(const std::string& strSet, float fLength);

// A file of one mesh node whose blocks are given raw, so tests can make
// them lie: the index count, index bytes and subsets are written as given.
std::string RawMeshFile(uint32_t dwFVF, const std::string& strVertices, uint32_t nIndexCount,
                        const std::string& strIndexBytes, const std::string& strSubsets);

std::string Floats(std::initializer_list<float> values);

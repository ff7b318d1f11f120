// Small fish models written in the object format, for tests of the fish
// and what hands fish to them.
#pragma once

#include <string>

// A fish of four segments, "Fish001" to "Fish004", 100 units apart along x
// under one "Body" node, as an object file's bytes.
std::string SegmentedFishObject();

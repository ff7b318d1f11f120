// ".ifl" animated texture lists: an optional "#fps" header, then frame
// file names separated by white space.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Vantile {

const float kDefaultIflFPS = 10.0f;

struct IflList {
    float fFPS = kDefaultIflFPS;
    std::vector<std::string> frames;
};

// Any name containing ".ifl" is a frame list.
bool IsIflName(const std::string& strName);

// Never fails: a header that is not a positive finite rate keeps the
// default, because a rate of 0 would make every animation clock divide by
// zero.
IflList ParseIfl(const char* pText, size_t nLength);

}  // namespace Vantile

// The comic pages shown before some levels and after the last one: for
// each set, the page pictures in the order they appear, where their
// top-left corners sit and the order they are drawn in.
#pragma once

#include <vector>

struct SStoryPage {
    const char* szImage;
    float fX;
    float fY;
    int nKey;
};

struct SStorySet {
    std::vector<SStoryPage> pages;
    // Page counts after which the pages before them fade out.
    std::vector<int> boundaries;
};

// The set shown before a level (counted from 0); null for a level without
// one.
const SStorySet* StorySetOf(int nLevel);
// The pages after the game's last level.
const SStorySet& FinalStorySet();

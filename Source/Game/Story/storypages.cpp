#include "Game/Story/storypages.h"

namespace {

const SStorySet FIRST_LEVEL = {{{"history-p1_1.png", -361.0f, 267.0f, 0},
                                {"history-p1_2.png", 59.0f, 258.0f, 1},
                                {"history-p1_3.png", -371.0f, -13.0f, 2},
                                {"history-p1_4.png", 17.0f, 5.0f, 3},
                                {"history-p2_1.png", -361.0f, 267.0f, 7},
                                {"history-p2_2.png", 31.0f, 267.0f, 5},
                                {"history-p2_3.png", -374.0f, 52.0f, 6},
                                {"history-p2_4.png", 114.0f, 81.0f, 4}},
                               {4}};

const SStorySet LEVEL_14 = {{{"history-p3_1.png", -372.0f, 256.0f, 2},
                             {"history-p3_2.png", -187.0f, 260.0f, 0},
                             {"history-p3_2a.png", 186.0f, 270.0f, 1},
                             {"history-p3_3.png", -277.0f, 93.0f, 4},
                             {"history-p3_4.png", 126.0f, 96.0f, 3}},
                            {}};

const SStorySet LEVEL_24 = {{{"history-p4_1.png", -372.0f, 260.0f, 3},
                             {"history-p4_2.png", -360.0f, 45.0f, 2},
                             {"history-p4_3.png", -149.0f, 45.0f, 0},
                             {"history-p4_3a.png", -117.0f, 77.0f, 4},
                             {"history-p4_4.png", 52.0f, 45.0f, 1}},
                            {}};

const SStorySet LEVEL_49 = {{{"history-p5_1.png", -372.0f, 264.0f, 3},
                             {"history-p5_2.png", 82.0f, 264.0f, 4},
                             {"history-p5_3.png", -366.0f, 43.0f, 0},
                             {"history-p5_4.png", -68.0f, 42.0f, 2},
                             {"history-p5_5.png", 89.0f, 43.0f, 1}},
                            {}};

const SStorySet FINAL = {{{"history-p6_1.png", -372.0f, 264.0f, 3},
                          {"history-p6_2.png", -374.0f, 63.0f, 4},
                          {"history-p6_3.png", 65.0f, 264.0f, 0}},
                         {}};

}  // namespace

const SStorySet* StorySetOf(int nLevel)
{
    switch (nLevel) {
    case 0: return &FIRST_LEVEL;
    case 14: return &LEVEL_14;
    case 24: return &LEVEL_24;
    case 49: return &LEVEL_49;
    default: return nullptr;
    }
}

const SStorySet& FinalStorySet()
{
    return FINAL;
}

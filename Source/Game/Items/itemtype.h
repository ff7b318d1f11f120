// Item kinds of the board, their two-digit level codes and the colours that
// tint their animations.
#pragma once

#include <cstdint>
#include <string>

enum ItemType {
    eNoItem = 0,
    e01 = 1,
    e10 = 10,
    eHorz = 11,
    eVert = 12,
    eVertHorz = 13,
    eTrunk = 14,
    eHeart = 15,
    eTimeFreeze = 16,
};

// Which colour of an item's type tints one animation layer.
enum UseColorType {
    eUseWhiteColor = 0,
    eUseColor1 = 1,
    eUseColor2 = 2,
    eUseColor3 = 3,
};

// Three ARGB colours as the configuration script writes them.
struct COLOR_INFO {
    uint32_t color1 = 0;
    uint32_t color2 = 0;
    uint32_t color3 = 0;
};

const uint32_t WHITE_COLOR = 0xFFFFFFFF;

bool isOrdinaryType(int nType);
bool isSpecialType(int nType);

// Decodes the first two characters of a level code. bFirst is bit 0x80
// (the cell exists), bSecond bit 0x40 together with 0x80 (a double item).
// Codes that name no item give 0.
int itemTypeFromCode(const char* szCode, bool& bFirst, bool& bSecond);
// The code byte of a type without flags; 0x30 for values that are no type.
int codeFromItemType(int nType);
// A code byte as the two lower-case hexadecimal digits files and logs use.
std::string codeText(int nCode);

// A colour text read as "%x" reads it: an optional "0x", then hexadecimal
// digits; text that does not start with one gives 0.
uint32_t parseHexColor(const std::string& strText);

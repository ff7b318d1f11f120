// Numbers read from outside text. A number must fill its whole text and
// lie in the range the caller can hold: "5abc", "1e9" for an integer,
// "4294967297" for an int, or a rate that a float rounds to zero are refused
// rather than cut, wrapped or rounded into some other value.
#pragma once

#include <string>

namespace Vantile {

// Decimal digits with an optional sign.
bool ParseInteger(const char* szText, long long nMin, long long nMax, long long& nValue);
bool ParseInteger(const char* szText, int nMin, int nMax, int& nValue);
// A whole number out of range is held at the nearer end instead: a player's
// score past the top stays the top score rather than turning negative.
bool ParseIntegerClamped(const char* szText, int nMin, int nMax, int& nValue);

// A finite decimal number in [fMin, fMax]; a nonzero text never becomes 0.
bool ParseFloat(const char* szText, float fMin, float fMax, float& fValue);

}  // namespace Vantile

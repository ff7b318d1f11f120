#include "Core/vantile_number.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace Vantile {

namespace {

// strtol and strtod skip leading blanks themselves; a field of a file
// holds its number alone.
bool StartsWithNumber(const char* szText)
{
    return szText && *szText && !isspace(static_cast<unsigned char>(*szText));
}

}  // namespace

bool ParseInteger(const char* szText, long long nMin, long long nMax, long long& nValue)
{
    if (!StartsWithNumber(szText))
        return false;
    char* pEnd = nullptr;
    errno = 0;
    const long long nRead = strtoll(szText, &pEnd, 10);
    if (pEnd == szText || *pEnd != '\0' || errno == ERANGE || nRead < nMin || nRead > nMax)
        return false;
    nValue = nRead;
    return true;
}

bool ParseInteger(const char* szText, int nMin, int nMax, int& nValue)
{
    long long nRead = 0;
    if (!ParseInteger(szText, static_cast<long long>(nMin), static_cast<long long>(nMax), nRead))
        return false;
    nValue = static_cast<int>(nRead);
    return true;
}

bool ParseIntegerClamped(const char* szText, int nMin, int nMax, int& nValue)
{
    long long nRead = 0;
    if (!ParseInteger(szText, LLONG_MIN, LLONG_MAX, nRead))
        return false;
    nValue = static_cast<int>(nRead < nMin ? nMin : (nRead > nMax ? nMax : nRead));
    return true;
}

bool ParseFloat(const char* szText, float fMin, float fMax, float& fValue)
{
    if (!StartsWithNumber(szText))
        return false;
    char* pEnd = nullptr;
    const double dRead = strtod(szText, &pEnd);
    if (pEnd == szText || *pEnd != '\0' || !std::isfinite(dRead) || dRead < fMin || dRead > fMax)
        return false;
    const float fRead = static_cast<float>(dRead);
    if (fRead == 0.0f && dRead != 0.0)
        return false;
    fValue = fRead;
    return true;
}

}  // namespace Vantile

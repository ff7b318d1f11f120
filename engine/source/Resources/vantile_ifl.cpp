#include "Resources/vantile_ifl.h"

#include "Core/vantile_number.h"

namespace Vantile {

namespace {

// A NUL byte separates too, so no frame name carries one into a lookup.
bool IsSpace(char ch)
{
    return ch == '\0' || ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

// The header is the number sign, optional blanks and one number token.
size_t ParseHeader(const std::string& strText, size_t nPos, float& fFPS)
{
    ++nPos;
    while (nPos < strText.size() && IsBlank(strText[nPos]))
        ++nPos;
    size_t nEnd = nPos;
    while (nEnd < strText.size() && !IsSpace(strText[nEnd]))
        ++nEnd;
    // A rate of zero would stop every clock; "1E-64" is positive only as
    // a double, so the test is made on the float the clocks use.
    float fRead = 0.0f;
    if (ParseFloat(strText.substr(nPos, nEnd - nPos).c_str(), 0.0f, 1.0e6f, fRead) && fRead > 0.0f)
        fFPS = fRead;
    return nEnd;
}

}  // namespace

bool IsIflName(const std::string& strName)
{
    return strName.find(".ifl") != std::string::npos;
}

IflList ParseIfl(const char* pText, size_t nLength)
{
    // The bytes come straight from a file mapping with no terminating NUL.
    const std::string strText = nLength ? std::string(pText, nLength) : std::string();
    IflList list;
    size_t nPos = 0;
    while (nPos < strText.size() && IsSpace(strText[nPos]))
        ++nPos;
    if (nPos < strText.size() && strText[nPos] == '#')
        nPos = ParseHeader(strText, nPos, list.fFPS);
    while (nPos < strText.size()) {
        while (nPos < strText.size() && IsSpace(strText[nPos]))
            ++nPos;
        const size_t nStart = nPos;
        while (nPos < strText.size() && !IsSpace(strText[nPos]))
            ++nPos;
        if (nPos > nStart)
            list.frames.push_back(strText.substr(nStart, nPos - nStart));
    }
    return list;
}

}  // namespace Vantile

#include "Game/Sprites/spritemap.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <strings.h>

namespace {

// White space between tokens is skipped; a label is a single character and
// may stand right before its number ("c16"); a number is a whole token.
class CMapCursor {
public:
    CMapCursor(const char* pText, size_t nLength) : m_strText(pText, nLength) {}

    bool label()
    {
        skipSpace();
        if (m_nPos >= m_strText.size())
            return false;
        ++m_nPos;
        return true;
    }
    bool integer(long& nValue)
    {
        skipSpace();
        const char* pStart = m_strText.c_str() + m_nPos;
        char* pEnd = nullptr;
        errno = 0;
        nValue = strtol(pStart, &pEnd, 10);
        return advance(pStart, pEnd) && errno == 0;
    }
    bool decimal(double& dValue)
    {
        skipSpace();
        const char* pStart = m_strText.c_str() + m_nPos;
        char* pEnd = nullptr;
        dValue = strtod(pStart, &pEnd);
        return advance(pStart, pEnd) && std::isfinite(dValue);
    }
    bool word(std::string& strWord)
    {
        skipSpace();
        const size_t nStart = m_nPos;
        while (m_nPos < m_strText.size() && !isspace(static_cast<unsigned char>(m_strText[m_nPos])))
            ++m_nPos;
        strWord = m_strText.substr(nStart, m_nPos - nStart);
        return !strWord.empty();
    }
    // Tokens still unread, an upper bound for how many numbers can follow.
    size_t remaining() const { return m_strText.size() - m_nPos; }

private:
    void skipSpace()
    {
        while (m_nPos < m_strText.size() && isspace(static_cast<unsigned char>(m_strText[m_nPos])))
            ++m_nPos;
    }
    bool advance(const char* pStart, const char* pEnd)
    {
        // The terminating zero of the copy stops strtol and strtod at the
        // end of the file's bytes, and an embedded zero stops them early.
        // A number must fill its whole token: "4.5" is no frame height.
        if (pEnd == pStart || (*pEnd != '\0' && !isspace(static_cast<unsigned char>(*pEnd))))
            return false;
        m_nPos += size_t(pEnd - pStart);
        return true;
    }

    std::string m_strText;
    size_t m_nPos = 0;
};

bool Fail(std::string& strError, const char* pszReason)
{
    strError = pszReason;
    return false;
}

bool ReadHeader(CMapCursor& cursor, SSpriteMap& map, long& nFrames, std::string& strError)
{
    double dFPS = 0.0;
    long nWidth = 0, nHeight = 0;
    if (!cursor.label() || !cursor.integer(nFrames))
        return Fail(strError, "no frame count");
    if (!cursor.label() || !cursor.word(map.strTexture))
        return Fail(strError, "no texture name");
    if (!cursor.label() || !cursor.decimal(dFPS))
        return Fail(strError, "no frame rate");
    if (!cursor.label() || !cursor.integer(nWidth) || !cursor.integer(nHeight))
        return Fail(strError, "no frame size");
    if (nFrames <= 0)
        return Fail(strError, "no frames");
    if (nWidth <= 0 || nHeight <= 0 || nWidth > 65536 || nHeight > 65536)
        return Fail(strError, "frame size is not positive");
    // Each rectangle takes at least seven characters ("0 0 1 1"), so a
    // count the rest of the file cannot hold is refused before any memory
    // is set aside for it.
    if (size_t(nFrames) > cursor.remaining() / 7)
        return Fail(strError, "fewer frames than the count");
    map.nFPS = dFPS >= 1.0 && dFPS < 1.0e6 ? int(dFPS) : SSpriteMap::DEFAULT_FPS;
    map.nFrameWidth = int(nWidth);
    map.nFrameHeight = int(nHeight);
    return true;
}

}  // namespace

bool IsSpriteMapName(const std::string& strName)
{
    return strName.size() >= 4 && strcasecmp(strName.c_str() + strName.size() - 4, ".map") == 0;
}

bool ParseSpriteMap(const char* pText, size_t nLength, SSpriteMap& map, std::string& strError)
{
    map = SSpriteMap();
    CMapCursor cursor(pText, nLength);
    long nFrames = 0;
    if (!ReadHeader(cursor, map, nFrames, strError))
        return false;
    map.frames.reserve(size_t(nFrames));
    for (long i = 0; i < nFrames; ++i) {
        double dLeft, dTop, dRight, dBottom;
        if (!cursor.decimal(dLeft) || !cursor.decimal(dTop) || !cursor.decimal(dRight) || !cursor.decimal(dBottom))
            return Fail(strError, "fewer frames than the count");
        STextureRect rect;
        rect.fU0 = float(dLeft);
        rect.fU1 = float(dRight);
        rect.fV0 = float(dTop);
        rect.fV1 = float(dBottom);
        if (!std::isfinite(rect.fU0 + rect.fU1 + rect.fV0 + rect.fV1))
            return Fail(strError, "frame coordinates out of range");
        map.frames.push_back(rect);
    }
    return true;
}

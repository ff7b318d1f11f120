#include "Game/Items/itemtype.h"

#include <cstdlib>

#include "Core/vantile_log.h"

namespace {

// Special types sit at codes 0x10.. so that a level author can tell them
// from the ordinary kinds at a glance.
const int SPECIAL_CODE_BASE = 0x10;
const int UNKNOWN_TYPE_CODE = 0x30;

int typeFromBareCode(int nCode)
{
    if (nCode >= 0 && nCode <= e10)
        return nCode;
    if (nCode >= SPECIAL_CODE_BASE && nCode <= SPECIAL_CODE_BASE + (eTimeFreeze - eHorz))
        return nCode - SPECIAL_CODE_BASE + eHorz;
    return eNoItem;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "%x" on two characters: leading digits only, nothing read gives 0.
int readCodeByte(const char* szCode)
{
    int nValue = 0;
    for (int i = 0; i < 2 && szCode[i]; ++i) {
        const int nDigit = hexDigit(szCode[i]);
        if (nDigit < 0)
            break;
        nValue = nValue * 16 + nDigit;
    }
    return nValue;
}

}  // namespace

bool isOrdinaryType(int nType)
{
    return nType >= e01 && nType <= e10;
}

bool isSpecialType(int nType)
{
    return nType >= eHorz && nType <= eTimeFreeze;
}

int itemTypeFromCode(const char* szCode, bool& bFirst, bool& bSecond)
{
    int nCode = readCodeByte(szCode);
    bFirst = false;
    bSecond = false;
    if (nCode >= 0xC0) {
        nCode -= 0x40;
        bSecond = true;
    }
    if (nCode >= 0x80) {
        nCode -= 0x80;
        bFirst = true;
    }
    return typeFromBareCode(nCode);
}

int codeFromItemType(int nType)
{
    if (nType >= 0 && nType <= e10)
        return nType;
    if (isSpecialType(nType))
        return nType - eHorz + SPECIAL_CODE_BASE;
    return UNKNOWN_TYPE_CODE;
}

std::string codeText(int nCode)
{
    return Vantile::FormatString("%02x", nCode & 0xFF);
}

uint32_t parseHexColor(const std::string& strText)
{
    // strtoul reads what "%x" reads, but an over-long text cannot overflow.
    return static_cast<uint32_t>(strtoul(strText.c_str(), nullptr, 16));
}

#include "Effects/vantile_fxlanguage.h"

#include <strings.h>

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace Vantile {

namespace {

struct SNamedValue {
    const char* pszName;
    DWORD dwValue;
};

const SNamedValue RENDER_STATES[] = {
    {"ZEnable", D3DRS_ZENABLE},           {"ZWriteEnable", D3DRS_ZWRITEENABLE},
    {"ZFunc", D3DRS_ZFUNC},               {"AlphaBlendEnable", D3DRS_ALPHABLENDENABLE},
    {"SrcBlend", D3DRS_SRCBLEND},         {"DestBlend", D3DRS_DESTBLEND},
    {"BlendOp", D3DRS_BLENDOP},           {"CullMode", D3DRS_CULLMODE},
    {"AlphaTestEnable", D3DRS_ALPHATESTENABLE}, {"AlphaFunc", D3DRS_ALPHAFUNC},
    {"AlphaRef", D3DRS_ALPHAREF},         {"Lighting", D3DRS_LIGHTING},
    {"FogEnable", D3DRS_FOGENABLE},       {"ColorWriteEnable", D3DRS_COLORWRITEENABLE},
    {"ZBias", D3DRS_ZBIAS},
};

const SNamedValue STAGE_STATES[] = {
    {"MinFilter", D3DTSS_MINFILTER}, {"MagFilter", D3DTSS_MAGFILTER}, {"MipFilter", D3DTSS_MIPFILTER},
    {"AddressU", D3DTSS_ADDRESSU},   {"AddressV", D3DTSS_ADDRESSV},
};

// Value names of every state; the state decides which make sense.
const SNamedValue VALUES[] = {
    {"false", 0}, {"true", 1},
    {"Zero", D3DBLEND_ZERO}, {"One", D3DBLEND_ONE}, {"SrcColor", D3DBLEND_SRCCOLOR},
    {"InvSrcColor", D3DBLEND_INVSRCCOLOR}, {"SrcAlpha", D3DBLEND_SRCALPHA}, {"InvSrcAlpha", D3DBLEND_INVSRCALPHA},
    {"DestAlpha", D3DBLEND_DESTALPHA}, {"InvDestAlpha", D3DBLEND_INVDESTALPHA}, {"DestColor", D3DBLEND_DESTCOLOR},
    {"InvDestColor", D3DBLEND_INVDESTCOLOR},
    {"Never", D3DCMP_NEVER}, {"Less", D3DCMP_LESS}, {"Equal", D3DCMP_EQUAL}, {"LessEqual", D3DCMP_LESSEQUAL},
    {"Greater", D3DCMP_GREATER}, {"NotEqual", D3DCMP_NOTEQUAL}, {"GreaterEqual", D3DCMP_GREATEREQUAL},
    {"Always", D3DCMP_ALWAYS},
    {"None", D3DCULL_NONE}, {"CW", D3DCULL_CW}, {"CCW", D3DCULL_CCW},
    {"Point", D3DTEXF_POINT}, {"Linear", D3DTEXF_LINEAR},
    {"Wrap", 1}, {"Mirror", 2}, {"Clamp", 3},
};

const SNamedValue TYPES[] = {
    {"matrix", FX_MATRIX}, {"float", FX_FLOAT}, {"int", FX_INT}, {"string", FX_STRING}, {"texture", FX_TEXTURE},
};

template <size_t N>
const SNamedValue* FindName(const SNamedValue (&table)[N], const std::string& strName)
{
    for (const SNamedValue& entry : table) {
        if (strcasecmp(entry.pszName, strName.c_str()) == 0)
            return &entry;
    }
    return nullptr;
}

class CFxParser {
public:
    CFxParser(const char* pText, size_t nLength) : m_strText(pText, nLength) {}
    void Parse(SFxSource& source);

private:
    struct SError : std::runtime_error {
        using std::runtime_error::runtime_error;
    };

    [[noreturn]] void Fail(const std::string& strWhat) const;
    void SkipSpaceAndComments();
    bool AtEnd();
    bool Accept(char ch);
    void Expect(char ch);
    std::string Word();
    std::string Value(bool& bQuoted);
    DWORD StateValue();
    DWORD Number(const std::string& strToken) const;
    std::string GlslBlock(int& nLine);

    void ParseDeclaration(FxParameterType type, SFxSource& source);
    void ParseTechnique(SFxSource& source);
    void ParsePass(SFxTechnique& technique);
    void ParseStatement(const std::string& strWord, SFxPass& pass);

    std::string m_strText;
    size_t m_nPos = 0;
    int m_nLine = 1;
};

void CFxParser::Fail(const std::string& strWhat) const
{
    throw SError("line " + std::to_string(m_nLine) + ": " + strWhat);
}

void CFxParser::SkipSpaceAndComments()
{
    while (m_nPos < m_strText.size()) {
        const char ch = m_strText[m_nPos];
        if (ch == '\n')
            ++m_nLine;
        if (isspace(static_cast<unsigned char>(ch))) {
            ++m_nPos;
        } else if (m_strText.compare(m_nPos, 2, "//") == 0) {
            m_nPos = std::min(m_strText.find('\n', m_nPos), m_strText.size());
        } else {
            return;
        }
    }
}

bool CFxParser::AtEnd()
{
    SkipSpaceAndComments();
    return m_nPos >= m_strText.size();
}

bool CFxParser::Accept(char ch)
{
    if (AtEnd() || m_strText[m_nPos] != ch)
        return false;
    ++m_nPos;
    return true;
}

void CFxParser::Expect(char ch)
{
    if (!Accept(ch))
        Fail(std::string("'") + ch + "' expected");
}

std::string CFxParser::Word()
{
    SkipSpaceAndComments();
    const size_t nStart = m_nPos;
    while (m_nPos < m_strText.size() &&
           (isalnum(static_cast<unsigned char>(m_strText[m_nPos])) || m_strText[m_nPos] == '_' || m_strText[m_nPos] == '.' ||
            m_strText[m_nPos] == '-' || m_strText[m_nPos] == '+'))
        ++m_nPos;
    if (m_nPos == nStart)
        Fail(m_nPos < m_strText.size() ? std::string("unexpected '") + m_strText[m_nPos] + "'" : "unexpected end");
    return m_strText.substr(nStart, m_nPos - nStart);
}

std::string CFxParser::Value(bool& bQuoted)
{
    bQuoted = Accept('"');
    if (!bQuoted)
        return Word();
    const size_t nEnd = m_strText.find_first_of("\"\n", m_nPos);
    if (nEnd == std::string::npos || m_strText[nEnd] != '"')
        Fail("unterminated string");
    const std::string strValue = m_strText.substr(m_nPos, nEnd - m_nPos);
    m_nPos = nEnd + 1;
    return strValue;
}

DWORD CFxParser::Number(const std::string& strToken) const
{
    char* pszEnd = nullptr;
    const unsigned long long nValue = strtoull(strToken.c_str(), &pszEnd, 0);
    if (*pszEnd != '\0' || strToken[0] == '-' || nValue > 0xFFFFFFFFull)
        Fail("\"" + strToken + "\" is no value");
    return DWORD(nValue);
}

DWORD CFxParser::StateValue()
{
    const std::string strToken = Word();
    const SNamedValue* pNamed = FindName(VALUES, strToken);
    return pNamed ? pNamed->dwValue : Number(strToken);
}

// The shader body between balanced braces, comments included as written.
std::string CFxParser::GlslBlock(int& nLine)
{
    Expect('{');
    nLine = m_nLine;
    const size_t nStart = m_nPos;
    for (int nDepth = 1; m_nPos < m_strText.size(); ++m_nPos) {
        const char ch = m_strText[m_nPos];
        if (ch == '\n')
            ++m_nLine;
        if (m_strText.compare(m_nPos, 2, "//") == 0) {
            m_nPos = std::min(m_strText.find('\n', m_nPos), m_strText.size()) - 1;
        } else if (m_strText.compare(m_nPos, 2, "/*") == 0) {
            const size_t nEnd = m_strText.find("*/", m_nPos + 2);
            if (nEnd == std::string::npos)
                break;
            for (size_t i = m_nPos; i < nEnd; ++i)
                m_nLine += m_strText[i] == '\n';
            m_nPos = nEnd + 1;
        } else if (ch == '{') {
            ++nDepth;
        } else if (ch == '}' && --nDepth == 0) {
            return m_strText.substr(nStart, m_nPos++ - nStart);
        }
    }
    Fail("shader block not closed");
}

void CFxParser::Parse(SFxSource& source)
{
    while (!AtEnd()) {
        const std::string strWord = Word();
        if (strWord == "technique") {
            ParseTechnique(source);
            continue;
        }
        const SNamedValue* pType = FindName(TYPES, strWord);
        if (!pType)
            Fail("\"" + strWord + "\" is neither a parameter type nor \"technique\"");
        ParseDeclaration(FxParameterType(pType->dwValue), source);
    }
    if (source.Techniques.empty())
        Fail("no technique");
}

void CFxParser::ParseDeclaration(FxParameterType type, SFxSource& source)
{
    SFxParameterDecl decl;
    decl.type = type;
    decl.strName = Word();
    if (Accept('=')) {
        bool bQuoted = false;
        decl.bHasValue = true;
        decl.strValue = Value(bQuoted);
        if ((type == FX_STRING) != bQuoted)
            Fail("parameter \"" + decl.strName + "\" has a value of the wrong kind");
        char* pszEnd = nullptr;
        decl.dValue = bQuoted ? 0.0 : strtod(decl.strValue.c_str(), &pszEnd);
        if (!bQuoted && *pszEnd != '\0')
            Fail("\"" + decl.strValue + "\" is no number");
    }
    Expect(';');
    source.Parameters.push_back(decl);
}

void CFxParser::ParseTechnique(SFxSource& source)
{
    SFxTechnique technique;
    technique.strName = Word();
    Expect('{');
    while (!Accept('}')) {
        if (Word() != "pass")
            Fail("\"pass\" expected");
        ParsePass(technique);
    }
    if (technique.Passes.empty())
        Fail("technique \"" + technique.strName + "\" has no pass");
    source.Techniques.push_back(technique);
}

void CFxParser::ParsePass(SFxTechnique& technique)
{
    SFxPass pass;
    pass.strName = Word();
    Expect('{');
    while (!Accept('}'))
        ParseStatement(Word(), pass);
    if (pass.strVertex.empty() != pass.strFragment.empty())
        Fail("pass \"" + pass.strName + "\" needs both a vertex and a fragment shader, or neither");
    technique.Passes.push_back(pass);
}

void CFxParser::ParseStatement(const std::string& strWord, SFxPass& pass)
{
    if (strWord == "vertex" || strWord == "fragment") {
        const bool bVertex = strWord == "vertex";
        (bVertex ? pass.strVertex : pass.strFragment) = GlslBlock(bVertex ? pass.nVertexLine : pass.nFragmentLine);
        return;
    }
    if (strWord == "texture" || strWord == "sampler") {
        const DWORD dwStage = Number(Word());
        if (dwStage > 7)
            Fail("stage " + std::to_string(dwStage) + " is beyond stage 7");
        if (strWord == "texture") {
            Expect('=');
            pass.Textures.push_back({dwStage, Word()});
        } else {
            const std::string strState = Word();
            const SNamedValue* pState = FindName(STAGE_STATES, strState);
            if (!pState)
                Fail("unknown sampler state \"" + strState + "\"");
            Expect('=');
            pass.StageStates.push_back({dwStage, D3DTEXTURESTAGESTATETYPE(pState->dwValue), StateValue()});
        }
        Expect(';');
        return;
    }
    const SNamedValue* pState = FindName(RENDER_STATES, strWord);
    if (!pState)
        Fail("unknown render state \"" + strWord + "\"");
    Expect('=');
    pass.RenderStates.push_back({pState->dwValue, StateValue()});
    Expect(';');
}

}  // namespace

bool ParseFxSource(const char* pText, size_t nLength, SFxSource& source, std::string& strError)
{
    source = SFxSource();
    try {
        CFxParser parser(pText, nLength);
        parser.Parse(source);
        return true;
    } catch (const std::runtime_error& error) {
        strError = error.what();
        return false;
    }
}

std::string FxUniformDeclarations(const SFxSource& source)
{
    std::string strDeclarations;
    for (const SFxParameterDecl& decl : source.Parameters) {
        if (decl.type == FX_MATRIX)
            strDeclarations += "uniform mat4 " + decl.strName + ";\n";
        else if (decl.type == FX_FLOAT)
            strDeclarations += "uniform float " + decl.strName + ";\n";
    }
    return strDeclarations;
}

}  // namespace Vantile

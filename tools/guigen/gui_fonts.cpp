#include "gui_fonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

#include "art_canvas.h"

namespace GuiArt {

namespace {

std::string MissingFace(const std::string& strPath, const std::string& strPackage)
{
    return "font face " + strPath + " is missing: install the Debian package " + strPackage +
           " (apt-get install " + strPackage + "; it is listed in tools/setup/packages.txt)";
}

std::string ReadAll(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (!file)
        throw std::runtime_error("cannot read " + strPath);
    return bytes.str();
}

}  // namespace

CFace::CFace(const std::string& strPath, const std::string& strPackage)
{
    // One FreeType library for the whole run: cairo keeps faces in its
    // caches after their last user, so it must outlive them all.
    static FT_Library s_pLibrary = nullptr;
    struct stat info;
    if (stat(strPath.c_str(), &info) != 0)
        throw std::runtime_error(MissingFace(strPath, strPackage));
    if ((!s_pLibrary && FT_Init_FreeType(&s_pLibrary) != 0) ||
        FT_New_Face(s_pLibrary, strPath.c_str(), 0, &m_pFace) != 0)
        throw std::runtime_error("font face " + strPath + " cannot be read (package " + strPackage + ")");
    m_pCairoFace = cairo_ft_font_face_create_for_ft_face(m_pFace, 0);
    // The FreeType face lives as long as cairo's face does.
    static cairo_user_data_key_t s_key;
    cairo_font_face_set_user_data(m_pCairoFace, &s_key, m_pFace,
                                  [](void* pFace) { FT_Done_Face(static_cast<FT_Face>(pFace)); });
}

CFace::~CFace()
{
    cairo_font_face_destroy(m_pCairoFace);
}

bool CFace::HasGlyph(uint32_t nCodepoint) const
{
    return FT_Get_Char_Index(m_pFace, nCodepoint) != 0;
}

std::vector<uint32_t> RequiredCodepoints()
{
    std::vector<uint32_t> codepoints;
    for (uint32_t c = 0x20; c < 0x7F; ++c)
        codepoints.push_back(c);
    codepoints.push_back(0x041E);
    return codepoints;
}

std::string BaseName(const std::string& strPath)
{
    const size_t nSlash = strPath.rfind('/');
    return nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
}

std::vector<std::string> WriteFonts(const SFontSources& sources, const std::string& strOutDir)
{
    std::vector<std::string> written;
    std::set<std::string> copied;
    for (const SFont& font : sources.fonts) {
        const CFace face(font.strFace, font.strPackage);
        for (uint32_t nCodepoint : RequiredCodepoints())
            if (!face.HasGlyph(nCodepoint))
                throw std::runtime_error(font.strFace + " has no glyph for U+" + std::to_string(nCodepoint));
        const std::string strFaceFile = BaseName(font.strFace);
        if (copied.insert(strFaceFile).second) {
            const std::string strBytes = ReadAll(font.strFace);
            Art::WriteFileBytes(strOutDir + "/" + strFaceFile, strBytes.data(), strBytes.size());
            written.push_back(strFaceFile);
        }
        // Sizes are in points at the renderer's 96 dots per inch; the
        // screen is a fixed 800 x 600, so nothing scales.
        std::ostringstream xml;
        xml << "<?xml version=\"1.0\" ?>\n"
            << "<Font version=\"3\" name=\"" << font.strName << "\" filename=\"" << strFaceFile
            << "\" type=\"FreeType\" size=\"" << font.nPoints
            << "\" nativeHorzRes=\"800\" nativeVertRes=\"600\" autoScaled=\"false\" antiAlias=\"true\"/>\n";
        const std::string strXml = xml.str();
        Art::WriteFileBytes(strOutDir + "/" + font.strFile, strXml.data(), strXml.size());
        written.push_back(font.strFile);
    }
    return written;
}

}  // namespace GuiArt

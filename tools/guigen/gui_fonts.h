// The TrueType faces of the GUI, taken from Debian's font packages: loaded
// for drawing captions, checked for the glyphs the game writes, copied into
// the data folder beside the CEGUI ".font" files that name them.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gui_sources.h"

typedef struct FT_FaceRec_* FT_Face;

namespace GuiArt {

class CFace {
public:
    // Throws std::runtime_error naming the file and the package that
    // installs it when the face is missing or unreadable.
    CFace(const std::string& strPath, const std::string& strPackage);
    ~CFace();
    CFace(const CFace&) = delete;
    CFace& operator=(const CFace&) = delete;

    cairo_font_face_t* CairoFace() const { return m_pCairoFace; }
    bool HasGlyph(uint32_t nCodepoint) const;

private:
    FT_Face m_pFace = nullptr;
    cairo_font_face_t* m_pCairoFace = nullptr;
};

// The code points every GUI font must draw: printable ASCII, and the
// Cyrillic capital O that the "OK" captions are written with.
std::vector<uint32_t> RequiredCodepoints();

// Writes each ".font" file and copies its face; returns the names written.
std::vector<std::string> WriteFonts(const SFontSources& sources, const std::string& strOutDir);

// The bare file name of a path.
std::string BaseName(const std::string& strPath);

}  // namespace GuiArt

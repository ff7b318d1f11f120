// The glyphs of the score pop-ups: the digits 0 to 9 and a plus sign, one
// per frame, filled white under a dark outline so the board can tint the
// fill with the combo's colour while the outline stays dark.
#include <cmath>
#include <string>

#include "art_effects.h"

namespace Art {

void PaintScoreGlyph(cairo_t* c, const SSpriteContext&, double t)
{
    const int nGlyph = int(std::lround(t * 11));
    const std::string strText = nGlyph < 10 ? std::string(1, char('0' + nGlyph)) : std::string("+");
    cairo_select_font_face(c, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(c, 84);
    cairo_text_extents_t extents;
    cairo_text_extents(c, strText.c_str(), &extents);
    cairo_move_to(c, -extents.x_bearing - extents.width / 2, -extents.y_bearing - extents.height / 2);
    cairo_text_path(c, strText.c_str());
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    cairo_set_source_rgba(c, 0.08, 0.04, 0.12, 0.95);
    cairo_set_line_width(c, 14);
    cairo_stroke_preserve(c);
    cairo_set_source_rgb(c, 1, 1, 1);
    cairo_fill(c);
}

}  // namespace Art

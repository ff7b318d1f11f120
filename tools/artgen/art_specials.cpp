// The special items: crabs that clear a row or a column, the sea star,
// the heart, the snowflake, and the treasure trunk the player brings down.
#include <cmath>

#include "art_items.h"
#include "art_shapes.h"

namespace Art {

namespace {

void Dot(cairo_t* c, double x, double y, double r)
{
    cairo_new_sub_path(c);
    cairo_arc(c, x, y, r, 0, 2 * kPi);
}

// A bold white arrowhead pointing along +x at (x, y): the crab's line
// direction, readable in any colour vision and on any seabed.
void Arrow(cairo_t* c, double x, double y, double fAlpha)
{
    cairo_move_to(c, x + 7, y);
    cairo_line_to(c, x - 5, y - 10);
    cairo_line_to(c, x - 5, y + 10);
    cairo_close_path(c);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(c, 5);
    cairo_set_source_rgba(c, 0.12, 0.02, 0.0, 0.9 * fAlpha);
    cairo_stroke_preserve(c);
    cairo_set_source_rgba(c, 1, 1, 1, fAlpha);
    cairo_fill(c);
}

// Arrows at both ends of the line the crab clears, along +x; they ride
// outwards and back with the beat.
void LineArrows(cairo_t* c, const SMotion& m)
{
    const double fReach = 40 + 3 * std::sin(2 * kPi * m.fBeat);
    Arrow(c, fReach, 0, 1);
    cairo_save(c);
    cairo_scale(c, -1, 1);
    Arrow(c, fReach, 0, 1);
    cairo_restore(c);
}

void Claw(cairo_t* c, const SKind& k, double fSide, double fOpen)
{
    cairo_save(c);
    cairo_translate(c, fSide * 30, -10);
    cairo_scale(c, fSide, 1);
    PaintBody(c, k,
              [fOpen](cairo_t* p) {
                  cairo_move_to(p, -8, 4);
                  cairo_curve_to(p, -6, -10, 8, -14, 14, -6 - fOpen * 4);
                  cairo_line_to(p, 4, -2);
                  cairo_line_to(p, 14, 2 + fOpen * 4);
                  cairo_curve_to(p, 8, 10, -6, 12, -8, 4);
                  cairo_close_path(p);
              },
              nullptr, -12, 10);
    cairo_restore(c);
}

void PaintCrabBody(cairo_t* c, const SKind& k, const SMotion& m)
{
    const double fStep = std::sin(2 * kPi * m.fBeat);
    for (int side = -1; side <= 1; side += 2)
        for (int leg = 0; leg < 3; ++leg) {
            const double y = 6 + leg * 6, lift = (leg & 1 ? fStep : -fStep) * 3;
            cairo_move_to(c, side * 16, y);
            cairo_line_to(c, side * 30, y - 4 + lift);
            cairo_line_to(c, side * 36, y + 8 + lift);
        }
    SetColour(c, k.Get("line"));
    cairo_set_line_width(c, 5);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(c);
    SetColour(c, k.Get("fin"));
    cairo_set_line_width(c, 2.6);
    cairo_stroke(c);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(c, side * 6, -6);
        cairo_line_to(c, side * 9, -20);
        SetColour(c, k.Get("line"));
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
        Claw(c, k, side, 0.5 + 0.5 * fStep);
    }
    PaintBody(c, k,
              [](cairo_t* p) {
                  cairo_move_to(p, -24, 4);
                  cairo_curve_to(p, -24, -12, 24, -12, 24, 4);
                  cairo_curve_to(p, 24, 20, -24, 20, -24, 4);
                  cairo_close_path(p);
              },
              [&](cairo_t* p) {
                  const double spots[][2] = {{-12, -2}, {-4, -5}, {6, -3}, {14, 0}, {-16, 6}, {10, 7}};
                  for (const auto& s : spots)
                      Dot(p, s[0], s[1], 2.2);
                  SetColour(p, k.Get("mark"), 0.8);
                  cairo_fill(p);
              },
              -8, 18);
    PaintEye(c, -9, -21, 4);
    PaintEye(c, 9, -21, 4);
}

void PaintCrabH(cairo_t* c, const SKind& k, const SMotion& m)
{
    cairo_save(c);
    cairo_scale(c, 0.9, 0.9);
    PaintCrabBody(c, k, m);
    cairo_restore(c);
    cairo_save(c);
    cairo_translate(c, 0, 6);
    LineArrows(c, m);
    cairo_restore(c);
}

// The column crab walks head first up the column: a tall shell, both
// claws reaching forward, the legs out to the sides.
void PaintCrabV(cairo_t* c, const SKind& k, const SMotion& m)
{
    const double fStep = std::sin(2 * kPi * m.fBeat);
    for (int side = -1; side <= 1; side += 2)
        for (int leg = 0; leg < 3; ++leg) {
            const double y = -4 + leg * 9, lift = (leg & 1 ? fStep : -fStep) * 3;
            cairo_move_to(c, side * 12, y);
            cairo_line_to(c, side * 26, y - 6 + lift);
            cairo_line_to(c, side * 32, y + 6 + lift);
        }
    SetColour(c, k.Get("line"));
    cairo_set_line_width(c, 5);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(c);
    SetColour(c, k.Get("fin"));
    cairo_set_line_width(c, 2.6);
    cairo_stroke(c);
    PaintBody(c, k,
              [](cairo_t* p) {
                  cairo_move_to(p, 0, -22);
                  cairo_curve_to(p, 16, -22, 18, 0, 16, 12);
                  cairo_curve_to(p, 14, 24, -14, 24, -16, 12);
                  cairo_curve_to(p, -18, 0, -16, -22, 0, -22);
                  cairo_close_path(p);
              },
              [&](cairo_t* p) {
                  const double spots[][2] = {{-6, -10}, {6, -8}, {-8, 4}, {8, 6}, {0, 14}};
                  for (const auto& s : spots)
                      Dot(p, s[0], s[1], 2.4);
                  SetColour(p, k.Get("mark"), 0.8);
                  cairo_fill(p);
              },
              -22, 22);
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(c);
        cairo_translate(c, side * 10, -18);
        cairo_rotate(c, -side * 1.05);
        cairo_translate(c, -side * 30, 10);
        Claw(c, k, side, 0.5 + 0.5 * fStep);
        cairo_restore(c);
    }
    PaintEye(c, -6, -17, 4);
    PaintEye(c, 6, -17, 4);
    cairo_save(c);
    cairo_rotate(c, kPi / 2);
    LineArrows(c, m);
    cairo_restore(c);
}

void StarPath(cairo_t* c, double fOuter, double fInner)
{
    for (int i = 0; i < 5; ++i) {
        const double a = -kPi / 2 + 2 * kPi * i / 5, b = a + kPi / 5;
        const double ox = std::cos(a) * fOuter, oy = std::sin(a) * fOuter;
        if (i == 0)
            cairo_move_to(c, ox, oy);
        else
            cairo_line_to(c, ox, oy);
        cairo_curve_to(c, ox * 0.6 + std::cos(b) * fInner * 0.4, oy * 0.6 + std::sin(b) * fInner * 0.4,
                       std::cos(b) * fInner, std::sin(b) * fInner, std::cos(b) * fInner, std::sin(b) * fInner);
        const double na = a + 2 * kPi / 5;
        cairo_curve_to(c, std::cos(b) * fInner, std::sin(b) * fInner,
                       std::cos(na) * fOuter * 0.6 + std::cos(b) * fInner * 0.4,
                       std::sin(na) * fOuter * 0.6 + std::sin(b) * fInner * 0.4, std::cos(na) * fOuter,
                       std::sin(na) * fOuter);
    }
    cairo_close_path(c);
}

void PaintSeastar(cairo_t* c, const SKind& k, const SMotion& m)
{
    cairo_save(c);
    cairo_rotate(c, 0.12 * std::sin(2 * kPi * m.fBeat));
    PaintBody(c, k, [](cairo_t* p) { StarPath(p, 42, 17); },
              [&](cairo_t* p) {
                  for (int i = 0; i < 5; ++i) {
                      const double a = -kPi / 2 + 2 * kPi * i / 5;
                      for (int j = 1; j <= 3; ++j)
                          Dot(p, std::cos(a) * j * 10, std::sin(a) * j * 10, 3.2 - j * 0.5);
                  }
                  Dot(p, 0, 0, 5);
                  SetColour(p, k.Get("mark"));
                  cairo_fill(p);
              },
              -40, 36);
    cairo_restore(c);
}

void HeartPath(cairo_t* c, double s)
{
    cairo_move_to(c, 0, 34 * s);
    cairo_curve_to(c, -20 * s, 18 * s, -40 * s, 4 * s, -38 * s, -14 * s);
    cairo_curve_to(c, -36 * s, -34 * s, -10 * s, -38 * s, 0, -18 * s);
    cairo_curve_to(c, 10 * s, -38 * s, 36 * s, -34 * s, 38 * s, -14 * s);
    cairo_curve_to(c, 40 * s, 4 * s, 20 * s, 18 * s, 0, 34 * s);
    cairo_close_path(c);
}

void PaintHeart(cairo_t* c, const SKind& k, const SMotion& m)
{
    // Two quick beats a loop, then rest.
    const double b = m.fBeat, fBeat = std::exp(-std::pow((b - 0.15) * 14, 2)) + 0.7 * std::exp(-std::pow((b - 0.35) * 14, 2));
    const double s = 1.0 + 0.07 * fBeat;
    PaintGlow(c, 0, 0, 48, k.Get("fin"), 0.25 + 0.3 * fBeat);
    PaintBody(c, k, [s](cairo_t* p) { HeartPath(p, s); },
              [&](cairo_t* p) {
                  cairo_move_to(p, -24, -22);
                  cairo_curve_to(p, -30, -10, -22, 4, -8, 14);
                  SetColour(p, k.Get("mark"), 0.5);
                  cairo_set_line_width(p, 5);
                  cairo_stroke(p);
              },
              -36, 34);
    cairo_save(c);
    cairo_translate(c, -16, -18);
    cairo_rotate(c, -0.6);
    cairo_scale(c, 9, 5);
    Dot(c, 0, 0, 1);
    cairo_restore(c);
    cairo_set_source_rgba(c, 1, 1, 1, 0.9);
    cairo_fill(c);
    DrawSparkle(c, 18, -20, 8, 0.9);
}

void SnowArm(cairo_t* c)
{
    cairo_move_to(c, 0, 0);
    cairo_line_to(c, 0, -40);
    for (int j = 1; j <= 2; ++j) {
        const double y = -14 * j - 4, l = 12 - j * 2;
        cairo_move_to(c, 0, y);
        cairo_line_to(c, -l, y - l);
        cairo_move_to(c, 0, y);
        cairo_line_to(c, l, y - l);
    }
}

void PaintSnowflake(cairo_t* c, const SKind& k, const SMotion& m)
{
    PaintGlow(c, 0, 0, 46, k.Get("fin"), 0.55);
    cairo_save(c);
    cairo_rotate(c, kPi / 3 * m.fBeat);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    const double widths[] = {11, 7, 3};
    const SColour colours[] = {k.Get("line"), k.Get("body"), k.Get("belly")};
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < 6; ++i) {
            cairo_save(c);
            cairo_rotate(c, kPi / 3 * i);
            SnowArm(c);
            cairo_restore(c);
        }
        SetColour(c, colours[pass]);
        cairo_set_line_width(c, widths[pass]);
        cairo_stroke(c);
    }
    cairo_new_sub_path(c);
    for (int i = 0; i < 6; ++i)
        cairo_line_to(c, 11 * std::cos(kPi / 3 * i), 11 * std::sin(kPi / 3 * i));
    cairo_close_path(c);
    SetColour(c, k.Get("fin"));
    cairo_fill_preserve(c);
    StrokeOutline(c, k, 2.4);
    cairo_restore(c);
    DrawSparkle(c, 18, -22, 9 * (0.5 + 0.5 * std::sin(2 * kPi * m.fBeat)), 0.9);
}

void TrunkLid(cairo_t* c, const SKind& k, double fOpen)
{
    cairo_save(c);
    // The lid hinges at its back edge and swings up and away.
    cairo_translate(c, 0, -8);
    cairo_scale(c, 1, 1 - 1.6 * fOpen);
    PaintBody(c, k,
              [](cairo_t* p) {
                  cairo_move_to(p, -34, 0);
                  cairo_curve_to(p, -34, -26, 34, -26, 34, 0);
                  cairo_close_path(p);
              },
              [&](cairo_t* p) {
                  for (double x : {-22.0, 18.0}) {
                      cairo_rectangle(p, x, -30, 5, 32);
                  }
                  SetColour(p, k.Get("fin"));
                  cairo_fill(p);
              },
              -20, 0);
    cairo_restore(c);
}

void PaintTrunk(cairo_t* c, const SKind& k, const SMotion& m)
{
    if (m.fOpen > 0)
        PaintGlow(c, 0, -8, 30 + 30 * m.fOpen, k.Get("mark"), m.fOpen);
    PaintBody(c, k, [](cairo_t* p) { cairo_rectangle(p, -34, -8, 68, 36); },
              [&](cairo_t* p) {
                  for (int i = 0; i < 3; ++i) {
                      cairo_move_to(p, -34, 4 + i * 10);
                      cairo_line_to(p, 34, 4 + i * 10);
                  }
                  SetColour(p, k.Get("belly"), 0.7);
                  cairo_set_line_width(p, 1.6);
                  cairo_stroke(p);
                  for (double x : {-22.0, 18.0})
                      cairo_rectangle(p, x, -10, 5, 40);
                  SetColour(p, k.Get("fin"));
                  cairo_fill(p);
              },
              -8, 28);
    if (m.fOpen > 0)
        for (int i = 0; i < 5; ++i) {
            Dot(c, -18 + i * 9, -9 - (i & 1) * 3, 5);
            SetColour(c, k.Get("fin"));
            cairo_fill_preserve(c);
            StrokeOutline(c, k, 1.4);
        }
    TrunkLid(c, k, m.fOpen);
    if (m.fOpen < 0.5) {
        cairo_rectangle(c, -6, -12, 12, 14);
        SetColour(c, k.Get("fin"));
        cairo_fill_preserve(c);
        StrokeOutline(c, k, 2);
        Dot(c, 0, -5, 2.2);
        SetColour(c, k.Get("line"));
        cairo_fill(c);
    }
    DrawSparkle(c, -26 + 52 * m.fBeat, -18 + 10 * std::sin(kPi * m.fBeat), 8, 0.9 * std::sin(kPi * m.fBeat));
}

}  // namespace

ItemPainter FindSpecialPainter(const std::string& strKind)
{
    static const std::map<std::string, ItemPainter> kSpecials = {
        {"crab_h", PaintCrabH}, {"crab_v", PaintCrabV},       {"seastar", PaintSeastar},
        {"heart", PaintHeart},  {"snowflake", PaintSnowflake}, {"trunk", PaintTrunk}};
    const auto it = kSpecials.find(strKind);
    return it == kSpecials.end() ? nullptr : it->second;
}

}  // namespace Art

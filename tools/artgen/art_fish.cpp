// The ten fish kinds. Each has its own outline and its own pattern (spots,
// bands, stripes, a swoosh, a net, chevrons, rings, a lure, eye-spots), so
// that no two can be confused when their colours cannot be told apart.
// Every fish faces right; fSway swings the tail.
#include <cmath>

#include "art_items.h"
#include "art_shapes.h"

namespace Art {

namespace {

// A fan tail hinged at (x, 0), reaching fLength back and fHalf high.
PathFn FanTail(double x, double fLength, double fHalf, double fSway, bool bForked)
{
    return [=](cairo_t* c) {
        const double s = fSway * fHalf * 0.35, tx = x - fLength;
        cairo_move_to(c, x + 2, -fHalf * 0.25);
        cairo_curve_to(c, x - fLength * 0.5, -fHalf * 0.4 + s, tx, -fHalf + s, tx - 2, -fHalf + s);
        if (bForked)
            cairo_curve_to(c, tx + fLength * 0.45, -fHalf * 0.3 + s, tx + fLength * 0.45, fHalf * 0.3 + s, tx - 2,
                           fHalf + s);
        else
            cairo_curve_to(c, tx - fLength * 0.25, -fHalf * 0.3 + s, tx - fLength * 0.25, fHalf * 0.3 + s, tx - 2,
                           fHalf + s);
        cairo_curve_to(c, tx, fHalf + s, x - fLength * 0.5, fHalf * 0.4 + s, x + 2, fHalf * 0.25);
        cairo_close_path(c);
    };
}

PathFn Ellipse(double x, double y, double rx, double ry)
{
    return [=](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, x, y);
        cairo_scale(c, rx, ry);
        cairo_new_sub_path(c);
        cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(c);
    };
}

void Dot(cairo_t* c, double x, double y, double r)
{
    cairo_new_sub_path(c);
    cairo_arc(c, x, y, r, 0, 2 * kPi);
}

void PaintPuffer(cairo_t* c, const SKind& k, const SMotion& m)
{
    PaintFin(c, k, FanTail(-24, 16, 12, m.fSway, false));
    // Spikes stand out of the round body, breathing with the beat.
    const double fPuff = 1.0 + 0.04 * std::sin(2 * kPi * m.fBeat);
    for (int i = 0; i < 16; ++i) {
        const double a = 2 * kPi * i / 16 + 0.1, r = 29 * fPuff;
        cairo_move_to(c, -2 + std::cos(a - 0.12) * r, std::sin(a - 0.12) * r);
        cairo_line_to(c, -2 + std::cos(a) * (r + 8), std::sin(a) * (r + 8));
        cairo_line_to(c, -2 + std::cos(a + 0.12) * r, std::sin(a + 0.12) * r);
        cairo_close_path(c);
    }
    SetColour(c, k.Get("fin"));
    cairo_fill_preserve(c);
    StrokeOutline(c, k, 2.2);
    PaintBody(c, k, Ellipse(-2, 0, 30 * fPuff, 29 * fPuff),
              [&](cairo_t* p) {
                  const double spots[][2] = {{-14, -16}, {-2, -20}, {10, -18}, {-20, -4}, {-8, -8}, {4, -10}, {-16, 8}};
                  for (const auto& s : spots)
                      Dot(p, s[0], s[1], 3.4);
                  SetColour(p, k.Get("mark"));
                  cairo_fill(p);
                  // A pale belly only below the middle, so the ball reads yellow.
                  cairo_arc(p, 0, 40, 30, 0, 2 * kPi);
                  SetColour(p, k.Get("belly"), 0.7);
                  cairo_fill(p);
              },
              -30, 30);
    PaintFin(c, k, Ellipse(2, 8, 9, 5 + 2 * m.fSway));
    PaintEye(c, 14, -8, 7.5);
    // A round pout: an orange lip ring around a small dark opening.
    Dot(c, 27, 6, 4.2);
    SetColour(c, k.Get("fin"));
    cairo_fill_preserve(c);
    StrokeOutline(c, k, 1.8);
    Dot(c, 27.6, 6, 1.7);
    SetColour(c, Darker(k.Get("mark"), 0.3));
    cairo_fill(c);
}

void PaintClown(cairo_t* c, const SKind& k, const SMotion& m)
{
    PaintFin(c, k, FanTail(-28, 15, 15, m.fSway, false));
    PaintFin(c, k, [](cairo_t* p) {
        cairo_move_to(p, 14, -18);
        cairo_curve_to(p, 8, -34, -16, -32, -22, -14);
        cairo_close_path(p);
    });
    PaintBody(c, k, Ellipse(0, 0, 33, 21),
              [&](cairo_t* p) {
                  // Bands bowed with the body, black-edged.
                  const double bands[] = {14, -4, -24};
                  for (double x : bands) {
                      cairo_move_to(p, x + 3, -30);
                      cairo_curve_to(p, x - 5, -10, x - 5, 10, x + 3, 30);
                      SetColour(p, k.Get("line"));
                      cairo_set_line_width(p, 10);
                      cairo_stroke_preserve(p);
                      SetColour(p, k.Get("mark"));
                      cairo_set_line_width(p, 6.5);
                      cairo_stroke(p);
                  }
              },
              -21, 21);
    PaintFin(c, k, Ellipse(4, 10, 8, 4 + 2 * m.fSway));
    PaintEye(c, 23, -5, 5.5);
    PaintMouth(c, k, 29, 7, 3.2);
}

void PaintAngel(cairo_t* c, const SKind& k, const SMotion& m)
{
    const double s = m.fSway * 3;
    PaintFin(c, k, [s](cairo_t* p) {
        cairo_move_to(p, 10, -20);
        cairo_curve_to(p, -4, -36, -20, -44, -30, -46 + s);
        cairo_curve_to(p, -24, -30, -22, -16, -16, -8);
        cairo_close_path(p);
        cairo_move_to(p, 10, 20);
        cairo_curve_to(p, -4, 36, -20, 44, -30, 46 + s);
        cairo_curve_to(p, -24, 30, -22, 16, -16, 8);
        cairo_close_path(p);
    });
    PaintFin(c, k, FanTail(-20, 14, 11, m.fSway, false));
    PaintBody(c, k,
              [](cairo_t* p) {
                  cairo_move_to(p, 32, 2);
                  cairo_curve_to(p, 24, -16, 8, -26, -4, -24);
                  cairo_curve_to(p, -16, -22, -22, -8, -22, 0);
                  cairo_curve_to(p, -22, 8, -16, 22, -4, 24);
                  cairo_curve_to(p, 8, 26, 24, 16, 32, 2);
                  cairo_close_path(p);
              },
              [&](cairo_t* p) {
                  for (int i = 0; i < 4; ++i) {
                      const double x = 16 - i * 11;
                      cairo_move_to(p, x + 3, -30);
                      cairo_curve_to(p, x - 3, -10, x - 3, 10, x + 3, 30);
                  }
                  SetColour(p, k.Get("mark"));
                  cairo_set_line_width(p, 3.6);
                  cairo_stroke(p);
              },
              -24, 24);
    PaintEye(c, 19, -5, 5);
}

void PaintTang(cairo_t* c, const SKind& k, const SMotion& m)
{
    PaintFin(c, k, FanTail(-26, 16, 18, m.fSway, true), "tail");
    PaintFin(c, k, [](cairo_t* p) {
        cairo_move_to(p, 18, -18);
        cairo_curve_to(p, 6, -28, -16, -28, -28, -8);
        cairo_line_to(p, -20, -8);
        cairo_close_path(p);
    });
    PaintBody(c, k, Ellipse(0, 0, 31, 21),
              [&](cairo_t* p) {
                  // The palette mark: a dark sweep from behind the eye that
                  // loops back under itself.
                  cairo_move_to(p, 18, -14);
                  cairo_curve_to(p, 0, -22, -22, -16, -30, -2);
                  cairo_curve_to(p, -18, -6, -8, 0, -4, 8);
                  cairo_curve_to(p, -2, -2, 6, -8, 18, -6);
                  cairo_close_path(p);
                  SetColour(p, k.Get("mark"));
                  cairo_fill(p);
              },
              -21, 21);
    PaintFin(c, k, Ellipse(6, 8, 8, 4 + 2 * m.fSway));
    PaintEye(c, 21, -6, 5.5);
    PaintMouth(c, k, 28, 5, 2.6);
}

void PaintNeedle(cairo_t* c, const SKind& k, const SMotion& m)
{
    cairo_save(c);
    cairo_rotate(c, -0.42);
    cairo_scale(c, 1.04, 1.3);
    PaintFin(c, k, FanTail(-34, 12, 9, m.fSway, true));
    PaintFin(c, k, [](cairo_t* p) {
        cairo_move_to(p, -14, -8);
        cairo_curve_to(p, -20, -18, -28, -16, -30, -6);
        cairo_close_path(p);
        cairo_move_to(p, -14, 8);
        cairo_curve_to(p, -20, 18, -28, 16, -30, 6);
        cairo_close_path(p);
    });
    PaintBody(c, k,
              [](cairo_t* p) {
                  cairo_move_to(p, 48, 0);
                  cairo_curve_to(p, 34, -3, 24, -11, 4, -11);
                  cairo_curve_to(p, -18, -11, -34, -6, -36, 0);
                  cairo_curve_to(p, -34, 6, -18, 11, 4, 11);
                  cairo_curve_to(p, 24, 11, 34, 3, 48, 0);
                  cairo_close_path(p);
              },
              [&](cairo_t* p) {
                  cairo_rectangle(p, -40, -12, 86, 9);
                  SetColour(p, Darker(k.Get("fin"), 0.35));
                  cairo_fill(p);
                  cairo_rectangle(p, -40, -2.5, 86, 4.5);
                  SetColour(p, k.Get("mark"));
                  cairo_fill(p);
                  for (int i = 0; i < 5; ++i)
                      Dot(p, -24 + i * 10, 6, 1.6);
                  SetColour(p, Darker(k.Get("fin"), 0.2), 0.8);
                  cairo_fill(p);
              },
              -11, 11);
    PaintEye(c, 19, -3, 4.2);
    cairo_restore(c);
}

void PaintBoxfish(cairo_t* c, const SKind& k, const SMotion& m)
{
    PaintFin(c, k, FanTail(-24, 13, 10, m.fSway, false));
    PaintBody(c, k,
              [](cairo_t* p) {
                  const double x0 = -27, y0 = -24, x1 = 25, y1 = 22, r = 11;
                  cairo_new_sub_path(p);
                  cairo_arc(p, x1 - r, y0 + r, r, -kPi / 2, 0);
                  cairo_arc(p, x1 - r + 2, y1 - r, r, 0, kPi / 2);
                  cairo_arc(p, x0 + r, y1 - r, r, kPi / 2, kPi);
                  cairo_arc(p, x0 + r, y0 + r, r, kPi, 1.5 * kPi);
                  cairo_close_path(p);
              },
              [&](cairo_t* p) {
                  // Honeycomb plates with a pale spot in each.
                  for (int row = -3; row <= 3; ++row)
                      for (int col = -3; col <= 3; ++col) {
                          const double x = col * 13 + (row & 1) * 6.5, y = row * 11;
                          cairo_new_sub_path(p);
                          for (int i = 0; i < 6; ++i)
                              cairo_line_to(p, x + 7 * std::cos(kPi / 3 * i + kPi / 6), y + 7 * std::sin(kPi / 3 * i + kPi / 6));
                          cairo_close_path(p);
                      }
                  SetColour(p, k.Get("mark"), 0.8);
                  cairo_set_line_width(p, 1.8);
                  cairo_stroke(p);
                  for (int row = -3; row <= 3; ++row)
                      for (int col = -3; col <= 3; ++col)
                          Dot(p, col * 13 + (row & 1) * 6.5, row * 11, 2.2);
                  SetColour(p, Lighter(k.Get("belly"), 0.5));
                  cairo_fill(p);
              },
              -24, 22);
    PaintFin(c, k, Ellipse(2, 6, 7, 4 + 2 * m.fSway));
    // The pout: round pursed lips.
    Dot(c, 27, 6, 3.8);
    SetColour(c, Lighter(k.Get("fin"), 0.3));
    cairo_fill_preserve(c);
    StrokeOutline(c, k, 1.8);
    PaintEye(c, 13, -9, 6.5);
}

void PaintTrigger(cairo_t* c, const SKind& k, const SMotion& m)
{
    PaintFin(c, k, FanTail(-22, 14, 13, m.fSway, false));
    PaintFin(c, k, [](cairo_t* p) {
        cairo_move_to(p, 4, -22);
        cairo_line_to(p, -4, -38);
        cairo_line_to(p, -10, -18);
        cairo_close_path(p);
    });
    PaintBody(c, k,
              [](cairo_t* p) {
                  cairo_move_to(p, 34, 4);
                  cairo_curve_to(p, 24, -10, 12, -24, 0, -25);
                  cairo_curve_to(p, -12, -20, -24, -6, -24, 0);
                  cairo_curve_to(p, -24, 6, -12, 20, 0, 25);
                  cairo_curve_to(p, 12, 22, 26, 14, 34, 4);
                  cairo_close_path(p);
              },
              [&](cairo_t* p) {
                  for (int i = 0; i < 3; ++i) {
                      const double x = 10 - i * 12;
                      cairo_move_to(p, x, -30);
                      cairo_line_to(p, x - 10, 0);
                      cairo_line_to(p, x, 30);
                  }
                  SetColour(p, k.Get("mark"));
                  cairo_set_line_width(p, 4.4);
                  cairo_stroke(p);
              },
              -25, 25);
    PaintEye(c, 14, -10, 5);
    PaintMouth(c, k, 30, 6, 2.6);
}

void PaintSeahorse(cairo_t* c, const SKind& k, const SMotion& m)
{
    // A chain of rings along an S, curling into the tail.
    const int kRings = 14;
    double px[kRings], py[kRings], pr[kRings];
    for (int i = 0; i < kRings; ++i) {
        const double t = i / double(kRings - 1);
        px[i] = -6 + 14 * std::sin(t * kPi * 1.1) - (t > 0.7 ? 12 * (t - 0.7) / 0.3 : 0) + m.fSway * 2 * t;
        py[i] = -22 + 58 * t - (t > 0.82 ? 10 * (t - 0.82) / 0.18 : 0);
        pr[i] = 13 - 10 * t;
    }
    PaintFin(c, k, Ellipse(-12, -2, 6 + m.fSway, 11));
    for (int pass = 0; pass < 2; ++pass)
        for (int i = kRings - 1; i >= 0; --i) {
            Dot(c, px[i], py[i], pr[i] + (pass == 0 ? kOutline / 2 : 0));
            if (pass == 0)
                SetColour(c, k.Get("line"));
            else
                SetColour(c, Mix(k.Get("body"), k.Get("belly"), (i & 1) ? 0.0 : 0.55));
            cairo_fill(c);
            if (pass == 1 && i > 0) {
                cairo_arc(c, px[i], py[i], pr[i] * 0.9, kPi * 1.1, kPi * 1.9);
                SetColour(c, k.Get("mark"));
                cairo_set_line_width(c, 1.8);
                cairo_stroke(c);
            }
        }
    PaintBody(c, k,
              [](cairo_t* p) {
                  cairo_move_to(p, -10, -30);
                  cairo_curve_to(p, -6, -44, 10, -44, 12, -34);
                  cairo_line_to(p, 30, -32);
                  cairo_line_to(p, 30, -24);
                  cairo_line_to(p, 10, -22);
                  cairo_curve_to(p, 4, -14, -10, -18, -10, -30);
                  cairo_close_path(p);
              },
              nullptr, -44, -18);
    PaintFin(c, k, [](cairo_t* p) {
        cairo_move_to(p, -4, -40);
        cairo_line_to(p, -8, -48);
        cairo_line_to(p, 0, -44);
        cairo_line_to(p, 2, -50);
        cairo_line_to(p, 4, -41);
        cairo_close_path(p);
    });
    PaintEye(c, 3, -33, 4.5);
}

void PaintAngler(cairo_t* c, const SKind& k, const SMotion& m)
{
    PaintFin(c, k, FanTail(-26, 14, 12, m.fSway, false));
    PaintBody(c, k, Ellipse(-4, 4, 29, 27),
              [&](cairo_t* p) {
                  const double specks[][2] = {{-18, -8}, {-8, -16}, {-22, 8}, {-10, 2}, {2, -6}};
                  for (const auto& s : specks)
                      Dot(p, s[0], s[1], 1.8);
                  SetColour(p, k.Get("belly"), 0.8);
                  cairo_fill(p);
              },
              -23, 31);
    // The wide jaw with its teeth.
    cairo_move_to(c, 25, -4);
    cairo_curve_to(c, 14, 2, 10, 10, 12, 16);
    cairo_curve_to(c, 18, 20, 26, 16, 27, 10);
    cairo_close_path(c);
    cairo_set_source_rgb(c, 0.12, 0.02, 0.1);
    cairo_fill(c);
    for (int i = 0; i < 4; ++i) {
        const double x = 14 + i * 3.6;
        cairo_move_to(c, x, 3 + i * 0.6);
        cairo_line_to(c, x + 1.8, 8 + i * 0.6);
        cairo_line_to(c, x + 3.4, 2 + i * 0.6);
        cairo_close_path(c);
    }
    cairo_set_source_rgb(c, 1, 1, 0.95);
    cairo_fill(c);
    const double fBob = 2 * std::sin(2 * kPi * m.fBeat);
    cairo_move_to(c, 2, -21);
    cairo_curve_to(c, 8, -42, 26, -44, 30, -32 + fBob);
    SetColour(c, k.Get("line"));
    cairo_set_line_width(c, 2.6);
    cairo_stroke(c);
    const double fPulse = 0.75 + 0.25 * std::sin(2 * kPi * m.fBeat);
    PaintGlow(c, 30, -30 + fBob, 14 * fPulse, k.Get("glow"), 0.9);
    Dot(c, 30, -30 + fBob, 4.2);
    SetColour(c, Lighter(k.Get("glow"), 0.5));
    cairo_fill(c);
    PaintEye(c, 10, -8, 4.5);
}

void PaintManta(cairo_t* c, const SKind& k, const SMotion& m)
{
    const double w = 6 * m.fSway;
    cairo_move_to(c, 0, 16);
    cairo_curve_to(c, 2, 28, -4 + m.fSway * 3, 38, 2 + m.fSway * 6, 46);
    SetColour(c, k.Get("line"));
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    PaintBody(c, k,
              [w](cairo_t* p) {
                  cairo_move_to(p, 0, -24);
                  cairo_curve_to(p, 14, -24, 30, -10, 46, 4 - w);
                  cairo_curve_to(p, 30, 8, 16, 12, 0, 20);
                  cairo_curve_to(p, -16, 12, -30, 8, -46, 4 - w);
                  cairo_curve_to(p, -30, -10, -14, -24, 0, -24);
                  cairo_close_path(p);
              },
              [&](cairo_t* p) {
                  for (int side = -1; side <= 1; side += 2) {
                      Dot(p, side * 15, -2, 7.5);
                      SetColour(p, k.Get("mark"));
                      cairo_fill(p);
                      Dot(p, side * 15, -2, 3.5);
                      SetColour(p, Darker(k.Get("body"), 0.4));
                      cairo_fill(p);
                  }
                  cairo_move_to(p, 0, -20);
                  cairo_line_to(p, 0, 18);
                  SetColour(p, Lighter(k.Get("body"), 0.4), 0.7);
                  cairo_set_line_width(p, 3);
                  cairo_stroke(p);
              },
              -24, 20);
    PaintFin(c, k, [](cairo_t* p) {
        cairo_move_to(p, -8, -22);
        cairo_curve_to(p, -12, -30, -8, -34, -4, -32);
        cairo_line_to(p, -3, -23);
        cairo_close_path(p);
        cairo_move_to(p, 8, -22);
        cairo_curve_to(p, 12, -30, 8, -34, 4, -32);
        cairo_line_to(p, 3, -23);
        cairo_close_path(p);
    });
    PaintEye(c, -9, -17, 3.2);
    PaintEye(c, 9, -17, 3.2);
}

}  // namespace

ItemPainter FindFishPainter(const std::string& strKind)
{
    static const std::map<std::string, ItemPainter> kFish = {
        {"puffer", PaintPuffer}, {"clown", PaintClown},     {"angel", PaintAngel},   {"tang", PaintTang},
        {"needle", PaintNeedle}, {"boxfish", PaintBoxfish}, {"trigger", PaintTrigger}, {"seahorse", PaintSeahorse},
        {"angler", PaintAngler}, {"manta", PaintManta}};
    const auto it = kFish.find(strKind);
    return it == kFish.end() ? nullptr : it->second;
}

}  // namespace Art

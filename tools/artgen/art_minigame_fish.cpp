// The sixteen reef fish of the memory game. Six outlines (angelfish,
// tang, lyre-tailed surgeon, butterflyfish, moorish idol, clownfish and
// triggerfish) and a pattern each, so that no two cards can be confused
// without their colours. Every fish faces right in a 100-unit box.
#include <cmath>
#include <stdexcept>

#include "art_minigame.h"
#include "art_shapes.h"

namespace Art {

namespace {

struct SShape {
    PathFn body;
    std::vector<PathFn> fins;  // behind the body
    PathFn tail;
    double fTop = -24, fBottom = 24;
    double fEyeX = 18, fEyeY = -5, fEyeR = 5;
    double fMouthX = 28, fMouthY = 4;
};

PathFn Oval(double x, double y, double rx, double ry)
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

// A tail hinged at (x, 0): round fan, shallow fork or long lyre.
PathFn Tail(double x, double fLength, double fHalf, double fSway, int nKind)
{
    return [=](cairo_t* c) {
        const double s = fSway * fHalf * 0.3, tx = x - fLength;
        const double fNotch = nKind == 0 ? -0.25 : nKind == 1 ? 0.35 : 0.7;
        cairo_move_to(c, x + 2, -fHalf * 0.3);
        cairo_curve_to(c, x - fLength * 0.5, -fHalf * 0.45 + s, tx, -fHalf + s, tx - 2, -fHalf + s);
        cairo_curve_to(c, tx + fLength * fNotch, -fHalf * 0.25 + s, tx + fLength * fNotch, fHalf * 0.25 + s, tx - 2,
                       fHalf + s);
        cairo_curve_to(c, tx, fHalf + s, x - fLength * 0.5, fHalf * 0.45 + s, x + 2, fHalf * 0.3);
        cairo_close_path(c);
    };
}

// A fin sweeping from the body's back (sign -1 up, +1 down) to a point.
PathFn SweptFin(double x0, double x1, double fSign, double fTipX, double fTipY, double fRoot)
{
    return [=](cairo_t* c) {
        cairo_move_to(c, x0, fSign * fRoot);
        cairo_curve_to(c, x0 - 8, fSign * (fRoot + 10), fTipX + 10, fSign * fTipY, fTipX, fSign * fTipY);
        cairo_curve_to(c, fTipX + 6, fSign * (fTipY - 10), x1 + 2, fSign * (fRoot * 0.6), x1, fSign * fRoot * 0.4);
        cairo_close_path(c);
    };
}

SShape Angel(double fSway, double fFinReach)
{
    SShape shape;
    shape.body = [](cairo_t* p) {
        cairo_move_to(p, 31, 3);
        cairo_curve_to(p, 25, -16, 8, -27, -6, -26);
        cairo_curve_to(p, -19, -24, -23, -10, -23, 0);
        cairo_curve_to(p, -23, 10, -19, 24, -6, 26);
        cairo_curve_to(p, 8, 27, 25, 18, 31, 3);
        cairo_close_path(p);
    };
    shape.fins = {SweptFin(12, -18, -1, -26 - fFinReach * 0.4, 30 + fFinReach, 22),
                  SweptFin(12, -18, 1, -26 - fFinReach * 0.4, 30 + fFinReach, 22)};
    shape.tail = Tail(-20, 14, 13 + fFinReach * 0.2, fSway, 0);
    shape.fTop = -27;
    shape.fBottom = 27;
    shape.fEyeX = 19;
    shape.fEyeY = -6;
    shape.fMouthX = 29;
    shape.fMouthY = 5;
    return shape;
}

SShape Tang(double fSway, int nTail)
{
    SShape shape;
    shape.body = [](cairo_t* p) {
        cairo_move_to(p, 33, 2);
        cairo_curve_to(p, 28, -14, 12, -23, -4, -22);
        cairo_curve_to(p, -20, -21, -28, -8, -28, 0);
        cairo_curve_to(p, -28, 8, -20, 21, -4, 22);
        cairo_curve_to(p, 12, 23, 28, 14, 33, 2);
        cairo_close_path(p);
    };
    shape.fins = {[](cairo_t* p) {
                      cairo_move_to(p, 20, -16);
                      cairo_curve_to(p, 8, -30, -20, -28, -30, -10);
                      cairo_line_to(p, -20, -8);
                      cairo_close_path(p);
                  },
                  [](cairo_t* p) {
                      cairo_move_to(p, 8, 18);
                      cairo_curve_to(p, 0, 28, -20, 26, -30, 10);
                      cairo_line_to(p, -20, 8);
                      cairo_close_path(p);
                  }};
    shape.tail = Tail(-26, nTail == 2 ? 22 : 16, nTail == 2 ? 22 : 17, fSway, nTail);
    shape.fTop = -22;
    shape.fBottom = 22;
    shape.fEyeX = 21;
    shape.fEyeY = -6;
    shape.fMouthX = 30;
    shape.fMouthY = 4;
    return shape;
}

SShape Butterfly(double fSway)
{
    SShape shape;
    shape.body = [](cairo_t* p) {
        cairo_move_to(p, 38, 2);
        cairo_curve_to(p, 30, -2, 26, -8, 20, -18);
        cairo_curve_to(p, 10, -30, -16, -30, -24, -12);
        cairo_curve_to(p, -29, 0, -24, 14, -16, 22);
        cairo_curve_to(p, -4, 30, 14, 26, 22, 14);
        cairo_curve_to(p, 26, 8, 30, 5, 38, 5);
        cairo_close_path(p);
    };
    shape.fins = {Oval(-14, -14, 16, 14), Oval(-14, 14, 16, 14)};
    shape.tail = Tail(-26, 12, 11, fSway, 0);
    shape.fTop = -28;
    shape.fBottom = 28;
    shape.fEyeX = 17;
    shape.fEyeY = -4;
    shape.fEyeR = 4.5;
    shape.fMouthX = 37;
    shape.fMouthY = 3.5;
    return shape;
}

SShape Idol(double fSway)
{
    SShape shape;
    const double s = fSway * 3;
    shape.body = [](cairo_t* p) {
        cairo_move_to(p, 38, 8);
        cairo_curve_to(p, 30, 2, 22, -8, 14, -20);
        cairo_curve_to(p, 6, -30, -12, -28, -20, -14);
        cairo_curve_to(p, -26, -2, -24, 16, -12, 26);
        cairo_curve_to(p, 0, 34, 16, 24, 26, 14);
        cairo_curve_to(p, 30, 11, 34, 10, 38, 11);
        cairo_close_path(p);
    };
    // The long white streamer trailing from the dorsal fin.
    shape.fins = {[s](cairo_t* p) {
                      cairo_move_to(p, 12, -20);
                      cairo_curve_to(p, 6, -36, -8, -44, -34, -44 + s);
                      cairo_curve_to(p, -14, -38, -6, -30, -6, -24);
                      cairo_close_path(p);
                  },
                  [](cairo_t* p) {
                      cairo_move_to(p, 6, 28);
                      cairo_curve_to(p, 0, 38, -16, 38, -22, 26);
                      cairo_line_to(p, -16, 18);
                      cairo_close_path(p);
                  }};
    shape.tail = Tail(-21, 11, 9, fSway, 1);
    shape.fTop = -28;
    shape.fBottom = 30;
    shape.fEyeX = 18;
    shape.fEyeY = -2;
    shape.fEyeR = 4.5;
    shape.fMouthX = 37;
    shape.fMouthY = 9;
    return shape;
}

SShape Clown(double fSway)
{
    SShape shape;
    shape.body = Oval(0, 0, 33, 20);
    shape.fins = {[](cairo_t* p) {
                      cairo_move_to(p, 14, -17);
                      cairo_curve_to(p, 8, -32, -16, -32, -22, -13);
                      cairo_close_path(p);
                  },
                  Oval(-12, 16, 10, 7)};
    shape.tail = Tail(-28, 15, 15, fSway, 0);
    shape.fTop = -20;
    shape.fBottom = 20;
    shape.fEyeX = 22;
    shape.fEyeY = -5;
    shape.fMouthX = 30;
    shape.fMouthY = 6;
    return shape;
}

SShape Trigger(double fSway)
{
    SShape shape;
    shape.body = [](cairo_t* p) {
        cairo_move_to(p, 36, 2);
        cairo_curve_to(p, 26, -10, 12, -22, -2, -22);
        cairo_curve_to(p, -16, -20, -26, -6, -27, 0);
        cairo_curve_to(p, -26, 6, -16, 20, -2, 22);
        cairo_curve_to(p, 12, 22, 26, 12, 36, 2);
        cairo_close_path(p);
    };
    shape.fins = {[](cairo_t* p) {
                      // The trigger spine, then the soft fins at the back.
                      cairo_move_to(p, 6, -20);
                      cairo_line_to(p, 0, -34);
                      cairo_line_to(p, -2, -20);
                      cairo_close_path(p);
                      cairo_move_to(p, -6, -18);
                      cairo_curve_to(p, -12, -30, -24, -22, -28, -6);
                      cairo_close_path(p);
                  },
                  [](cairo_t* p) {
                      cairo_move_to(p, -6, 18);
                      cairo_curve_to(p, -12, 30, -24, 22, -28, 6);
                      cairo_close_path(p);
                  }};
    shape.tail = Tail(-25, 12, 12, fSway, 1);
    shape.fTop = -22;
    shape.fBottom = 22;
    shape.fEyeX = 12;
    shape.fEyeY = -8;
    shape.fMouthX = 34;
    shape.fMouthY = 3;
    return shape;
}

SShape ShapeOf(const std::string& strShape, double fSway)
{
    if (strShape == "angel") return Angel(fSway, 10);
    if (strShape == "angel_short") return Angel(fSway, 2);
    if (strShape == "angel_long") return Angel(fSway, 18);
    if (strShape == "tang") return Tang(fSway, 1);
    if (strShape == "lyre") return Tang(fSway, 2);
    if (strShape == "butterfly") return Butterfly(fSway);
    if (strShape == "idol") return Idol(fSway);
    if (strShape == "clown") return Clown(fSway);
    if (strShape == "trigger") return Trigger(fSway);
    throw std::runtime_error("no reef fish shape \"" + strShape + "\"");
}

void Stroke(cairo_t* c, const SColour& colour, double fWidth)
{
    SetColour(c, colour);
    cairo_set_line_width(c, fWidth);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(c);
}

void Bar(cairo_t* c, double x, double fWidth, double fBend)
{
    cairo_move_to(c, x + fBend, -34);
    cairo_curve_to(c, x - fBend, -12, x - fBend, 12, x + fBend, 34);
    cairo_set_line_width(c, fWidth);
}

// The pattern inside the body's outline.
void PaintPattern(cairo_t* c, const std::string& strPattern, const SKind& k)
{
    const SColour mark = k.Get("mark");
    if (strPattern == "mask") {
        // A dark face with a white cheek stripe.
        cairo_rectangle(c, 10, -40, 40, 80);
        SetColour(c, mark);
        cairo_fill(c);
        cairo_move_to(c, 12, -20);
        cairo_curve_to(c, 8, -6, 8, 8, 14, 20);
        Stroke(c, k.Get("mark2"), 4);
    } else if (strPattern == "bicolor") {
        cairo_move_to(c, -4, -40);
        cairo_curve_to(c, 6, -10, 4, 10, 14, 40);
        cairo_line_to(c, -40, 40);
        cairo_line_to(c, -40, -40);
        cairo_close_path(c);
        SetColour(c, mark);
        cairo_fill(c);
    } else if (strPattern == "eyeband") {
        Bar(c, 18, 7, 2);
        Stroke(c, mark, 7);
        Bar(c, -8, 3, 3);
        Stroke(c, Lighter(mark, 0.3), 3);
        cairo_arc(c, -14, 10, 5, 0, 2 * kPi);
        SetColour(c, mark);
        cairo_fill_preserve(c);
        Stroke(c, k.Get("mark2"), 1.6);
    } else if (strPattern == "arches") {
        for (int i = 0; i < 6; ++i) {
            const double y = -20 + i * 8;
            cairo_move_to(c, -26, y + 6);
            cairo_curve_to(c, -10, y - 6, 10, y - 6, 26, y + 2);
        }
        Stroke(c, mark, 3);
        Bar(c, 20, 6, 1);
        Stroke(c, k.Get("mark2"), 6);
    } else if (strPattern == "bars") {
        for (double x : {22.0, 10.0, -2.0, -14.0, -26.0}) {
            Bar(c, x, 3.2, 2);
            Stroke(c, mark, 3.2);
        }
    } else if (strPattern == "flame") {
        for (double x : {8.0, 0.0, -8.0}) {
            cairo_move_to(c, x, -26);
            cairo_line_to(c, x - 2, -12);
            cairo_move_to(c, x - 2, 12);
            cairo_line_to(c, x, 26);
        }
        Stroke(c, mark, 3);
        cairo_arc(c, 6, 4, 14, 0, 2 * kPi);
        SetColour(c, Lighter(k.Get("body"), 0.35), 0.5);
        cairo_fill(c);
    } else if (strPattern == "swoosh") {
        cairo_move_to(c, 20, -14);
        cairo_curve_to(c, 0, -22, -22, -16, -30, -2);
        cairo_curve_to(c, -18, -6, -8, 0, -4, 8);
        cairo_curve_to(c, -2, -2, 6, -8, 20, -6);
        cairo_close_path(c);
        SetColour(c, mark);
        cairo_fill(c);
    } else if (strPattern == "rings") {
        for (int i = 0; i < 4; ++i) {
            cairo_new_sub_path(c);
            cairo_arc(c, -22, 0, 8 + i * 9, -kPi / 2, kPi / 2);
        }
        Stroke(c, mark, 2.6);
        Bar(c, 18, 2.6, 1);
        Stroke(c, mark, 2.6);
    } else if (strPattern == "idol") {
        Bar(c, 16, 10, 1);
        Stroke(c, mark, 10);
        Bar(c, -10, 11, 3);
        Stroke(c, mark, 11);
        Bar(c, 3, 3, 2);
        Stroke(c, k.Get("mark2"), 3);
    } else if (strPattern == "net") {
        for (int i = -4; i <= 4; ++i) {
            cairo_move_to(c, -30 + i * 9, -30);
            cairo_line_to(c, -10 + i * 9, 30);
            cairo_move_to(c, -10 + i * 9, -30);
            cairo_line_to(c, -30 + i * 9, 30);
        }
        Stroke(c, mark, 1.6);
        Bar(c, 16, 6, 1);
        Stroke(c, k.Get("mark2"), 6);
    } else if (strPattern == "clown") {
        for (double x : {16.0, -2.0, -22.0}) {
            Bar(c, x, 10, 3);
            Stroke(c, k.Get("line"), 10);
            Bar(c, x, 6.5, 3);
            Stroke(c, mark, 6.5);
        }
    } else if (strPattern == "dots") {
        // A speckled face and fine lines along the flank.
        for (int i = 0; i < 20; ++i) {
            const double x = 8 + (i % 5) * 5 + (i / 5 % 2) * 2.5, y = -12 + (i / 5) * 6;
            cairo_new_sub_path(c);
            cairo_arc(c, x, y, 1.6, 0, 2 * kPi);
        }
        SetColour(c, mark);
        cairo_fill(c);
        for (int i = 0; i < 5; ++i) {
            cairo_move_to(c, -26, -12 + i * 6);
            cairo_line_to(c, 2, -12 + i * 6);
        }
        Stroke(c, Lighter(k.Get("body"), 0.25), 1.4);
    } else if (strPattern == "regal") {
        for (double x : {18.0, 6.0, -6.0, -18.0}) {
            Bar(c, x, 6, 2);
            Stroke(c, Darker(mark, 0.35), 6);
            Bar(c, x, 3.4, 2);
            Stroke(c, mark, 3.4);
        }
    } else if (strPattern == "lemon") {
        cairo_arc(c, 19, -6, 8.5, 0, 2 * kPi);
        Stroke(c, mark, 2.6);
        cairo_move_to(c, 12, 6);
        cairo_curve_to(c, 10, 10, 10, 14, 12, 18);
        Stroke(c, mark, 2.4);
    } else if (strPattern == "spot") {
        // A dark body, a white gill edge and a bright tear by the tail.
        cairo_move_to(c, -12, 0);
        cairo_curve_to(c, -18, -8, -26, -8, -30, 0);
        cairo_curve_to(c, -26, 8, -18, 8, -12, 0);
        SetColour(c, mark);
        cairo_fill(c);
        cairo_move_to(c, 14, -18);
        cairo_curve_to(c, 8, -6, 8, 6, 14, 18);
        Stroke(c, k.Get("mark2"), 2.6);
    } else if (strPattern == "picasso") {
        cairo_move_to(c, 2, -40);
        cairo_line_to(c, -14, 40);
        cairo_line_to(c, -40, 40);
        cairo_line_to(c, -40, -40);
        cairo_close_path(c);
        SetColour(c, Darker(k.Get("body"), 0.45), 0.55);
        cairo_fill(c);
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(c, 30, -6 + i * 4);
            cairo_line_to(c, 4, -14 + i * 10);
        }
        Stroke(c, mark, 2.2);
        cairo_move_to(c, -6, 8);
        cairo_line_to(c, -26, 18);
        cairo_move_to(c, -4, 14);
        cairo_line_to(c, -22, 24);
        Stroke(c, k.Get("mark2"), 3);
    } else {
        throw std::runtime_error("no reef fish pattern \"" + strPattern + "\"");
    }
}

}  // namespace

void PaintReefFish(cairo_t* c, const SReefLine& fish, double fSway)
{
    const SKind& k = fish.colours;
    const SShape shape = ShapeOf(fish.strShape, fSway);
    for (const PathFn& fin : shape.fins)
        PaintFin(c, k, fin);
    PaintFin(c, k, shape.tail, k.colours.count("tail") ? "tail" : "fin");
    PaintBody(c, k, shape.body, [&](cairo_t* p) { PaintPattern(p, fish.strPattern, k); }, shape.fTop, shape.fBottom);
    PaintEye(c, shape.fEyeX, shape.fEyeY, shape.fEyeR);
    PaintMouth(c, k, shape.fMouthX, shape.fMouthY, 2.6);
}

}  // namespace Art

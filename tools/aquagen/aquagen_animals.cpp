// The big animals that swim far behind the fish, the paths they take and
// the camera they are seen through. They are flat painted cut-outs, dim
// with distance, animated by looping tracks on their parts.
#include <cmath>

#include "aquagen.h"
#include "art_shapes.h"

namespace Aqua {

namespace {

const Art::SColour FAR_WATER = {0.07, 0.30, 0.46, 1.0};
// Far away, the animals take much of the water's colour.
const double FAR_VEIL = 0.42;
const char RIGID[] = "mesh_rigid.fx";
// Camera01 looks along +z from this far in front of the paths' plane.
const float CAMERA_DISTANCE = 1200.0f;

void FillOutlined(cairo_t* c, const Art::SColour& top, const Art::SColour& bottom, double y0, double y1)
{
    Art::FillVertical(c, y0, y1, top, bottom);
    Art::SetColour(c, Art::Darker(bottom, 0.5));
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
}

// Shell and head, side on, head to the right.
void PaintTurtle(Art::CCanvas& canvas)
{
    cairo_t* c = canvas.Context();
    const Art::SColour skin = Art::ParseColour("9AAE6A"), shell = Art::ParseColour("5E7A3A");
    Ellipse(c, 218, 70, 30, 20);
    cairo_new_sub_path(c);
    FillOutlined(c, Art::Lighter(skin, 0.2), skin, 50, 92);
    Art::PaintEye(c, 232, 64, 4.5);
    cairo_move_to(c, 20, 78);
    cairo_curve_to(c, 40, 10, 190, 6, 204, 78);
    cairo_close_path(c);
    FillOutlined(c, Art::Lighter(shell, 0.25), Art::Darker(shell, 0.2), 14, 80);
    Art::SetColour(c, Art::Darker(shell, 0.45), 0.8);
    cairo_set_line_width(c, 2.5);
    for (double x : {70.0, 112.0, 154.0}) {
        cairo_move_to(c, x - 20, 76);
        cairo_line_to(c, x, 40);
        cairo_line_to(c, x + 20, 76);
        cairo_stroke(c);
    }
    cairo_rectangle(c, 24, 76, 178, 10);
    FillOutlined(c, Art::ParseColour("C8C08A"), Art::ParseColour("A89A62"), 76, 86);
    Veil(canvas, FAR_WATER, FAR_VEIL);
}

void PaintFlipper(Art::CCanvas& canvas)
{
    cairo_t* c = canvas.Context();
    cairo_move_to(c, 4, 10);
    cairo_curve_to(c, 30, 0, 60, 10, 62, 26);
    cairo_curve_to(c, 40, 24, 20, 20, 4, 20);
    cairo_close_path(c);
    FillOutlined(c, Art::ParseColour("A8BC7A"), Art::ParseColour("7A8E52"), 2, 26);
    Veil(canvas, FAR_WATER, FAR_VEIL);
}

void PaintShark(Art::CCanvas& canvas, bool bTail)
{
    cairo_t* c = canvas.Context();
    const Art::SColour back = Art::ParseColour("5A7088"), belly = Art::ParseColour("D8E0E6");
    if (bTail) {
        cairo_move_to(c, 120, 60);
        cairo_curve_to(c, 80, 40, 40, 20, 6, 4);
        cairo_curve_to(c, 30, 50, 30, 70, 20, 118);
        cairo_curve_to(c, 60, 90, 90, 76, 120, 70);
        cairo_close_path(c);
        FillOutlined(c, back, Art::Darker(back, 0.2), 4, 118);
        Veil(canvas, FAR_WATER, FAR_VEIL);
        return;
    }
    cairo_move_to(c, 500, 84);
    cairo_curve_to(c, 470, 40, 360, 40, 260, 46);
    cairo_line_to(c, 220, 6);
    cairo_line_to(c, 200, 50);
    cairo_curve_to(c, 100, 60, 40, 70, 6, 80);
    cairo_curve_to(c, 60, 100, 200, 118, 300, 112);
    cairo_line_to(c, 330, 150);
    cairo_line_to(c, 350, 110);
    cairo_curve_to(c, 440, 106, 490, 100, 500, 84);
    cairo_close_path(c);
    cairo_pattern_t* pGradient = cairo_pattern_create_linear(0, 40, 0, 118);
    cairo_pattern_add_color_stop_rgb(pGradient, 0.0, back.r, back.g, back.b);
    cairo_pattern_add_color_stop_rgb(pGradient, 0.55, back.r, back.g, back.b);
    cairo_pattern_add_color_stop_rgb(pGradient, 0.75, belly.r, belly.g, belly.b);
    cairo_set_source(c, pGradient);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pGradient);
    Art::SetColour(c, Art::Darker(back, 0.5));
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    Art::PaintEye(c, 448, 72, 4);
    Art::SetColour(c, Art::Darker(back, 0.4), 0.7);
    cairo_set_line_width(c, 2);
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(c, 392 - i * 9, 70);
        cairo_line_to(c, 388 - i * 9, 96);
        cairo_stroke(c);
    }
    Veil(canvas, FAR_WATER, FAR_VEIL);
}

// Seen from above, the wings spread across the picture's height.
void PaintRay(Art::CCanvas& canvas)
{
    cairo_t* c = canvas.Context();
    const Art::SColour top = Art::ParseColour("4A5A78");
    cairo_move_to(c, 250, 128);
    cairo_curve_to(c, 230, 70, 180, 20, 120, 6);
    cairo_curve_to(c, 120, 60, 90, 110, 70, 128);
    cairo_curve_to(c, 90, 146, 120, 196, 120, 250);
    cairo_curve_to(c, 180, 236, 230, 186, 250, 128);
    cairo_close_path(c);
    FillOutlined(c, Art::Lighter(top, 0.2), Art::Darker(top, 0.1), 6, 250);
    Art::SetColour(c, Art::Darker(top, 0.4));
    cairo_set_line_width(c, 4);
    cairo_move_to(c, 72, 128);
    cairo_line_to(c, 4, 128);
    cairo_stroke(c);
    for (double y : {108.0, 148.0}) {
        Art::SetColour(c, Art::Lighter(top, 0.5), 0.6);
        Ellipse(c, 200, y, 10, 6);
        cairo_fill(c);
    }
    Veil(canvas, FAR_WATER, FAR_VEIL);
}

Vantile::SNodeRecord Part(const std::string& strName, float x0, float y0, float x1, float y1, uint32_t nMaterial)
{
    Vantile::SNodeRecord node = QuadNode(strName, x0, y0, x1, y1);
    node.Subsets[0].nMaterialId = nMaterial;
    return node;
}

Vantile::SMaterialDef MaterialWithId(uint32_t nId, const std::string& strTexture)
{
    Vantile::SMaterialDef material = Material(RIGID, strTexture);
    material.nId = nId;
    return material;
}

Vantile::SObjectFile TurtleModel()
{
    Vantile::SObjectFile file;
    file.Materials = {MaterialWithId(1, "aq_turtle.dds"), MaterialWithId(2, "aq_flipper.dds")};
    file.Root.strName = "Turtle";
    file.Root.mLocal = Vantile::IdentityMatrix();
    // Flippers behind the shell, hinged at the shoulder and the hip.
    for (const auto& limb : {std::make_pair("FlipperFront", 2600.0f), std::make_pair("FlipperBack", -2600.0f)}) {
        const float fLength = limb.second > 0 ? 3200.0f : 2000.0f;
        Vantile::SNodeRecord flipper = Part(limb.first, -fLength * 0.1f, -fLength * 0.4f, fLength * 0.9f, 0, 2);
        flipper.mLocal = Translation(limb.second, -600, 10);
        file.Root.Children.push_back(flipper);
        file.AnimationSet.Animations.push_back(SwayTrack(limb.first, 0.6f, 2.4f, limb.second > 0 ? 0.0f : 0.5f,
                                                         D3DXVECTOR3(limb.second, -600, 10)));
    }
    file.Root.Children.push_back(Part("Shell", -4500, -2250, 4500, 2250, 1));
    file.AnimationSet.strName = "swim";
    return file;
}

Vantile::SObjectFile SharkModel()
{
    Vantile::SObjectFile file;
    file.Materials = {MaterialWithId(1, "aq_shark.dds"), MaterialWithId(2, "aq_shark_tail.dds")};
    file.Root.strName = "Shark";
    file.Root.mLocal = Vantile::IdentityMatrix();
    file.Root.Children.push_back(Part("SharkBody", -3000, -1250, 5000, 1250, 1));
    Vantile::SNodeRecord tail = Part("SharkTail", -1900, -950, 0, 950, 2);
    tail.mLocal = Translation(-2900, 200, 0);
    file.Root.Children.push_back(tail);
    // The tail beats side to side: a turn about the up axis.
    Vantile::SAnimationRecord beat;
    beat.strTarget = "SharkTail";
    for (int i = 0; i <= 8; ++i) {
        D3DXQUATERNION q;
        const D3DXVECTOR3 vUp(0, 1, 0);
        D3DXQuaternionRotationAxis(&q, &vUp, 0.7f * std::sin(float(Art::kPi) * i / 4));
        beat.Rotations.push_back({1.6f * i / 8, q});
    }
    beat.Positions = {{0.0f, {-2900, 200, 0}}, {1.6f, {-2900, 200, 0}}};
    file.AnimationSet.Animations.push_back(beat);
    file.AnimationSet.strName = "swim";
    return file;
}

Vantile::SObjectFile RayModel()
{
    Vantile::SObjectFile file;
    file.Materials = {MaterialWithId(1, "aq_ray.dds")};
    file.Root.strName = "Ray";
    file.Root.mLocal = Vantile::IdentityMatrix();
    file.Root.Children.push_back(Part("RayWings", -10000, -10000, 10000, 10000, 1));
    // Wing beats: the span narrows and opens.
    Vantile::SAnimationRecord flap;
    flap.strTarget = "RayWings";
    for (int i = 0; i <= 8; ++i) {
        const float fSpan = 0.8f + 0.2f * std::cos(float(Art::kPi) * i / 4);
        flap.Scales.push_back({3.0f * i / 8, {1.0f, fSpan, 1.0f}});
    }
    flap.Positions = {{0.0f, {0, 0, 0}}, {3.0f, {0, 0, 0}}};
    file.AnimationSet.Animations.push_back(flap);
    file.AnimationSet.strName = "swim";
    return file;
}

struct SPath {
    float y0, y1, z, fSeconds, fWave;
};

// Five swims across the view, each starting and ending out of sight.
const SPath PATHS[] = {
    {120, 170, 300, 40, 30}, {-60, -20, 100, 35, 20}, {-150, 200, 400, 45, 25},
    {220, 200, 250, 40, 35}, {20, -40, 200, 38, 40},
};

Vantile::SAnimationRecord PathTrack(const std::string& strName, const SPath& path, bool bRightwards)
{
    Vantile::SAnimationRecord track;
    track.strTarget = strName;
    const int nKeys = 24;
    const float fFrom = bRightwards ? -900.0f : 900.0f;
    for (int i = 0; i <= nKeys; ++i) {
        const float f = float(i) / nKeys;
        const float y = path.y0 + (path.y1 - path.y0) * f + path.fWave * std::sin(f * 2 * float(Art::kPi));
        track.Positions.push_back({path.fSeconds * f, {fFrom * (1 - 2 * f), y, path.z}});
    }
    // The dummy's z axis is the heading.
    D3DXQUATERNION q;
    const D3DXVECTOR3 vUp(0, 1, 0);
    D3DXQuaternionRotationAxis(&q, &vUp, bRightwards ? float(Art::kPi) / 2 : -float(Art::kPi) / 2);
    track.Rotations = {{0.0f, q}, {path.fSeconds, q}};
    return track;
}

Vantile::SObjectFile PathModel()
{
    Vantile::SObjectFile file;
    file.Root.strName = "AnimalPaths";
    file.Root.mLocal = Vantile::IdentityMatrix();
    for (int i = 0; i < 5; ++i) {
        const SPath& path = PATHS[i];
        const std::string strName = "Turtle_Dummy0" + std::to_string(i + 1);
        Vantile::SNodeRecord dummy;
        dummy.strName = strName;
        dummy.mLocal = Translation(-2000, 0, 0);
        file.Root.Children.push_back(dummy);
        file.AnimationSet.Animations.push_back(PathTrack(strName, path, i % 2 == 0));
    }
    file.AnimationSet.strName = "paths";
    return file;
}

const char IDENTITY[] = R"(_11="1" _12="0" _13="0" _14="0" _21="0" _22="1" _23="0" _24="0" _31="0" _32="0" _33="1" _34="0")";

}  // namespace

void MakeAnimals(SOutput& out)
{
    Art::CCanvas turtle(256, 128), flipper(64, 32), shark(512, 160), tail(128, 128), ray(256, 256);
    PaintTurtle(turtle);
    PaintFlipper(flipper);
    PaintShark(shark, false);
    PaintShark(tail, true);
    PaintRay(ray);
    out.writeDds("aq_turtle.dds", turtle);
    out.writeDds("aq_flipper.dds", flipper);
    out.writeDds("aq_shark.dds", shark);
    out.writeDds("aq_shark_tail.dds", tail);
    out.writeDds("aq_ray.dds", ray);
    out.writeObject("turtle.object", TurtleModel());
    out.writeObject("blue_shark.object", SharkModel());
    out.writeObject("ray.object", RayModel());
    out.writeObject("animal_paths.object", PathModel());
    out.writeText("aniscene01.xml", std::string("<scene>\n  <node name=\"AnimalScene\" ") + IDENTITY +
                                        R"( _41="0" _42="0" _43="0" _44="1">
    <mesh name="animal_paths.object"/>
  </node>
</scene>
)");
    out.writeText("camera.xml", std::string("<scene>\n  <node name=\"AquariumCameras\" ") + IDENTITY +
                                    R"( _41="0" _42="0" _43="0" _44="1">
    <node name="Camera01" )" + IDENTITY + R"( _41="0" _42="0" _43=")" +
                                    std::to_string(int(-CAMERA_DISTANCE)) + R"(" _44="1"><camera/></node>
  </node>
</scene>
)");
}

}  // namespace Aqua

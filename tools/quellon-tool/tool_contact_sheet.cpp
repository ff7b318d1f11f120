// contact-sheet --out FILE.png [--vision deutan|protan|tritan|grey]: every
// item kind in every layer at a few frames, every other animation and
// picture of the board, and a sample board on a few level fields, read
// from the data folder beside the tool exactly as the game reads them (its
// file system, ".ifl" lists and image decoders), so the sheet shows what
// the game will show; with a vision, as people with that colour vision
// see it.
#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "Game/Context/gamecontext.h"
#include "Resources/vantile_ifl.h"
#include "Vfs/vantile_vfs.h"
#include "art_canvas.h"
#include "art_vision.h"
#include "d3d/d3dx8_image.h"
#include "tool_commands.h"

namespace {

using SurfacePtr = std::shared_ptr<cairo_surface_t>;

class CSheetData {
public:
    explicit CSheetData(const std::string& strFolder) { m_Vfs.Open(strFolder, true, true); }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const Vantile::CVFS::EntryInfo& entry : m_Vfs.List())
            names.push_back(entry.strName);
        std::sort(names.begin(), names.end());
        return names;
    }

    // The decoded picture, or nullptr when the game could not show it.
    SurfacePtr Image(const std::string& strName)
    {
        Vantile::CVFSFile file;
        d3dx8::SImage image;
        D3DXIMAGE_INFO info;
        if (m_Vfs.GetFile(0, strName, file) < 0 ||
            FAILED(d3dx8::DecodeImage(file.GetData(), file.GetSize(), &image, &info)))
            return nullptr;
        cairo_surface_t* pSurface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.m_nWidth, image.m_nHeight);
        unsigned char* pData = cairo_image_surface_get_data(pSurface);
        const int nStride = cairo_image_surface_get_stride(pSurface);
        for (UINT y = 0; y < image.m_nHeight; ++y)
            for (UINT x = 0; x < image.m_nWidth; ++x) {
                const BYTE* p = &image.m_Rgba[(size_t(y) * image.m_nWidth + x) * 4];
                const unsigned a = p[3];
                reinterpret_cast<unsigned*>(pData + size_t(y) * nStride)[x] =
                    a << 24 | (p[0] * a / 255) << 16 | (p[1] * a / 255) << 8 | (p[2] * a / 255);
            }
        cairo_surface_mark_dirty(pSurface);
        return SurfacePtr(pSurface, cairo_surface_destroy);
    }

    std::vector<std::string> Frames(const std::string& strList)
    {
        Vantile::CVFSFile file;
        if (m_Vfs.GetFile(0, strList, file) < 0)
            return {};
        return Vantile::ParseIfl(reinterpret_cast<const char*>(file.GetData()), file.GetSize()).frames;
    }

private:
    Vantile::CVFS m_Vfs;
};

// A few frames spread over the whole list: the first, the last, between.
std::vector<std::string> Sample(const std::vector<std::string>& frames, size_t nCount)
{
    if (frames.size() <= nCount)
        return frames;
    std::vector<std::string> picked;
    for (size_t i = 0; i < nCount; ++i)
        picked.push_back(frames[i * (frames.size() - 1) / (nCount - 1)]);
    return picked;
}

void Label(cairo_t* c, double x, double y, const std::string& strText, double fSize = 11)
{
    cairo_select_font_face(c, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(c, fSize);
    cairo_move_to(c, x, y);
    cairo_set_source_rgb(c, 0.9, 0.95, 1);
    cairo_show_text(c, strText.c_str());
}

// Draws the picture centred in a box, shrunk to fit; a missing one is a
// red cross so it cannot be overlooked.
void DrawFitted(cairo_t* c, const SurfacePtr& pImage, double x, double y, double fBox)
{
    if (!pImage) {
        cairo_move_to(c, x + 4, y + 4);
        cairo_line_to(c, x + fBox - 4, y + fBox - 4);
        cairo_move_to(c, x + fBox - 4, y + 4);
        cairo_line_to(c, x + 4, y + fBox - 4);
        cairo_set_source_rgb(c, 1, 0.1, 0.1);
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
        return;
    }
    const double w = cairo_image_surface_get_width(pImage.get()), h = cairo_image_surface_get_height(pImage.get());
    const double s = std::min(1.0, fBox / std::max(w, h));
    cairo_save(c);
    cairo_translate(c, x + (fBox - w * s) / 2, y + (fBox - h * s) / 2);
    cairo_scale(c, s, s);
    cairo_set_source_surface(c, pImage.get(), 0, 0);
    cairo_paint(c);
    cairo_restore(c);
}

struct SGroups {
    std::map<std::string, std::vector<std::string>> items;  // kind -> its layer lists
    std::vector<std::string> animations, stills, fields;
};

SGroups GroupNames(CSheetData& data)
{
    SGroups groups;
    std::set<std::string> framesInLists;
    const std::vector<std::string> names = data.Names();
    for (const std::string& strName : names)
        if (Vantile::IsIflName(strName))
            for (const std::string& strFrame : data.Frames(strName))
                framesInLists.insert(strFrame);
    for (const std::string& strName : names) {
        const bool bList = Vantile::IsIflName(strName);
        if (bList && strName.rfind("item_", 0) == 0)
            groups.items[strName.substr(5, strName.rfind('_') - 5)]
                .push_back(strName);
        else if (bList && strName.rfind("trunk", 0) == 0)
            groups.items["trunk"].push_back(strName);
        else if (bList)
            groups.animations.push_back(strName);
        else if (strName.rfind("field", 0) == 0 && strName.find(".jpg") != std::string::npos)
            groups.fields.push_back(strName);
        else if (strName.find(".dds") != std::string::npos && !framesInLists.count(strName))
            groups.stills.push_back(strName);
    }
    return groups;
}

}  // namespace

namespace {

const double kWidth = 1240;

double DrawItems(cairo_t* c, CSheetData& data, const SGroups& groups, const SurfacePtr& pField, double y)
{
    Label(c, 10, y + 20, "Board items: every layer, first / middle / last frame", 16);
    y += 32;
    for (const auto& kind : groups.items) {
        Label(c, 10, y + 32, kind.first);
        double x = 96;
        for (const std::string& strList : kind.second) {
            Label(c, x, y + 10, strList.substr(strList.rfind('_') + 1, strList.size() - strList.rfind('_') - 5), 9);
            for (const std::string& strFrame : Sample(data.Frames(strList), 3)) {
                cairo_save(c);
                cairo_rectangle(c, x, y + 14, 55, 55);
                cairo_clip(c);
                cairo_set_source_surface(c, pField.get(), x - 55 * 3, y + 14 - 55 * 3);
                cairo_paint(c);
                cairo_restore(c);
                DrawFitted(c, data.Image(strFrame), x, y + 14, 55);
                x += 57;
            }
            x += 12;
        }
        y += 76;
    }
    return y;
}

double DrawAnimations(cairo_t* c, CSheetData& data, const std::vector<std::string>& lists, double y)
{
    Label(c, 10, y + 20, "Cell, destructor, bomb and effect animations (4 frames each)", 16);
    y += 32;
    for (size_t i = 0; i < lists.size(); ++i) {
        const double x = 10 + (i % 3) * 410, top = y + (i / 3) * 116;
        const std::vector<std::string> frames = data.Frames(lists[i]);
        Label(c, x, top + 10, lists[i] + " (" + std::to_string(frames.size()) + " frames)", 10);
        int n = 0;
        for (const std::string& strFrame : Sample(frames, 4))
            DrawFitted(c, data.Image(strFrame), x + 100 * n++, top + 14, 96);
    }
    return y + (lists.size() + 2) / 3 * 116;
}

double DrawStills(cairo_t* c, CSheetData& data, const std::vector<std::string>& stills, double y)
{
    Label(c, 10, y + 20, "Still pictures", 16);
    y += 32;
    for (size_t i = 0; i < stills.size(); ++i) {
        const double x = 10 + (i % 12) * 102, top = y + (i / 12) * 118;
        DrawFitted(c, data.Image(stills[i]), x, top, 96);
        Label(c, x, top + 110, stills[i], 8);
    }
    return y + (stills.size() + 11) / 12 * 118;
}

// One field as the board shows it, with a rest frame of each fish on it,
// then more fields at half size.
double DrawFields(cairo_t* c, CSheetData& data, const SGroups& groups, double y)
{
    Label(c, 10, y + 20, "Level fields: a sample board, and more fields at half size", 16);
    y += 32;
    std::vector<SurfacePtr> rest;
    for (const auto& kind : groups.items)
        if (!kind.second.empty() && kind.first != "trunk") {
            const std::vector<std::string> frames = data.Frames("item_" + kind.first + "_normal.ifl");
            rest.push_back(frames.empty() ? nullptr : data.Image(frames[0]));
        }
    const std::vector<std::string> fields = Sample(groups.fields, 7);
    for (size_t i = 0; i < fields.size(); ++i) {
        const SurfacePtr pField = data.Image(fields[i]);
        const double s = i == 0 ? 1.0 : 0.5, x = i == 0 ? 10 : 470 + ((i - 1) % 3) * 230;
        const double top = i == 0 ? y : y + ((i - 1) / 3) * 240;
        cairo_save(c);
        cairo_translate(c, x, top);
        cairo_scale(c, s, s);
        cairo_rectangle(c, 0, 0, 440, 440);
        cairo_clip(c);
        if (pField) {
            cairo_set_source_surface(c, pField.get(), 0, 0);
            cairo_paint(c);
        }
        for (int cell = 0; i == 0 && !rest.empty() && cell < 64; ++cell)
            DrawFitted(c, rest[(cell * 7 + cell / 8 * 3) % rest.size()], (cell % 8) * 55, (cell / 8) * 55, 55);
        cairo_restore(c);
        Label(c, x, top + 440 * s + 12, fields[i], 10);
    }
    return y + 470;
}

}  // namespace

int ToolRun_contact_sheet(const ToolArgs& args)
{
    Art::EVision vision = Art::EVision::Normal;
    const bool bVision = args.size() == 4 && args[2] == "--vision";
    if ((args.size() != 2 && !bVision) || args[0] != "--out" || (bVision && !Art::ParseVision(args[3], vision)))
        return ToolFail("contact-sheet",
                        "usage: quellon-tool contact-sheet --out FILE.png [--vision deutan|protan|tritan|grey]");
    CSheetData data(CGameContext::gameFolder());
    const SGroups groups = GroupNames(data);
    if (groups.items.empty())
        return ToolFail(CGameContext::gameFolder(), "holds no item animations; build the game data first");
    const SurfacePtr pField = groups.fields.empty() ? nullptr : data.Image(groups.fields.front());
    cairo_surface_t* pRecording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
    cairo_t* c = cairo_create(pRecording);
    double y = DrawItems(c, data, groups, pField, 0);
    y = DrawAnimations(c, data, groups.animations, y + 10);
    y = DrawStills(c, data, groups.stills, y + 10);
    y = DrawFields(c, data, groups, y + 10);
    cairo_destroy(c);

    Art::CCanvas sheet(int(kWidth), int(y + 10));
    cairo_set_source_rgb(sheet.Context(), 0.04, 0.13, 0.22);
    cairo_paint(sheet.Context());
    cairo_set_source_surface(sheet.Context(), pRecording, 0, 0);
    cairo_paint(sheet.Context());
    cairo_surface_destroy(pRecording);
    Art::SimulateVision(sheet.Surface(), vision);
    try {
        sheet.WritePng(args[1]);
    } catch (const std::exception&) {
        return ToolFail(args[1], "cannot be written");
    }
    printf("%s: %zu item kinds, %zu animations, %zu stills, %zu fields\n", args[1].c_str(), groups.items.size(),
           groups.animations.size(), groups.stills.size(), groups.fields.size());
    return 0;
}

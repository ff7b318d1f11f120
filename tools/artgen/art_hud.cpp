// The HUD's table: which painter draws each picture, and how its frames
// become files.
#include "art_hud.h"

#include <stdexcept>

#include "art_canvas.h"

namespace Art {

namespace {

const std::map<std::string, HudPainter>& Painters()
{
    static const std::map<std::string, HudPainter> painters = [] {
        std::map<std::string, HudPainter> table;
        AddPanelPainters(table);
        AddScreenPainters(table);
        AddCreaturePainters(table);
        AddMenuPainters(table);
        AddAfterWinPainters(table);
        return table;
    }();
    return painters;
}

bool EndsWith(const std::string& strName, const char* pszEnd)
{
    const std::string strEnd(pszEnd);
    return strName.size() >= strEnd.size() && strName.compare(strName.size() - strEnd.size(), strEnd.size(), strEnd) == 0;
}

void WriteFrame(const CCanvas& canvas, const std::string& strPath)
{
    if (EndsWith(strPath, ".png"))
        canvas.WritePng(strPath);
    else if (EndsWith(strPath, ".jpg"))
        canvas.WriteJpeg(strPath, 90);
    else
        canvas.WriteDds(strPath);
}

}  // namespace

std::vector<std::string> WriteHud(const std::vector<SSpriteLine>& pictures, const SSpriteContext& context,
                                  const std::string& strOutDir)
{
    std::vector<std::string> written;
    for (const SSpriteLine& picture : pictures) {
        const std::string strBase = TextureBase(picture.strName);
        const auto it = Painters().find(strBase);
        if (it == Painters().end())
            throw std::runtime_error(picture.strName + ": no painter draws it");
        const bool bList = EndsWith(picture.strName, ".ifl");
        std::vector<std::string> frames;
        for (int i = 0; i < picture.nFrames; ++i) {
            CCanvas canvas(picture.nWidth, picture.nHeight);
            it->second(canvas.Context(), context, picture.nWidth, picture.nHeight, double(i) / picture.nFrames);
            frames.push_back(bList ? FrameName(strBase, i) : picture.strName);
            WriteFrame(canvas, strOutDir + "/" + frames.back());
            written.push_back(frames.back());
        }
        if (bList) {
            WriteIfl(strOutDir + "/" + picture.strName, picture.nFps, frames);
            written.push_back(picture.strName);
        }
    }
    return written;
}

}  // namespace Art

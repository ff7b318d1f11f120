// The GUI's data as the build wrote it into the data folder: image sets,
// scheme, look'n'feel and fonts read as XML and checked against each other
// and against the names and sizes the program uses.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <functional>
#include <map>
#include <set>
#include <string>

#include "Business/userfile.h"
#include "d3d/d3dx8_image.h"

namespace {

struct SRect {
    int x = 0, y = 0, w = 0, h = 0;
};

std::string Bytes(const std::string& strName)
{
    std::string strBytes;
    CUserFile::Read("game/" + strName, strBytes);
    return strBytes;
}

bool Exists(const std::string& strName)
{
    return !Bytes(strName).empty();
}

// The document's root element, or a test failure naming the file.
const TiXmlElement* Root(TiXmlDocument& document, const std::string& strName, const char* pszRoot)
{
    const std::string strBytes = Bytes(strName);
    document.Parse(strBytes.c_str());
    const TiXmlElement* pRoot = document.RootElement();
    EXPECT_FALSE(document.Error()) << strName << ": " << document.ErrorDesc();
    EXPECT_TRUE(pRoot && pRoot->ValueStr() == pszRoot) << strName;
    return pRoot && pRoot->ValueStr() == pszRoot ? pRoot : nullptr;
}

std::string Attribute(const TiXmlElement* pElement, const char* pszName)
{
    const char* psz = pElement->Attribute(pszName);
    return psz ? psz : "";
}

// Every element below pRoot, depth first.
void Walk(const TiXmlElement* pRoot, const std::function<void(const TiXmlElement*)>& fnVisit)
{
    for (const TiXmlElement* p = pRoot->FirstChildElement(); p; p = p->NextSiblingElement()) {
        fnVisit(p);
        Walk(p, fnVisit);
    }
}

d3dx8::SImage Decode(const std::string& strName)
{
    const std::string strBytes = Bytes(strName);
    d3dx8::SImage image;
    D3DXIMAGE_INFO info;
    EXPECT_FALSE(FAILED(d3dx8::DecodeImage(strBytes.data(), UINT(strBytes.size()), &image, &info))) << strName;
    return image;
}

// "Set/Image" of every image of both image sets, each checked to lie inside
// its texture.
std::map<std::string, SRect> ImagesetImages()
{
    std::map<std::string, SRect> images;
    for (const char* pszSet : {"MenuTexts", "Velmora"}) {
        TiXmlDocument document;
        const TiXmlElement* pRoot = Root(document, std::string(pszSet) + ".imageset", "Imageset");
        if (!pRoot)
            continue;
        EXPECT_EQ(pszSet, Attribute(pRoot, "name"));
        EXPECT_EQ("2", Attribute(pRoot, "version"));
        const d3dx8::SImage texture = Decode(Attribute(pRoot, "imagefile"));
        for (const TiXmlElement* p = pRoot->FirstChildElement("Image"); p; p = p->NextSiblingElement("Image")) {
            SRect r;
            p->QueryIntAttribute("xPos", &r.x);
            p->QueryIntAttribute("yPos", &r.y);
            p->QueryIntAttribute("width", &r.w);
            p->QueryIntAttribute("height", &r.h);
            const std::string strName = std::string(pszSet) + "/" + Attribute(p, "name");
            EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.w > 0 && r.h > 0 && r.x + r.w <= int(texture.m_nWidth) &&
                        r.y + r.h <= int(texture.m_nHeight))
                << strName << " lies outside its texture";
            EXPECT_TRUE(images.emplace(strName, r).second) << strName << " is defined twice";
        }
    }
    return images;
}

struct SScheme {
    std::map<std::string, std::string> looksByType;  // window type -> look
    std::set<std::string> files;                     // image sets and look'n'feels
};

SScheme ReadScheme()
{
    SScheme scheme;
    TiXmlDocument document;
    const TiXmlElement* pRoot = Root(document, "Velmora.scheme", "GUIScheme");
    if (!pRoot)
        return scheme;
    EXPECT_EQ("5", Attribute(pRoot, "version"));
    for (const TiXmlElement* p = pRoot->FirstChildElement(); p; p = p->NextSiblingElement()) {
        if (p->ValueStr() == "FalagardMapping")
            scheme.looksByType[Attribute(p, "windowType")] = Attribute(p, "lookNFeel");
        else if (p->ValueStr() == "Imageset" || p->ValueStr() == "LookNFeel")
            scheme.files.insert(Attribute(p, "filename"));
        else
            EXPECT_EQ("WindowRendererSet", p->ValueStr()) << "the fonts come before the scheme";
    }
    return scheme;
}

const char* const kProgramTypes[] = {
    "Velmora/StaticImage",     "Velmora/Button",      "Velmora/DialogButton",     "Velmora/MainMenuButton",
    "Velmora/TextBox",         "Velmora/Listbox",     "Velmora/MultiColumnList",  "Velmora/Checkbox",
    "Velmora/Slider",          "Velmora/LeftAlignedText", "Velmora/RightAlignedText", "Velmora/DoubleText",
    "Velmora/CenteredText",    "Velmora/FrameWindow", "Velmora/StaticText",       "Velmora/HorizontalScrollbar",
    "Velmora/ToolTipText",     "Velmora/RadioButton", "Velmora/SimpleLabel"};

TEST(ShippedGuiTest, TheSchemeMapsEveryWidgetTypeToALookWhoseImagesExist)
{
    const std::map<std::string, SRect> images = ImagesetImages();
    ASSERT_FALSE(images.empty());
    const SScheme scheme = ReadScheme();
    for (const std::string& strFile : scheme.files)
        EXPECT_TRUE(Exists(strFile)) << strFile;
    for (const char* pszType : kProgramTypes)
        EXPECT_EQ(1u, scheme.looksByType.count(pszType)) << pszType << " is not mapped";

    TiXmlDocument document;
    const TiXmlElement* pRoot = Root(document, "Velmora.looknfeel", "Falagard");
    ASSERT_TRUE(pRoot);
    EXPECT_EQ("7", Attribute(pRoot, "version"));
    std::set<std::string> looks;
    for (const TiXmlElement* p = pRoot->FirstChildElement("WidgetLook"); p; p = p->NextSiblingElement("WidgetLook"))
        looks.insert(Attribute(p, "name"));
    for (const auto& mapping : scheme.looksByType)
        EXPECT_EQ(1u, looks.count(mapping.second)) << mapping.first << " has no look " << mapping.second;
    // Images named directly, by dimension, or as the value of an image
    // property set on a part; and every part's type is mapped.
    Walk(pRoot, [&](const TiXmlElement* p) {
        const std::string strTag = p->ValueStr(), strName = Attribute(p, "name"), strValue = Attribute(p, "value");
        if (strTag == "Image" || strTag == "ImageDim") {
            EXPECT_EQ(1u, images.count(strName)) << "a look uses the missing image " << strName;
        } else if (strTag == "Property" && strName.find("Image") != std::string::npos) {
            EXPECT_EQ(1u, images.count(strValue)) << "a look uses the missing image " << strValue;
        } else if (strTag == "Child") {
            EXPECT_EQ(1u, scheme.looksByType.count(Attribute(p, "type"))) << Attribute(p, "type");
        }
        if (strName == "SegmentWidgetType") {
            EXPECT_EQ(1u, scheme.looksByType.count(strValue)) << strValue;
        }
    });
    EXPECT_EQ(1u, images.count("Velmora/ListBoxBrush"));
}

TEST(ShippedGuiTest, MenuTextsHoldEveryButtonPictureAtItsButtonSize)
{
    const std::map<std::string, SRect> images = ImagesetImages();
    const struct { const char* pszPrefix; int w, h; std::set<std::string> names; } kGroups[] = {
        {"mm_", 237, 52, {"PlayGame", "Options", "HighScores", "Rules", "Quit", "NewGame", "ContinueGame", "MainMenu"}},
        {"dm_", 99, 46, {"Ok", "Cancel", "Rename", "Delete", "Yes", "No"}},
        {"gm_", 126, 39, {"Menu"}},
    };
    size_t nExpected = 1;  // "Empty"
    for (const auto& group : kGroups)
        for (const std::string& strName : group.names)
            for (const char* pszState : {"_normal", "_hover"}) {
                const std::string strImage = "MenuTexts/" + std::string(group.pszPrefix) + strName + pszState;
                ++nExpected;
                ASSERT_EQ(1u, images.count(strImage)) << strImage;
                EXPECT_EQ(group.w, images.at(strImage).w) << strImage;
                EXPECT_EQ(group.h, images.at(strImage).h) << strImage;
            }
    size_t nMenuTexts = 0;
    for (const auto& image : images)
        nMenuTexts += image.first.rfind("MenuTexts/", 0) == 0;
    EXPECT_EQ(nExpected, nMenuTexts);
    EXPECT_EQ(31u, nMenuTexts);
}

TEST(ShippedGuiTest, TheEmptyImageIsFullyTransparentAndTheCaptionsAreNot)
{
    const std::map<std::string, SRect> images = ImagesetImages();
    const d3dx8::SImage texture = Decode("MenuTexts.png");
    auto fnMaxAlpha = [&](const std::string& strImage) {
        const SRect& r = images.at(strImage);
        int nMax = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x)
                nMax = std::max<int>(nMax, texture.m_Rgba[(size_t(y) * texture.m_nWidth + x) * 4 + 3]);
        return nMax;
    };
    ASSERT_EQ(1u, images.count("MenuTexts/Empty"));
    EXPECT_EQ(0, fnMaxAlpha("MenuTexts/Empty"));
    EXPECT_EQ(255, fnMaxAlpha("MenuTexts/gm_Menu_normal"));
    EXPECT_EQ(255, fnMaxAlpha("MenuTexts/dm_Ok_hover"));
}

TEST(ShippedGuiTest, EachFontNamesAFaceThatShipsBesideIt)
{
    const struct { const char* pszFile; const char* pszName; } kFonts[] = {
        {"game_mainmenu.font", nullptr}, {"domcasl.font", "Domcasl"}, {"stylo.font", "Stylo"},
        {"hint.font", "Hint_font"}};
    std::set<std::string> names;
    for (const auto& font : kFonts) {
        SCOPED_TRACE(font.pszFile);
        TiXmlDocument document;
        const TiXmlElement* pRoot = Root(document, font.pszFile, "Font");
        ASSERT_TRUE(pRoot);
        EXPECT_EQ("3", Attribute(pRoot, "version"));
        EXPECT_EQ("FreeType", Attribute(pRoot, "type"));
        if (font.pszName) {
            EXPECT_EQ(font.pszName, Attribute(pRoot, "name"));
        }
        EXPECT_TRUE(names.insert(Attribute(pRoot, "name")).second) << "two fonts share a name";
        const std::string strFace = Attribute(pRoot, "filename");
        EXPECT_EQ(std::string::npos, strFace.find('/')) << "the archive is flat";
        EXPECT_TRUE(Exists(strFace)) << strFace;
        int nSize = 0;
        pRoot->QueryIntAttribute("size", &nSize);
        EXPECT_GE(nSize, 9);
    }
}

}  // namespace

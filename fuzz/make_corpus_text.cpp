// Seeds for the readers of "profiles.xml", "locale.xml", "game.gam", ".ani"
// packs, Lua chunks, the data folder's shape and Ogg files.
#include <cmath>
#include <string>
#include <vector>

#include "make_corpus.h"
#include "support/xml_shapes.h"
#include "synth_encoder.h"

namespace {

const char* const kProfiles =
    "<root><profiles>"
    "<profile name=\"Ann\" lives=\"2\" level=\"4\" score=\"1200\" difficulty=\"1\" tooltips=\"0\""
    " tooltipsdata=\"35,37\" powerupshowed=\"1\" />"
    "<profile name=\"Bob\" lives=\"3\" level=\"-1\" score=\"0\" difficulty=\"0\" tooltips=\"1\""
    " tooltipsdata=\"\" powerupshowed=\"0\" />"
    "<lastProfile name=\"Bob\" /></profiles>"
    "<topScores><score name=\"X\" score=\"5\" /></topScores>"
    "<settings volume=\"40\" music=\"10\" fullscreen=\"0\" /></root>";

}  // namespace

void WriteHostileXmlSeeds(const std::string& strTarget)
{
    WriteSeed(strTarget, "deep.xml", "<root>" + RepeatText("<a>", 40000));
    WriteSeed(strTarget, "deep_at_limit.xml", RepeatText("<a>", 256) + RepeatText("</a>", 256));
    WriteSeed(strTarget, "wide.xml", "<root><item" + ManyAttributes(20000) + "/></root>");
    WriteSeed(strTarget, "wide_at_limit.xml", "<root><item" + ManyAttributes(256) + "/></root>");
    WriteSeed(strTarget, "quoted.xml", "<root x=\"<a><b>\" y='/>'><!-- <c> --><![CDATA[<d>]]></root>");
}

void WriteProfilesSeeds()
{
    const std::string strGood = kProfiles;
    WriteSeed("profiles", "two_players.xml", strGood);
    WriteSeed("profiles", "bom.xml", "\xEF\xBB\xBF" + strGood);
    WriteSeed("profiles", "cut.xml", strGood.substr(0, strGood.size() / 2));
    WriteSeed("profiles", "unknown.xml",
              "<root><profiles><profile name=\"\" /><profile name=\"C\" score=\"2147483648\" level=\"1e9\" pet=\"x\">"
              "<medal/></profile><friends/><lastProfile name=\"C\"/></profiles><extra/></root><root/>");
    WriteSeed("profiles", "long_name.xml",
              "<root><profiles><profile name=\"" + RepeatText("a", 62) + "\xC3\xA4xyz\"/><lastProfile name=\"" +
                  RepeatText("a", 62) + "\xC3\xA4xyz\"/></profiles></root>");
    WriteHostileXmlSeeds("profiles");
}

void WriteLocaleSeeds()
{
    WriteSeed("locale", "locale.xml",
              "<root><item id=\"10\" value=\"New game\"/><item id=\"61\" value=\"Credits &amp; more\"/></root>");
    WriteSeed("locale", "bad_ids.xml",
              "<root><item id=\"2147483648\" value=\"a\"/><item id=\"4294967297\" value=\"b\"/><item id=\"abc\"/>"
              "<item id=\"-1\"/><item value=\"none\"/></root>");
    WriteHostileXmlSeeds("locale");
}

void WriteGameFileSeeds()
{
    const std::string strLevel =
        "<level name=\"Reef\" file=\"level01.xml\" field=\"field01.jpg\" scene=\"scene01.xml\" fogcolor=\"FF000000\""
        " bgfishes=\"1111111\" fgfishes=\"0000001\"/>";
    WriteSeed("gamegam", "game.gam",
              "<root>" + strLevel + "<minigame level=\"0\" x=\"4\" y=\"4\" fish=\"1\"/></root>");
    WriteSeed("gamegam", "wrapping_index.gam",
              "<root>" + strLevel + "<minigame level=\"4294967296\" x=\"4\" y=\"4\" fish=\"1\"/></root>");
    WriteHostileXmlSeeds("gamegam");
}

void WriteAniPackSeeds()
{
    WriteSeed("anipack", "pack.ani", "<pack><animation value=\"swim.object\"/><animation value=\"turn.object\"/></pack>");
    WriteSeed("anipack", "self.ani", "<pack><animation value=\"a.object\"/><animation value=\"fish.ani\"/></pack>");
    WriteSeed("anipack", "empty.ani", "<pack/>");
    WriteHostileXmlSeeds("anipack");
}

void WriteLuaSeeds()
{
    WriteSeed("lua", "init.lua",
              "setTypeColorInfo(it.e01, 1, 0.5, 0.25)\nsetParam(\"cellsize\", \"55\")\nlocal t = {}\n"
              "for i = 1, 10 do t[i] = i end\n");
    WriteSeed("lua", "endless.lua", "while true do end");
    WriteSeed("lua", "greedy.lua", "local t = {}\nlocal n = 0\nwhile true do n = n + 1; t[n] = {n} end");
    WriteSeed("lua", "doubling.lua", "local s = 'x'\nwhile true do s = s .. s end");
    WriteSeed("lua", "loaders.lua", "dofile('/etc/passwd'); loadfile('/etc/passwd'); load('return 1')");
    WriteSeed("lua", "recursion.lua", "local function f() return f() + 1 end\nf()");
}

void WriteDataFolderSeeds()
{
    WriteSeed("datafolder", "plain.txt", "f init.lua x = 1\nd sub\nf sub/a.dds AAAA\nf sub/B.png bb\n");
    WriteSeed("datafolder", "loops.txt", "l here .\nl there .\nd sub\nl sub/up ..\nf sub/x.txt x\n");
    WriteSeed("datafolder", "fifo.txt", "p pipe.lua\nf real.lua y\n");
    WriteSeed("datafolder", "duplicates.txt", "f a/x.dds 1\nf b/X.dds 2\n");
}

// Short tones of one and two channels; cut copies start next to damage.
void WriteOggSeeds()
{
    for (int nChannels : {1, 2}) {
        std::vector<float> samples;
        for (int i = 0; i < 4410 * nChannels; ++i)
            samples.push_back(0.5f * std::sin(float(i / nChannels) * 0.05f));
        const std::string strOgg = SoundSynth::EncodeOggVorbis(samples, nChannels, 22050, 0.1f);
        const std::string strName = "tone" + std::to_string(nChannels);
        WriteSeed("ogg", strName + ".ogg", strOgg);
        WriteSeed("ogg", strName + "_cut.ogg", strOgg.substr(0, strOgg.size() / 2));
    }
}

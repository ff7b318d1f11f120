#include "art_tables.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace Art {

namespace {

int ToInt(const std::string& strValue, const std::string& strWhere)
{
    size_t nUsed = 0;
    int nValue = 0;
    try {
        nValue = std::stoi(strValue, &nUsed);
    } catch (const std::exception&) {
        nUsed = 0;
    }
    if (nUsed != strValue.size() || nValue < 0)
        throw std::runtime_error(strWhere + ": \"" + strValue + "\" is not a count");
    return nValue;
}

void RequireTokens(const Tokens& line, size_t nCount, const std::string& strPath)
{
    if (line.size() < nCount)
        throw std::runtime_error(strPath + ": line \"" + line[0] + " ...\" needs " + std::to_string(nCount) +
                                 " fields");
}

}  // namespace

std::vector<Tokens> ReadTable(const std::string& strPath)
{
    std::ifstream file(strPath);
    if (!file)
        throw std::runtime_error(strPath + ": cannot read");
    std::vector<Tokens> lines;
    std::string strLine;
    while (std::getline(file, strLine)) {
        strLine = strLine.substr(0, strLine.find('#'));
        std::istringstream words(strLine);
        Tokens tokens;
        for (std::string strWord; words >> strWord;)
            tokens.push_back(strWord);
        if (!tokens.empty())
            lines.push_back(tokens);
    }
    return lines;
}

std::vector<SLayerLine> ReadLayers(const std::string& strPath)
{
    std::vector<SLayerLine> layers;
    for (const Tokens& line : ReadTable(strPath)) {
        if (line[0] != "layer")
            continue;
        RequireTokens(line, 7, strPath);
        SLayerLine layer{line[1], line[2], line[3], line[4], ToInt(line[5], strPath), ToInt(line[6], strPath)};
        if (layer.nFrames == 0 || layer.nFps == 0)
            throw std::runtime_error(strPath + ": " + layer.strTexture + " needs frames and a rate");
        layers.push_back(layer);
    }
    return layers;
}

std::string TextureBase(const std::string& strTexture)
{
    const size_t nDot = strTexture.rfind('.');
    return nDot == std::string::npos ? strTexture : strTexture.substr(0, nDot);
}

SColour SKind::Get(const std::string& strKey) const
{
    const auto it = colours.find(strKey);
    if (it == colours.end())
        throw std::runtime_error("kind " + strName + " has no colour \"" + strKey + "\"");
    return it->second;
}

std::map<std::string, SKind> ReadKinds(const std::string& strPath)
{
    std::map<std::string, SKind> kinds;
    for (const Tokens& line : ReadTable(strPath)) {
        RequireTokens(line, 2, strPath);
        SKind& kind = kinds[line[1]];
        kind.strName = line[1];
        for (size_t i = 2; i < line.size(); ++i) {
            const size_t nEquals = line[i].find('=');
            if (nEquals == std::string::npos)
                throw std::runtime_error(strPath + ": \"" + line[i] + "\" is not key=colour");
            kind.colours[line[i].substr(0, nEquals)] = ParseColour(line[i].substr(nEquals + 1));
        }
    }
    return kinds;
}

std::vector<SSpriteLine> ReadSprites(const std::string& strPath)
{
    std::vector<SSpriteLine> sprites;
    for (const Tokens& line : ReadTable(strPath)) {
        RequireTokens(line, 5, strPath);
        sprites.push_back({line[0], ToInt(line[1], strPath), ToInt(line[2], strPath), ToInt(line[3], strPath),
                           ToInt(line[4], strPath)});
        if (sprites.back().nFrames == 0 || sprites.back().nWidth == 0 || sprites.back().nHeight == 0)
            throw std::runtime_error(strPath + ": " + line[0] + " needs frames and a size");
    }
    return sprites;
}

std::vector<SFieldLine> ReadFields(const std::string& strPath)
{
    std::vector<SFieldLine> fields;
    for (const Tokens& line : ReadTable(strPath)) {
        RequireTokens(line, 3, strPath);
        fields.push_back({line[0], line[1], unsigned(ToInt(line[2], strPath))});
    }
    return fields;
}

std::map<std::string, SColour> ReadPalette(const std::string& strPath)
{
    std::map<std::string, SColour> palette;
    for (const Tokens& line : ReadTable(strPath)) {
        RequireTokens(line, 2, strPath);
        palette[line[0]] = ParseColour(line[1]);
    }
    return palette;
}

}  // namespace Art

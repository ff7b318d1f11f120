// Reading the sources and writing the data files.
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "aquagen.h"

namespace Aqua {

double SLine::number(size_t nIndex) const
{
    if (nIndex >= words.size())
        throw std::runtime_error("line " + std::to_string(nNumber) + ": too few values");
    char* pEnd = nullptr;
    const double dValue = strtod(words[nIndex].c_str(), &pEnd);
    if (*pEnd != '\0')
        throw std::runtime_error("line " + std::to_string(nNumber) + ": \"" + words[nIndex] + "\" is not a number");
    return dValue;
}

Art::SColour SLine::colour(size_t nIndex) const
{
    if (nIndex >= words.size())
        throw std::runtime_error("line " + std::to_string(nNumber) + ": too few values");
    return Art::ParseColour(words[nIndex]);
}

std::vector<SLine> ReadSource(const std::string& strPath)
{
    std::ifstream file(strPath);
    if (!file)
        throw std::runtime_error("cannot read " + strPath);
    std::vector<SLine> lines;
    std::string strText;
    for (int nNumber = 1; std::getline(file, strText); ++nNumber) {
        std::istringstream words(strText.substr(0, strText.find(';')));
        SLine line;
        line.nNumber = nNumber;
        for (std::string strWord; words >> strWord;)
            line.words.push_back(strWord);
        if (!line.words.empty())
            lines.push_back(line);
    }
    return lines;
}

void SOutput::writeObject(const std::string& strName, const Vantile::SObjectFile& file)
{
    const std::string strBytes = Vantile::WriteObjectFile(file);
    Art::WriteFileBytes(strDir + "/" + strName, strBytes.data(), strBytes.size());
    written.push_back(strName);
}

void SOutput::writeText(const std::string& strName, const std::string& strText)
{
    Art::WriteFileBytes(strDir + "/" + strName, strText.data(), strText.size());
    written.push_back(strName);
}

void SOutput::writeDds(const std::string& strName, const Art::CCanvas& canvas)
{
    if (!strPreviewDir.empty())
        canvas.WritePng(strPreviewDir + "/" + strName + ".png");
    canvas.WriteDds(strDir + "/" + strName);
    written.push_back(strName);
}

void SOutput::writeJpeg(const std::string& strName, const Art::CCanvas& canvas)
{
    if (!strPreviewDir.empty())
        canvas.WritePng(strPreviewDir + "/" + strName + ".png");
    canvas.WriteJpeg(strDir + "/" + strName, 90);
    written.push_back(strName);
}

}  // namespace Aqua

// XML texts of the shapes that cost a parser its stack or quadratic time,
// for the tests and the fuzz seeds of the XML readers.
#pragma once

#include <string>

std::string RepeatText(const std::string& strPart, int nTimes);
// " a0=\"0\" a1=\"1\" …" with nCount attributes.
std::string ManyAttributes(int nCount);

// The one way to turn outside bytes into an XML document. The parser
// recurses once per nesting level and checks every attribute against those
// before it, so a deep or wide element costs the stack or quadratic time;
// the text is measured before the parser sees it.
#pragma once

#include <cstddef>
#include <string>

class TiXmlDocument;

namespace Vantile {

struct XmlLimits {
    size_t nMaxBytes = 8u << 20;
    int nMaxDepth = 256;
    int nMaxAttributes = 256;
};

// Parses strBytes into document with the legacy (single-byte) encoding; a
// leading UTF-8 byte-order mark is skipped. Returns "" or why the text was
// refused, for the caller's message that names the file.
std::string ParseXml(const std::string& strBytes, TiXmlDocument& document,
                     const XmlLimits& limits = XmlLimits());

// The first reason the text breaks a limit, or "".
std::string MeasureXml(const std::string& strBytes, const XmlLimits& limits);

}  // namespace Vantile

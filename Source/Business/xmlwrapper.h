// A parsed XML document with a cursor that moves along element paths.
// Data files are single-byte texts, so nothing is decoded as UTF-8.
#pragma once

#include <memory>
#include <string>

class TiXmlDocument;
class TiXmlNode;

class KXmlWrapper {
public:
    KXmlWrapper();
    virtual ~KXmlWrapper();

    // Refuses what the shared limits refuse; error() says why.
    bool parse(const std::string& strBytes);
    const std::string& error() const { return m_strError; }
    // Names separated by "\" or "/"; a leading separator starts at the
    // document's first element, anything else at the document itself. The
    // cursor is none after a step that found nothing.
    bool select(const std::string& strPath);
    TiXmlNode* current() const { return m_pCurrent; }

private:
    std::unique_ptr<TiXmlDocument> m_pDocument;
    TiXmlNode* m_pCurrent = nullptr;
    std::string m_strError;
};

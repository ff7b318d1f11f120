// Every text the player reads, by number, from "locale.xml". Translating
// the game means replacing that one file.
#pragma once

#include <map>
#include <string>

class TiXmlElement;

class CXMLLocale {
public:
    // Parses the bytes of "locale.xml" and becomes the process-wide table.
    explicit CXMLLocale(const std::string& strBytes);
    virtual ~CXMLLocale();

    // The table the application created, or none before that.
    static CXMLLocale* Instance();

    bool hasText(int nId) const;
    // A missing id shows as "#<id>" so a gap in a translation is visible
    // on screen instead of handing the GUI nothing.
    std::string getText(int nId) const;

private:
    void readItem(const TiXmlElement& item);

    std::map<int, std::string> m_Texts;
};

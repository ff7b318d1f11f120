// The one exception type for unrecoverable failures. Constructing it writes
// its report into the log at once, so the log keeps every exception raised,
// even those a caller survives.
#pragma once

#include <string>

namespace Vantile {

class Exception {
public:
    Exception(int nCode, const std::string& strDetails, const std::string& strFunc,
              const std::string& strFile = std::string(), int nLine = 0);
    // A copy keeps the facts but not the report, and is not logged again.
    Exception(const Exception& other);
    Exception& operator=(const Exception& other);

    int getCode() const { return m_nCode; }
    int getLine() const { return m_nLine; }
    const std::string& getDetails() const { return m_strDetails; }
    const std::string& getFunc() const { return m_strFunc; }
    const std::string& getFile() const { return m_strFile; }
    const std::string& getText() const { return m_strText; }

    // The report as the constructor composes it.
    static std::string ComposeReport(int nCode, const std::string& strDetails,
                                     const std::string& strFunc, const std::string& strFile,
                                     int nLine);

private:
    int m_nLine;
    int m_nCode;
    std::string m_strDetails;
    std::string m_strText;
    std::string m_strFunc;
    std::string m_strFile;
};

}  // namespace Vantile

// Throws with the current source file and line.
#define VANTILE_EXCEPT(code, details, func) \
    throw ::Vantile::Exception((code), (details), (func), __FILE__, __LINE__)

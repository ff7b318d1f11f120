// Pictures of the finished frame: a render queue that runs after the
// game's own, so it sees the frame exactly as the window will show it, and
// writes the back buffer as a PNG when a picture has been asked for.
#pragma once

#include <string>

#include "Core/vantile_root.h"

class CShotQueue : public Vantile::IRenderQueue {
public:
    // The picture is taken in this frame's rendering.
    void request(const std::string& strPath) { m_strPending = strPath; }
    bool isPending() const { return !m_strPending.empty(); }
    // The path of the last picture that could not be written, or "".
    const std::string& failed() const { return m_strFailed; }

    void Render() override;

private:
    std::string m_strPending;
    std::string m_strFailed;
};

// A picture of the frame: the device's current render target written as
// an RGB PNG, for the tools' screenshots and the headless player's.
#pragma once

#include <string>

namespace Vantile {

// False when the target cannot be read or the file cannot be written.
bool SaveFramePicture(const std::string& strPath);

}  // namespace Vantile

// Holders of device resources outside the managed pool register with the
// render system and are called around every device reset.
#pragma once

namespace Vantile {

class IOnLostDeviceNotify {
public:
    virtual ~IOnLostDeviceNotify() = default;
    // After a successful reset: recreate what OnDeviceLost released.
    virtual void OnDeviceRestored() = 0;
    // Before the reset is attempted: release every default-pool resource,
    // or the reset fails.
    virtual void OnDeviceLost() = 0;
};

}  // namespace Vantile

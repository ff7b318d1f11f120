// Updates every registered vehicle once a frame, in registration order.
// The handler does not own the vehicles: an owner removes a vehicle before
// deleting it, and a vehicle removed during the walk is not called again.
#pragma once

#include <cstddef>
#include <vector>

#include "Core/vantile_framehandler.h"

namespace Vantile {

class CVehicleImpl;

class CSteerFrameHandler : public CFrameHandler {
public:
    bool frameStarted(const FrameEvent& evt) override;
    ~CSteerFrameHandler() override = default;

    void addVehicle(CVehicleImpl* pVehicle);
    void removeVehicle(CVehicleImpl* pVehicle);
    void clear();
    size_t vehicleCount() const;

private:
    // Removals during the walk leave a hole, closed when the walk ends.
    std::vector<CVehicleImpl*> m_Vehicles;
    bool m_bWalking = false;
};

}  // namespace Vantile

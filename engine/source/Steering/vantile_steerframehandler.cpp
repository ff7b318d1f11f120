#include "Steering/vantile_steerframehandler.h"

#include <algorithm>

#include "Steering/vantile_vehicle.h"

namespace Vantile {

bool CSteerFrameHandler::frameStarted(const FrameEvent& evt)
{
    m_bWalking = true;
    // By index: a vehicle's update may add vehicles.
    for (size_t i = 0; i < m_Vehicles.size(); ++i)
        if (m_Vehicles[i])
            m_Vehicles[i]->update(evt);
    m_bWalking = false;
    m_Vehicles.erase(std::remove(m_Vehicles.begin(), m_Vehicles.end(), nullptr), m_Vehicles.end());
    return true;
}

void CSteerFrameHandler::addVehicle(CVehicleImpl* pVehicle)
{
    if (pVehicle)
        m_Vehicles.push_back(pVehicle);
}

void CSteerFrameHandler::removeVehicle(CVehicleImpl* pVehicle)
{
    if (m_bWalking)
        std::replace(m_Vehicles.begin(), m_Vehicles.end(), pVehicle, static_cast<CVehicleImpl*>(nullptr));
    else
        m_Vehicles.erase(std::remove(m_Vehicles.begin(), m_Vehicles.end(), pVehicle), m_Vehicles.end());
}

void CSteerFrameHandler::clear()
{
    if (m_bWalking)
        std::fill(m_Vehicles.begin(), m_Vehicles.end(), nullptr);
    else
        m_Vehicles.clear();
}

size_t CSteerFrameHandler::vehicleCount() const
{
    return size_t(std::count_if(m_Vehicles.begin(), m_Vehicles.end(), [](CVehicleImpl* p) { return p != nullptr; }));
}

}  // namespace Vantile

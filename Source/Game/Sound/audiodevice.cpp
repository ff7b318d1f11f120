#include "Game/Sound/audiodevice.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include "Core/vantile_log.h"

namespace {

void LogNoSound(const std::string& strWhy)
{
    Vantile::CLog::Instance().Write(Vantile::LOG_ERROR, "No sound: " + strWhy);
}

}  // namespace

CAudioDevice::CAudioDevice(ALCdevice* pDevice, ALCcontext* pContext)
    : m_pDevice(pDevice), m_pContext(pContext)
{
}

CAudioDevice::~CAudioDevice()
{
    if (alcGetCurrentContext() == m_pContext)
        alcMakeContextCurrent(nullptr);
    alcDestroyContext(m_pContext);
    alcCloseDevice(m_pDevice);
}

std::unique_ptr<CAudioDevice> CAudioDevice::Open(const char* szDeviceName)
{
    ALCdevice* pDevice = alcOpenDevice(szDeviceName);
    if (!pDevice) {
        LogNoSound(std::string("cannot open the audio device ") + (szDeviceName ? szDeviceName : "(default)"));
        return nullptr;
    }
    return Attach(pDevice, nullptr, "the audio device");
}

std::unique_ptr<CAudioDevice> CAudioDevice::OpenLoopback(int nFrequency)
{
    auto pOpen = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    ALCdevice* pDevice = pOpen ? pOpen(nullptr) : nullptr;
    if (!pDevice) {
        LogNoSound("no loopback device");
        return nullptr;
    }
    // Plain stereo without HRTF or limiter, so the mix is the sum of the
    // sources and tests can compare levels.
    const int attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT,
                              ALC_FLOAT_SOFT, ALC_FREQUENCY, nFrequency, ALC_HRTF_SOFT, ALC_FALSE,
                              ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE, 0};
    return Attach(pDevice, attributes, "the loopback device");
}

std::unique_ptr<CAudioDevice> CAudioDevice::Attach(ALCdevice* pDevice, const int* pAttributes,
                                                   const std::string& strWhat)
{
    ALCcontext* pContext = alcCreateContext(pDevice, pAttributes);
    if (!pContext || !alcMakeContextCurrent(pContext)) {
        if (pContext)
            alcDestroyContext(pContext);
        alcCloseDevice(pDevice);
        LogNoSound("cannot start " + strWhat);
        return nullptr;
    }
    // Sounds are heard as mixed, never placed in space.
    alDistanceModel(AL_NONE);
    return std::unique_ptr<CAudioDevice>(new CAudioDevice(pDevice, pContext));
}

void CAudioDevice::render(float* pSamples, int nFrames)
{
    static auto pRender = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
        alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (pRender)
        pRender(m_pDevice, pSamples, nFrames);
}

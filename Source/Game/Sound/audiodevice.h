// The audio output: one OpenAL device with its context. Made current when
// opened, so every source and buffer of the game lives on it.
#pragma once

#include <memory>
#include <string>

// OpenAL's own names for its handle types, so this header needs no AL.
struct ALCdevice_struct;
struct ALCcontext_struct;

class CAudioDevice {
public:
    // The system's output (or the named one). Returns none, after one log
    // line, when there is no usable device; the game then runs silent.
    static std::unique_ptr<CAudioDevice> Open(const char* szDeviceName = nullptr);
    // An in-process device that plays nowhere and renders on request, so
    // tests can hear the mix: stereo float samples at the given rate.
    static std::unique_ptr<CAudioDevice> OpenLoopback(int nFrequency);

    ~CAudioDevice();
    CAudioDevice(const CAudioDevice&) = delete;
    CAudioDevice& operator=(const CAudioDevice&) = delete;

    // Loopback devices only: mixes nFrames stereo frames into pSamples.
    void render(float* pSamples, int nFrames);

private:
    CAudioDevice(ALCdevice_struct* pDevice, ALCcontext_struct* pContext);
    static std::unique_ptr<CAudioDevice> Attach(ALCdevice_struct* pDevice, const int* pAttributes,
                                                const std::string& strWhat);

    ALCdevice_struct* m_pDevice;
    ALCcontext_struct* m_pContext;
};

#pragma once

#include "Veltis/Audio/DSP/CDynamicAudioStream.h"
#include "Veltis/Audio/DSP/CProcessContext.h"
#include "Veltis/CoreUtilities/TDynamicCollection.h"

namespace Veltis {
namespace Audio {
namespace DSP {

class IFilter;

// Puts one processor in or out of the signal path without a click: while bypassed the inputs pass
// unchanged and the processor runs on silence into scratch buffers, so that it stays current; a change
// of state crossfades between the unprocessed and the processed signal. The scratch buffers are only
// used within one call, so managers that run one after another may share them.
class CFilterBypassManagerBase {
public:
    typedef CoreUtilities::TDynamicCollection<CDynamicAudioStream, IAudioStream> CBuffers;

    explicit CFilterBypassManagerBase(CBuffers* buffers);
    CFilterBypassManagerBase(const CFilterBypassManagerBase&) = delete;
    CFilterBypassManagerBase& operator=(const CFilterBypassManagerBase&) = delete;
    virtual ~CFilterBypassManagerBase() {}

    // Ends any fade, the position matching the state; call SetTransitionTime afterwards.
    void SetSampleRate(double rate);
    // 0 or less, or no sample rate: switching is immediate.
    void SetTransitionTime(float ms);
    // Without fade the new state holds from the next block on, as for a processor that has not run yet.
    void SetBypass(bool bypass, bool fade = true);
    // True when the processor is in the signal path (or fading into it).
    bool IsActive() const { return m_Active; }
    bool IsFading() const { return m_Fading; }
    float GetPosition() const { return m_Position; }

    // Grows the scratch buffers off the audio thread, so that blocks up to samples allocate nothing.
    void ReserveBuffers(int channels, int samples);

    void Process(IFilter& filter, const CProcessContext& context);
    bool ProcessSilence(IFilter& filter, const CProcessContext& context);

private:
    void PrepareBuffers(const IFilter& filter, int count);

    CBuffers* m_Buffers;
    double m_SampleRate;
    bool m_Fading;
    float m_Position;
    float m_Step;
    bool m_Active;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis

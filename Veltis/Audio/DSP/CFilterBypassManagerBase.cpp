#include "Veltis/Audio/DSP/CFilterBypassManagerBase.h"

#include "Veltis/Audio/DSP/AudioStreamOperations.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CEmptyStreams.h"
#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/DSP/IProcessInfo.h"

namespace Veltis {
namespace Audio {
namespace DSP {

CFilterBypassManagerBase::CFilterBypassManagerBase(CBuffers* buffers)
    : m_Buffers(buffers), m_SampleRate(0.0), m_Fading(false), m_Position(0.0f), m_Step(0.0f), m_Active(true)
{
}

void CFilterBypassManagerBase::SetSampleRate(double rate)
{
    m_SampleRate = rate;
    m_Fading = false;
    m_Position = m_Active ? 1.0f : 0.0f;
}

void CFilterBypassManagerBase::SetTransitionTime(float ms)
{
    // 1 / (0.001 x ms x rate) with the factor 0.001 in single precision, divided in double.
    const double kOneOverMilli = 999.999952502551;
    m_Step = m_SampleRate > 0.0 && ms > 0.0f
                 ? static_cast<float>(kOneOverMilli / (static_cast<double>(ms) * m_SampleRate))
                 : 0.0f;
    if (!m_Active)
        m_Step = -m_Step;
}

void CFilterBypassManagerBase::SetBypass(bool bypass, bool fade)
{
    const bool active = !bypass;
    if (!fade) {
        m_Step = (m_Step < 0.0f) == active ? -m_Step : m_Step;
        m_Active = active;
        m_Fading = false;
        m_Position = m_Active ? 1.0f : 0.0f;
        return;
    }
    if (active == m_Active)
        return;
    m_Active = active;
    m_Step = -m_Step;
    m_Fading = m_Step != 0.0f;
    // Without a fade the position matches the state at once.
    if (!m_Fading)
        m_Position = m_Active ? 1.0f : 0.0f;
}

void CFilterBypassManagerBase::ReserveBuffers(int channels, int samples)
{
    auto& storage = m_Buffers->GetStorage();
    if (channels > storage.GetCount())
        storage.SetSize(channels, false);
    for (int i = 0; i < storage.GetCapacity(); ++i)
        storage.GetData()[i].Reserve(samples);
}

void CFilterBypassManagerBase::PrepareBuffers(const IFilter& filter, int count)
{
    auto& storage = m_Buffers->GetStorage();
    storage.SetSize(filter.GetProcessInfo().GetOutputsInfo().GetCount(), false);
    for (int i = 0; i < storage.GetCount(); ++i)
        storage[i].SetSize(count, false);
}

void CFilterBypassManagerBase::Process(IFilter& filter, const CProcessContext& context)
{
    if (!m_Fading && m_Active) {
        filter.Process(context);
        return;
    }
    const int count = context.m_Count;
    PrepareBuffers(filter, count);
    CProcessContext scratch = context;
    scratch.m_Outputs = m_Buffers;
    // A block without inputs is silence; one without outputs has nothing to write.
    const CEmptyStreams silence(m_Buffers->GetCount(), count);
    const IConstAudioStreams& inputs = context.m_Inputs ? *context.m_Inputs : silence;
    CAudioStreams noOutputs(0, nullptr);
    IAudioStreams& outputs = context.m_Outputs ? *context.m_Outputs : noOutputs;
    if (m_Fading) {
        // The processor fills the buffers from silence too, so that no earlier block's output is faded in.
        scratch.m_Inputs = &inputs;
        filter.Process(scratch);
        m_Fading = CrossfadeStreams(inputs, *m_Buffers, outputs, count, m_Position, m_Step);
        return;
    }
    scratch.m_Inputs = nullptr;
    filter.ProcessSilence(scratch);
    CopyStreams(inputs, outputs, count);
}

bool CFilterBypassManagerBase::ProcessSilence(IFilter& filter, const CProcessContext& context)
{
    if (!m_Fading && m_Active)
        return filter.ProcessSilence(context);
    const int count = context.m_Count;
    const CEmptyStreams silence(filter.GetProcessInfo().GetOutputsInfo().GetCount(), count);
    CAudioStreams noOutputs(0, nullptr);
    IAudioStreams& outputs = context.m_Outputs ? *context.m_Outputs : noOutputs;
    CProcessContext scratch = context;
    scratch.m_Outputs = m_Buffers;
    if (m_Fading) {
        PrepareBuffers(filter, count);
        const bool ran = filter.ProcessSilence(scratch);
        m_Fading = CrossfadeStreams(silence, *m_Buffers, outputs, count, m_Position, m_Step);
        return ran;
    }
    CopyStreams(silence, outputs, count);
    PrepareBuffers(filter, count);
    return filter.ProcessSilence(scratch);
}

} // namespace DSP
} // namespace Audio
} // namespace Veltis

#include "VeltisExt/AAXPlugin/CAAXPluginProcessing.h"

#include <math.h>
#include <string.h>

#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CProcessContext.h"
#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/DSP/IOutputDataSync.h"
#include "Veltis/Audio/DSP/IProcessInfo.h"
#include "Veltis/Audio/Plugin/CAudioPluginInternals.h"
#include "Veltis/Audio/Plugin/MIDICCMapping.h"
#include "VeltisExt/AAXPlugin/CAAXPluginParamsAdapter.h"

namespace VeltisExt {
namespace AAXPlugin {

namespace {

using Veltis::Audio::DSP::CAudioStream;
using Veltis::Audio::DSP::IFilter;

int InputParamCount(IFilter& processor) { return processor.GetInputParamsInfo().GetCount(); }

} // namespace

CAAXPluginProcessing::CAAXPluginProcessing(Veltis::Audio::Plugin::CAudioPluginInternals* internals,
                                           CAAXPluginParamsAdapter* inputAdapters,
                                           CAAXPluginConstParamsAdapter* outputAdapters)
    : m_pInternals(internals), m_pInputAdapters(inputAdapters), m_pOutputAdapters(outputAdapters),
      m_Variations(2, InputParamCount(*internals->GetProcessor())),
      m_CurrentValues(InputParamCount(*internals->GetProcessor()))
{
    const Veltis::Audio::DSP::IProcessInfo& info = internals->GetProcessor()->GetProcessInfo();
    const int inputs = info.GetInputsInfo().GetCount();
    const int outputs = info.GetOutputsInfo().GetCount();
    if (inputs > 0)
        m_InputStreams = new CAudioStream[inputs];
    if (outputs > 0)
        m_OutputStreams = new CAudioStream[outputs];
}

CAAXPluginProcessing::~CAAXPluginProcessing()
{
    delete[] m_OutputStreams;
    delete[] m_InputStreams;
}

void CAAXPluginProcessing::SetChannelCounts(int32_t inputs, int32_t outputs)
{
    m_HostInputChannels = inputs > 0 ? inputs : 0;
    m_HostOutputChannels = outputs > 0 ? outputs : 0;
}

void CAAXPluginProcessing::SetSampleRate(double rate)
{
    bool apply = true;
    m_pInternals->SetSampleRate(rate, apply);
    const int count = InputParamCount(*m_pInternals->GetProcessor());
    for (int i = 0; i < count && i + 1 < m_pInputAdapters->GetCount(); ++i)
        m_CurrentValues.SetValue(i, m_pInputAdapters->GetAdapter(i + 1).GetValue());
    m_HadIncrements = true;
    m_Fresh = true;
}

void CAAXPluginProcessing::ProcessBlock(const AAXRenderContext& context)
{
    IFilter& processor = *m_pInternals->GetProcessor();
    const int32_t frames = context.m_BufferLength ? *context.m_BufferLength : 0;
    const int n = frames > 0 ? frames : 0;

    ProcessMIDIInput(context.m_MIDIInput);

    // Ramps from the value each parameter reached last to the adapter's current value.
    m_Variations.SetCount(2);
    Veltis::Audio::DSP::CDynamicParamsValues& values = m_Variations.GetAt(0);
    Veltis::Audio::DSP::CDynamicParamsValues& increments = m_Variations.GetAt(1);
    const int params = InputParamCount(processor);
    const int adapters = m_pInputAdapters->GetCount();
    for (int i = 0; i < params && i + 1 < adapters && i < m_CurrentValues.GetCount(); ++i) {
        const float next = m_pInputAdapters->GetAdapter(i + 1).GetValue();
        const float previous = m_Fresh ? next : m_CurrentValues.GetValue(i);
        if (m_Fresh)
            m_CurrentValues.SetValue(i, next);
        values.SetValue(i, next);
        increments.SetValue(i, 0.0f);
        if (next != previous && !isnan(next) && !isnan(previous) && n != 0) {
            values.SetValue(i, previous);
            m_CurrentValues.SetValue(i, next);
            increments.SetValue(i, static_cast<float>(static_cast<double>(next - previous) / n));
        }
    }
    Veltis::Audio::DSP::TrimParamsVariations(m_Variations);
    if (m_Variations.GetCount() < 2) {
        m_Variations.SetCount(m_HadIncrements ? 1 : 0);
        m_HadIncrements = false;
    } else {
        m_HadIncrements = true;
    }

    Veltis::Audio::DSP::CFilterBypassManagerBase& bypass = m_pInternals->GetBypassManager();
    bypass.SetBypass(adapters > 0 && m_pInputAdapters->GetAdapter(0).GetValue() > 0.5f, !m_Fresh);
    m_Fresh = false;

    const Veltis::Audio::DSP::IProcessInfo& info = processor.GetProcessInfo();
    const int inputs = info.GetInputsInfo().GetCount();
    const int outputs = info.GetOutputsInfo().GetCount();
    float zero = 0.0f;
    float scratch = 0.0f;
    const int connectedInputs = m_HostInputChannels < inputs ? m_HostInputChannels : inputs;
    for (int k = 0; k < inputs; ++k) {
        if (k < connectedInputs && context.m_AudioInputs)
            m_InputStreams[k].Set(context.m_AudioInputs[k], n, 1);
        else
            m_InputStreams[k].Set(&zero, n, 0);
    }
    const int connectedOutputs = m_HostOutputChannels < outputs ? m_HostOutputChannels : outputs;
    for (int k = 0; k < outputs; ++k) {
        if (k < connectedOutputs && context.m_AudioOutputs)
            m_OutputStreams[k].Set(context.m_AudioOutputs[k], n, 1);
        else
            m_OutputStreams[k].Set(&scratch, n, 0);
    }

    bool silent = true;
    for (int k = 0; k < connectedInputs && silent && context.m_AudioInputs; ++k) {
        const float* samples = context.m_AudioInputs[k];
        for (int i = 0; i < n; ++i)
            if (fabs(static_cast<double>(samples[i])) > 1e-10) {
                silent = false;
                break;
            }
    }

    Veltis::Audio::DSP::CAudioStreams inputStreams(inputs, m_InputStreams);
    Veltis::Audio::DSP::CAudioStreams outputStreams(outputs, m_OutputStreams);
    const Veltis::Audio::DSP::CProcessContext process = {
        &inputStreams, &outputStreams, n, m_Variations.GetCount() > 0 ? &m_Variations : nullptr, nullptr};
    if (silent && inputs != 0)
        bypass.ProcessSilence(processor, process);
    else
        bypass.Process(processor, process);
    m_pInternals->OnBlockProcessed(n);

    if (outputs == 0 && context.m_AudioOutputs) {
        for (int k = 0; k < m_HostOutputChannels; ++k) {
            if (k < m_HostInputChannels && context.m_AudioInputs)
                memmove(context.m_AudioOutputs[k], context.m_AudioInputs[k], sizeof(float) * static_cast<size_t>(n));
            else
                memset(context.m_AudioOutputs[k], 0, sizeof(float) * static_cast<size_t>(n));
        }
    }

    Veltis::Audio::DSP::IOutputDataSync* sync = m_pInternals->GetOutputDataSync();
    if (sync && sync->IsRefreshNeeded()) {
        sync->Reset();
        SendOutputs(context.m_MIDIOutput);
    }
}

void CAAXPluginProcessing::ProcessMIDIInput(IAAXHostMIDIInputNode* node)
{
    AAXMIDIPacketBuffer* buffer = node ? node->GetPacketBuffer() : nullptr;
    if (!buffer || !buffer->m_Packets)
        return;
    Veltis::Audio::Plugin::CMIDICCSettings& settings = m_pInternals->GetMIDIController().GetInputCCSettings();
    const int count = settings.GetCount() < m_pInputAdapters->GetCount() ? settings.GetCount()
                                                                         : m_pInputAdapters->GetCount();
    bool seen = false;
    for (uint32_t p = 0; p < buffer->m_Count; ++p) {
        const AAXMIDIPacket& packet = buffer->m_Packets[p];
        const int status = packet.m_Message[0];
        if ((status & 0xF0) != 0xB0)
            continue;
        const int controller = packet.m_Message[1] & 0x7F;
        const int value = packet.m_Message[2] & 0x7F;
        m_BlockMessage.SetChannel((status & 0x0F) + 1);
        m_BlockMessage.SetCC(controller);
        m_BlockMessage.SetValue(value);
        seen = true;
        for (int j = 0; j < count; ++j) {
            const Veltis::Audio::Plugin::IMIDICCSetting& setting = settings.GetAt(j);
            if (Veltis::Audio::Plugin::MatchesMIDICCInput(setting, status, controller))
                m_pInputAdapters->GetAdapter(j).SetValue(Veltis::Audio::Plugin::MIDICCInputToParamValue(setting, value));
        }
    }
    if (seen)
        m_pInternals->GetMIDIController().GetWritableLastMessage().Set(m_BlockMessage, true);
}

void CAAXPluginProcessing::SendOutputs(IAAXHostMIDIOutputNode* node)
{
    IFilter& processor = *m_pInternals->GetProcessor();
    processor.UpdateOutputs();
    Veltis::Audio::Plugin::CMIDIController& midi = m_pInternals->GetMIDIController();
    const Veltis::Audio::Plugin::CAutomationSettings& automation = midi.GetAutomationSettings();
    const Veltis::Audio::Plugin::CMIDICCSettings& ccOutputs = midi.GetOutputCCSettings();
    const int count = processor.GetOutputParamsInfo().GetCount();
    for (int i = 0; i < count && i < m_pOutputAdapters->GetCount(); ++i) {
        const float value = processor.GetOutputParamsValues().GetValue(i);
        CAAXPluginParamAdapter& adapter = m_pOutputAdapters->GetAdapter(i);
        if (i < automation.GetCount() && automation.GetAt(i).IsEnabled())
            adapter.SetValue(value);
        else
            adapter.UpdateOutputValue(value);
        unsigned char status = 0, controller = 0, controllerValue = 0;
        if (node && i < ccOutputs.GetCount() &&
            Veltis::Audio::Plugin::ParamValueToMIDICCOutput(ccOutputs.GetAt(i), value, status, controller,
                                                             controllerValue)) {
            AAXMIDIPacket packet = {};
            packet.m_Length = 3;
            packet.m_Message[0] = status;
            packet.m_Message[1] = controller;
            packet.m_Message[2] = controllerValue;
            node->SendPacket(&packet);
        }
    }
    m_pInternals->PublishOutputs();
}

void RenderAudio(AAXRenderContext* const* first, AAXRenderContext* const* end)
{
    for (AAXRenderContext* const* it = first; it && it != end; ++it) {
        const AAXRenderContext* context = *it;
        if (!context || !context->m_Processing)
            continue;
        CAAXPluginProcessing* processing = nullptr;
        memcpy(&processing, context->m_Processing, sizeof processing);
        if (processing)
            processing->ProcessBlock(*context);
    }
}

} // namespace AAXPlugin
} // namespace VeltisExt

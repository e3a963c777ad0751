#pragma once

#include <stdint.h>

#include "Veltis/Audio/DSP/CAudioStream.h"
#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/Plugin/CMIDICCMessage.h"
#include "platform/aax/AAXRenderContext.h"

namespace Veltis {
namespace Audio {
namespace Plugin {
class CAudioPluginInternals;
}
} // namespace Audio
} // namespace Veltis

namespace VeltisExt {
namespace AAXPlugin {

class CAAXPluginParamsAdapter;
class CAAXPluginConstParamsAdapter;

// The audio road of one instance: MIDI Control Change input, per-parameter ramps, master bypass,
// streams over the host's buffers, the silence test, processing through the core's bypass manager
// and the output refresh (host parameters and MIDI output). Nothing on this road allocates or waits.
class CAAXPluginProcessing {
public:
    CAAXPluginProcessing(Veltis::Audio::Plugin::CAudioPluginInternals* internals, CAAXPluginParamsAdapter* inputAdapters,
                         CAAXPluginConstParamsAdapter* outputAdapters);
    ~CAAXPluginProcessing();
    CAAXPluginProcessing(const CAAXPluginProcessing&) = delete;
    CAAXPluginProcessing& operator=(const CAAXPluginProcessing&) = delete;

    void SetChannelCounts(int32_t inputs, int32_t outputs);
    // The next block hands the current values to the processor, which the rate change reset.
    void SetSampleRate(double rate);
    void ProcessBlock(const AAXRenderContext& context);
    void ProcessMIDIInput(IAAXHostMIDIInputNode* node);
    void SendOutputs(IAAXHostMIDIOutputNode* node);

private:
    Veltis::Audio::Plugin::CAudioPluginInternals* m_pInternals;
    CAAXPluginParamsAdapter* m_pInputAdapters;
    CAAXPluginConstParamsAdapter* m_pOutputAdapters;
    int32_t m_HostInputChannels = 0;
    int32_t m_HostOutputChannels = 0;
    Veltis::Audio::DSP::CAudioStream* m_InputStreams = nullptr;
    Veltis::Audio::DSP::CAudioStream* m_OutputStreams = nullptr;
    Veltis::Audio::DSP::CDynamicParamsVariations m_Variations;
    Veltis::Audio::DSP::CParamsValues m_CurrentValues;
    bool m_HadIncrements = true;
    // No block has run since the rate was set: the first takes every value and the bypass at once.
    bool m_Fresh = true;
    // The last Control Change of a block, built before it is handed to the core.
    Veltis::Audio::Plugin::CMIDICCMessage m_BlockMessage;
};

// The native render procedure: one block of every instance whose processing object was posted.
void RenderAudio(AAXRenderContext* const* first, AAXRenderContext* const* end);

} // namespace AAXPlugin
} // namespace VeltisExt

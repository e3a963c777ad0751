#pragma once

#include <stdint.h>

#include <set>
#include <string>
#include <vector>

#include "platform/aax/AAX_IACFEffectGUI.h"
#include "platform/aax/AAX_IACFEffectParameters.h"
#include "platform/aax/AAXRenderContext.h"
#include "platform/aax/host/CHostControllerUnknown.h"
#include "platform/aax/host/CHostEnvironment.h"
#include "platform/aax/host/CHostMIDINodes.h"

namespace Veltis {
namespace Platform {
namespace AAXHost {

// One block of audio as the host hands it to an instance: channel buffers of m_Frames samples.
struct SAudioBlock {
    float* const* m_Inputs = nullptr;
    int32_t m_InputChannels = 0;
    float* const* m_Outputs = nullptr;
    int32_t m_OutputChannels = 0;
    int32_t m_Frames = 0;
};

// One instance of an effect as the host drives it: the effect-parameters object made by creation
// procedure 0, its controller unknown and render context, MIDI nodes, automation answers, chunks and
// the effect GUI. Calls on the module happen on the calling thread; only PrepareBlock and Render may
// run on an audio thread. Torn down in the host's order by Teardown or the destructor, which must run
// before the module is unloaded.
class CHostInstance {
public:
    CHostInstance(CHostEnvironment& host, const SEffectDescription& effect, const SComponentDescription& component);
    ~CHostInstance();
    CHostInstance(const CHostInstance&) = delete;
    CHostInstance& operator=(const CHostInstance&) = delete;

    // Procedure 0 and the host's reference. False with a message when the module offers no object.
    bool Create();
    // Initialize with a controller unknown for these settings, then PostDirtyPackets; the module's result.
    int32_t Initialize(const SInstanceSettings& settings);
    AAX_IACFEffectParameters* GetEffect() const { return m_Effect; }
    CHostControllerUnknown* GetController() const { return m_Controller; }
    const std::string& GetLastError() const { return m_LastError; }

    // Rendering. PrepareBlock fills the context's fields and applies posted packets; the context is
    // null once rendering stopped, before initialisation, or for a block short of channel buffers.
    AAXRenderContext* PrepareBlock(const SAudioBlock& block);
    // One call of the render procedure with this instance's context alone; -20004 with a message when
    // the instance does not render or the block holds fewer channel buffers than the stem formats ask.
    int32_t Render(const SAudioBlock& block);
    // Faults: field 1 (the processing data) left null.
    void SetNullProcessingField(bool isNull) { m_NullProcessingField = isNull; }
    bool IsRendering() const { return m_Rendering; }
    AAXRenderProcedure GetRenderProcedure() const { return m_Component.m_RenderProcedure; }

    // MIDI for the next block (never while it renders); what the module sent since the last call.
    bool SetMIDIInput(const std::vector<AAXMIDIPacket>& packets);
    std::vector<AAXMIDIPacket> TakeMIDIOutput();

    // Automation playback: UpdateParameterNormalizedValue, then PostDirtyPackets.
    int32_t Automate(const char* parameterId, double normalizedValue);
    // Main thread: takes the requests recorded since the last call, answers set-value requests with
    // UpdateParameterNormalizedValue (then PostDirtyPackets once) and returns the new requests.
    std::vector<SAutomationRequest> AnswerAutomationRequests();
    const std::vector<SAutomationRequest>& GetRequestHistory() const { return m_RequestHistory; }
    const std::set<std::string>& GetRegisteredParameters() const { return m_Registered; }

    // Chunks: the chunk record as bytes (56-byte header and data). Results are the module's, or
    // -20004 with a message when the module's or the caller's record does not hold together.
    int32_t GetChunkIds(std::vector<uint32_t>& ids);
    int32_t SaveChunk(uint32_t chunkId, std::vector<unsigned char>& chunk);
    int32_t RestoreChunk(const std::vector<unsigned char>& chunk);
    int32_t CompareChunk(const std::vector<unsigned char>& chunk, bool& isEqual);

    // Effect GUI: procedure 1 initialised with a host unknown that offers this instance's
    // effect-parameters object; view containers of a chosen type.
    int32_t OpenGUI();
    int32_t SetViewContainer(int32_t viewType);
    int32_t ClearViewContainer();
    int32_t CloseGUI();
    AAX_IACFEffectGUI* GetGUI() const { return m_GUI; }
    // The host unknown the GUI was initialised with, or null.
    IACFUnknown* GetGUIHostUnknown() const { return m_GUIUnknown; }
    // The current container, or null.
    const CHostViewContainer* GetViewContainer() const { return m_ViewContainer; }

    // Stops rendering (clears the context), closes the GUI, Uninitialize, releases the host's
    // references. Safe to call twice.
    void Teardown();

private:
    // Keeps an object made for this instance until the instance goes.
    template <class T> T* Own(std::unique_ptr<T> object)
    {
        T* owned = object.get();
        m_Objects.push_back(std::move(object));
        return owned;
    }
    bool CheckBlock(const SAudioBlock& block);
    bool CheckChunkBytes(const std::vector<unsigned char>& chunk, std::vector<uint64_t>& record);

    CHostEnvironment& m_Host;
    SEffectDescription m_EffectDescription;
    SComponentDescription m_Component;
    AAX_IACFEffectParameters* m_Effect = nullptr;
    AAX_IACFEffectGUI* m_GUI = nullptr;
    CHostControllerUnknown* m_Controller = nullptr;
    IACFUnknown* m_GUIUnknown = nullptr;
    CHostViewContainer* m_ViewContainer = nullptr;
    CHostMIDIInputNode* m_MIDIInput = nullptr;
    CHostMIDIOutputNode* m_MIDIOutput = nullptr;
    std::vector<void*> m_Context;
    int32_t m_BufferLength = 0;
    bool m_Initialized = false;
    bool m_Rendering = false;
    bool m_NullProcessingField = false;
    std::vector<SAutomationRequest> m_RequestHistory;
    std::set<std::string> m_Registered;
    std::string m_LastError;
    // The host objects made for this instance: MIDI nodes, controller unknowns, GUI unknown, view containers.
    std::vector<std::unique_ptr<CHostObjectBase>> m_Objects;
};

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis

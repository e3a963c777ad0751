#pragma once

#include "Veltis/Audio/Plugin/CAutomationSettings.h"
#include "Veltis/Audio/Plugin/CMIDICCMessage.h"
#include "Veltis/Audio/Plugin/CMIDICCSettings.h"
#include "Veltis/Audio/Plugin/IMIDIController.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// Holds one instance's settings lists, sized once by the plug-in core, and its last MIDI CC message.
// The host adapter reaches the lists and the message directly on the audio thread.
class CMIDIController : public virtual IMIDIController {
public:
    CMIDIController(int inputCount, int outputCount);
    ~CMIDIController() override {}
    CMIDIController(const CMIDIController&) = delete;
    CMIDIController& operator=(const CMIDIController&) = delete;

    const CMIDICCSettings& GetInputCCSettings() const override { return m_InputCCSettings; }
    CMIDICCSettings& GetInputCCSettings() override { return m_InputCCSettings; }
    const CMIDICCSettings& GetOutputCCSettings() const override { return m_OutputCCSettings; }
    CMIDICCSettings& GetOutputCCSettings() override { return m_OutputCCSettings; }
    const CAutomationSettings& GetAutomationSettings() const override { return m_AutomationSettings; }
    CAutomationSettings& GetAutomationSettings() override { return m_AutomationSettings; }
    const IConstMIDICCMessage& GetLastMessage() override { return m_LastMessage; }
    // The adapter's way in: it stores the last Control Change of each block here.
    CMIDICCMessage& GetWritableLastMessage() { return m_LastMessage; }

private:
    CMIDICCSettings m_InputCCSettings;
    CMIDICCSettings m_OutputCCSettings;
    CAutomationSettings m_AutomationSettings;
    CMIDICCMessage m_LastMessage;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis

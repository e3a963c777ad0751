#include "Veltis/Audio/Plugin/CGUIConnections.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

void CGUIConnections::CopyFrom(const IPluginGUIConnections* other)
{
    if (!other) {
        *this = CGUIConnections();
        return;
    }
    m_ProductInfo = other->GetProductInfo();
    m_ProcessInfo = other->GetProcessInfo();
    m_InputParams = other->GetInputParams();
    m_OutputParams = other->GetOutputParams();
    m_OutputStrings = other->GetOutputStrings();
    m_OutputCurves = other->GetOutputCurves();
    m_OutputSurfaces = other->GetOutputSurfaces();
    m_Model = other->GetModel();
    m_PluginState = other->GetPluginState();
    m_History = other->GetHistory();
    m_MIDIController = other->GetMIDIController();
    m_DefaultSettings = other->GetDefaultSettings();
    m_MIDIInputDefault = other->GetMIDIInputDefault();
    m_MIDIOutputDefault = other->GetMIDIOutputDefault();
    m_AutomationOutputDefault = other->GetAutomationOutputDefault();
    m_DataPath = other->GetDataPath();
    m_Presets = other->GetPresets();
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis

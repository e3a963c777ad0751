#pragma once

#include "Veltis/Audio/Plugin/IPluginGUIConnections.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// The record of connections itself: plain pointers, all null at first, filled by whoever keeps it
// (the plug-in core's Connect; the editor's and the model's copies through CopyFrom).
class CGUIConnections : public virtual IPluginGUIConnections {
public:
    CGUIConnections() {}
    ~CGUIConnections() override {}

    const DataModel::Objects::IConstProductInfo* GetProductInfo() const override { return m_ProductInfo; }
    const DSP::IProcessInfo* GetProcessInfo() const override { return m_ProcessInfo; }
    IInputParams* GetInputParams() const override { return m_InputParams; }
    IOutputParams* GetOutputParams() const override { return m_OutputParams; }
    IOutputCurves* GetOutputCurves() const override { return m_OutputCurves; }
    IOutputStrings* GetOutputStrings() const override { return m_OutputStrings; }
    IOutputSurfaces* GetOutputSurfaces() const override { return m_OutputSurfaces; }
    IAudioPluginModel* GetModel() const override { return m_Model; }
    Serialization::ISerializable* GetPluginState() const override { return m_PluginState; }
    Serialization::IHistoryManager* GetHistory() const override { return m_History; }
    IMIDIController* GetMIDIController() const override { return m_MIDIController; }
    IAudioPluginDefaultSettings* GetDefaultSettings() const override { return m_DefaultSettings; }
    CDefaultFlag* GetMIDIInputDefault() const override { return m_MIDIInputDefault; }
    CDefaultFlag* GetMIDIOutputDefault() const override { return m_MIDIOutputDefault; }
    CDefaultFlag* GetAutomationOutputDefault() const override { return m_AutomationOutputDefault; }
    IPresets* GetPresets() const override { return m_Presets; }
    IAudioPluginDataPath* GetDataPath() const override { return m_DataPath; }

    // Takes every pointer through the other record's getters; null clears them all.
    void CopyFrom(const IPluginGUIConnections* other);

    // Stored in this order: strings before curves, data path before presets.
    const DataModel::Objects::IConstProductInfo* m_ProductInfo = nullptr;
    const DSP::IProcessInfo* m_ProcessInfo = nullptr;
    IInputParams* m_InputParams = nullptr;
    IOutputParams* m_OutputParams = nullptr;
    IOutputStrings* m_OutputStrings = nullptr;
    IOutputCurves* m_OutputCurves = nullptr;
    IOutputSurfaces* m_OutputSurfaces = nullptr;
    IAudioPluginModel* m_Model = nullptr;
    Serialization::ISerializable* m_PluginState = nullptr;
    Serialization::IHistoryManager* m_History = nullptr;
    IMIDIController* m_MIDIController = nullptr;
    IAudioPluginDefaultSettings* m_DefaultSettings = nullptr;
    CDefaultFlag* m_MIDIInputDefault = nullptr;
    CDefaultFlag* m_MIDIOutputDefault = nullptr;
    CDefaultFlag* m_AutomationOutputDefault = nullptr;
    IAudioPluginDataPath* m_DataPath = nullptr;
    IPresets* m_Presets = nullptr;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis

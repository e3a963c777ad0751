#pragma once

#include "Veltis/Audio/DSP/COutputDataSync.h"
#include "Veltis/Audio/DSP/CFilterBypassManager.h"
#include "Veltis/Audio/Plugin/CAudioPluginModel.h"
#include "Veltis/Audio/Plugin/CGUIConnections.h"
#include "Veltis/Audio/Plugin/CMIDIController.h"
#include "Veltis/Audio/Plugin/TConstMTCaptureObjectFactories.h"
#include "Veltis/Containers/IConstVector.h"
#include "Veltis/Containers/TVectorMux.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/CoreUtilities/TCollection.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/DataModel/Objects/IConstStringInfo.h"
#include "Veltis/DataModel/Objects/IConstSurfaceInfo.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Serialization/CIncrementalHistoryManager.h"
#include "Veltis/Serialization/CXmlDataObject.h"
#include "Veltis/Serialization/ISerializable.h"
#include "Veltis/System/CCriticalSection.h"

namespace Veltis {
namespace Core {
class ICommand;
}
namespace DataModel {
namespace Objects {
class CProductInfo;
class IConstProductInfo;
} // namespace Objects
} // namespace DataModel
namespace Audio {
namespace DSP {
class IFilter;
class IProcessInfo;
} // namespace DSP

namespace Plugin {

class CAudioPluginDefaultSettings;
class IAudioPluginDataPath;
class IPluginGUI;
class IPreset;

// The host-independent core of one plug-in instance: it owns the processor and the editor object, puts
// its own "Bypass" parameter (input 0) in front of the processor's, follows the global defaults,
// publishes the processor's display outputs for other threads, reads and writes the complete state and
// offers the presets. The host's audio thread may call only OnBlockProcessed, GetOutputDataSync and
// PublishOutputs, and use the processor, the bypass manager and the MIDI controller's lists directly.
class CAudioPluginInternalsBase : public virtual Serialization::ISerializable {
public:
    // What every instance of the module shares: the global settings and the file paths.
    class IStaticSettings {
    public:
        // The first call sizes and loads the global settings for these descriptors; later calls do
        // nothing, whatever they pass.
        virtual void Init(const Containers::IConstVector<DataModel::Objects::IConstParamInfo>& inputs,
                          const Containers::IConstVector<DataModel::Objects::IConstParamInfo>& outputs) = 0;
        virtual CAudioPluginDefaultSettings& GetDefaultSettings() = 0;
        virtual IAudioPluginDataPath& GetDataPath() = 0;
        virtual ~IStaticSettings() {}
    };

    typedef Containers::IVector<DataModel::Objects::IConstParamInfo> IParamsInfo;
    typedef TConstMTCaptureObjectFactories<const Math::IFunction&, DataModel::Objects::IConstCurveInfo>
        COutputCurves;
    typedef TConstMTCaptureObjectFactories<const char*, DataModel::Objects::IConstStringInfo> COutputStrings;
    typedef TConstMTCaptureObjectFactories<const Math::IBinaryFunction&, DataModel::Objects::IConstSurfaceInfo>
        COutputSurfaces;
    typedef IPluginGUIConnections::CDefaultFlag CDefaultFlag;

    // The parameter values of the state document ("paramCount", "param0".. for inputs 1..n).
    class CInputParamsSerializer : public virtual Serialization::ISerializable {
    public:
        explicit CInputParamsSerializer(IPluginGUIConnections::IInputParams* params) : m_Params(params) {}
        ~CInputParamsSerializer() override {}
        bool Serialize(Serialization::IWriteDataStream& stream) const override;
        // Absent values reset their parameter to its default; the result is that of "paramCount".
        bool DeSerialize(const Serialization::IReadDataStream& stream) override;

    private:
        IPluginGUIConnections::IInputParams* m_Params;
    };

    // Takes ownership of the processor (required) and the editor (may be null); the product identity
    // may be null and is copied. The refresh rate, in Hz, applies when "global.pref" gives none.
    CAudioPluginInternalsBase(DSP::IFilter* processor, IPluginGUI* gui,
                              const DataModel::Objects::IConstProductInfo* productInfo,
                              IStaticSettings& staticSettings, double defaultOutputRefreshRate);
    ~CAudioPluginInternalsBase() override;
    CAudioPluginInternalsBase(const CAudioPluginInternalsBase&) = delete;
    CAudioPluginInternalsBase& operator=(const CAudioPluginInternalsBase&) = delete;

    // The host-side parameter objects, indexed like GetInputParamsInfo and the processor's outputs.
    // Hands the filled record to the model and the editor; may be called again.
    void Connect(IPluginGUIConnections::IInputParams* inputParams, IPluginGUIConnections::IOutputParams* outputParams);
    void Disconnect();
    bool IsConnected() const { return m_Connections.GetInputParams() != nullptr; }

    // Blocks up to this many samples pass the master bypass without allocating.
    static constexpr int kBlockReserve = 4096;

    // apply is handed to the processor unchanged. Sizes the bypass buffers for kBlockReserve samples.
    void SetSampleRate(double rate, bool& apply);
    DSP::IOutputDataSync* GetOutputDataSync();
    void OnBlockProcessed(int count);
    // Stores every changed curve, surface and string under the core's lock, then announces them.
    void PublishOutputs();
    const DataModel::Objects::IConstProductInfo& GetProductInfo() const;

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    // Always true: absent keys take their defaults, so every part of the state is defined afterwards.
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;

    // The host adapter's direct access.
    DSP::IFilter* GetProcessor() { return m_Processor; }
    IPluginGUI* GetGUI() { return m_GUI; }
    DSP::CFilterBypassManagerBase& GetBypassManager() { return m_BypassManager; }
    const IParamsInfo& GetInputParamsInfo() const { return m_InputParamsInfo; }
    IParamsInfo& GetInputParamsInfo() { return m_InputParamsInfo; }
    const IParamsInfo& GetOutputParamsInfo() const { return *m_OutputParamsInfo; }
    CMIDIController& GetMIDIController() { return m_MIDIController; }
    const CGUIConnections& GetConnections() const { return m_Connections; }
    CAudioPluginModel& GetModel() { return m_Model; }
    Serialization::CIncrementalHistoryManager& GetHistory() { return m_History; }
    Containers::IVector<IPreset>& GetPresets() { return *m_Presets; }
    const Serialization::CXmlDataObject& GetFactoryPresetsData() const { return m_FactoryPresetsData; }
    const char* GetProgramName() const { return m_ProgramName.GetString(); }
    void SetProgramName(const char* name) { m_ProgramName = name; }
    CDefaultFlag& GetMIDIInputDefault() { return m_MIDIInputDefault; }
    CDefaultFlag& GetMIDIOutputDefault() { return m_MIDIOutputDefault; }
    CDefaultFlag& GetAutomationOutputDefault() { return m_AutomationOutputDefault; }
    const COutputCurves& GetOutputCurves() const { return m_OutputCurves; }
    const COutputStrings& GetOutputStrings() const { return m_OutputStrings; }
    const COutputSurfaces& GetOutputSurfaces() const { return m_OutputSurfaces; }

private:
    typedef CoreUtilities::TCollection<DataModel::Objects::CParamInfo, DataModel::Objects::IConstParamInfo>
        CBypassParamInfo;

    static DataModel::Objects::CParamInfo MakeBypassParamInfo();
    CAudioPluginDefaultSettings& GetDefaultSettings() const;
    void OnDefaultInputCCSettingsChanged();
    void OnDefaultOutputCCSettingsChanged();
    void OnDefaultAutomationSettingsChanged();
    void OnOutputRefreshRateChanged();
    void RemoveDefaultsListeners();

    DSP::IFilter* m_Processor;
    IPluginGUI* m_GUI;
    DSP::CFilterBypassManager m_BypassManager;
    CBypassParamInfo m_BypassParamInfo;
    Containers::TVectorMux<DataModel::Objects::IConstParamInfo> m_InputParamsInfo;
    IParamsInfo* m_OutputParamsInfo;
    CGUIConnections m_Connections;
    CAudioPluginModel m_Model;
    DataModel::Objects::CProductInfo* m_ProductInfo;
    CMIDIController m_MIDIController;
    CDefaultFlag m_MIDIInputDefault;
    CDefaultFlag m_MIDIOutputDefault;
    CDefaultFlag m_AutomationOutputDefault;
    Serialization::CXmlDataObject m_FactoryPresetsData;
    Core::CCharString m_ProgramName;
    Serialization::CIncrementalHistoryManager m_History;
    IStaticSettings* m_StaticSettings;
    System::CCriticalSection m_Lock;
    COutputCurves m_OutputCurves;
    COutputStrings m_OutputStrings;
    COutputSurfaces m_OutputSurfaces;
    int m_OutputStringsCount;
    char* m_OutputStringsChanged;
    Core::ICommand* m_InputCCDefaultsListener;
    Core::ICommand* m_OutputCCDefaultsListener;
    Core::ICommand* m_AutomationDefaultsListener;
    Core::ICommand* m_RefreshRateListener;
    DSP::COutputDataSync m_OutputDataSync;
    Containers::IVector<IPreset>* m_Presets;
};

// The channel counts an adapter describes from a processor's audio inputs and outputs: a side without
// channels takes the other's, and a processor without any gets 2 and 2.
void GetChannelCounts(const DSP::IProcessInfo& processInfo, int& inputs, int& outputs);

} // namespace Plugin
} // namespace Audio
} // namespace Veltis

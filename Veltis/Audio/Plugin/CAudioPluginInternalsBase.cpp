#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"

#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/DSP/IProcessInfo.h"
#include "Veltis/Audio/Plugin/CAudioPluginDefaultSettings.h"
#include "Veltis/Audio/Plugin/CAudioPluginLegacyPresets.h"
#include "Veltis/Audio/Plugin/CAudioPluginXMLPresets.h"
#include "Veltis/Audio/Plugin/IAudioPluginDataPath.h"
#include "Veltis/Audio/Plugin/IPluginGUI.h"
#include "Veltis/Core/CAutoLock.h"
#include "Veltis/Core/IDirty.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/CoreUtilities/StringUtilities.h"
#include "Veltis/DataModel/Objects/CEnumToText.h"
#include "Veltis/DataModel/Objects/CProductInfo.h"
#include "Veltis/Serialization/CIndexedName.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

#include <cmath>

namespace Veltis {
namespace Audio {
namespace Plugin {

namespace {

const int kStateVersion = 2;
const int kHistoryMaxCount = 128;
const float kBypassTransitionMs = 10.0f;
const char kSettingItem[] = "setting";

typedef CAudioPluginInternalsBase CInternals;

// Stores each dirty function of a pass in its factory (a clone, announced on the factory's own event);
// the dirty flags stay set until the announcement phase.
template <class F, class V>
void StoreDirtyFunctions(F& factories, const Containers::IConstValueVector<V>& values, DSP::IFilter::IDirtyFlags& dirty,
                         int count)
{
    for (int i = 0; i < count; ++i)
        if (dirty.GetAt(i).IsDirty())
            factories.GetFactory(i).GetHeldValue().SetValue(values.GetValue(i));
}

template <class F>
void AnnounceDirtyFunctions(F& factories, DSP::IFilter::IDirtyFlags& dirty, int count)
{
    for (int i = 0; i < count; ++i) {
        Core::IDirty& flag = dirty.GetAt(i);
        if (!flag.IsDirty())
            continue;
        flag.ClearDirty();
        factories.GetFactory(i).NotifyValueChanged();
    }
}

// The editor state of a core without an editor: an empty object.
class CNoState : public Serialization::ISerialize {
public:
    bool Serialize(Serialization::IWriteDataStream&) const override { return true; }
};

// Reads a default flag (absent: true) and stores it, announcing only a change; returns the flag.
bool ReadDefaultFlag(const Serialization::IReadDataStream& stream, const char* name, CInternals::CDefaultFlag& flag)
{
    bool value = true;
    stream.ReadBool(name, value);
    flag.SetValue(value);
    return value;
}

// The default flag, then the instance's own list when it does not follow the global defaults.
template <class Vector>
bool WriteSettings(Serialization::IWriteDataStream& stream, const char* flagName, const CInternals::CDefaultFlag& flag,
                   const char* listName, const Vector& list)
{
    bool result = stream.WriteBool(flagName, flag.GetValue());
    if (!flag.GetValue()) {
        const Serialization::TVectorSerializer<Vector> settings(&list, kSettingItem);
        result = stream.WriteObject(listName, settings) && result;
    }
    return result;
}

// The list must hold the global defaults already: a stored own list is read over them.
template <class Vector>
void ReadSettings(const Serialization::IReadDataStream& stream, const char* flagName, CInternals::CDefaultFlag& flag,
                  const char* listName, Vector& list)
{
    if (ReadDefaultFlag(stream, flagName, flag))
        return;
    Serialization::TVectorDeSerializer<Vector> settings(&list, kSettingItem);
    stream.ReadObject(listName, settings);
}

// An absent object is read from an empty one, so that it takes its defaults.
void ReadObjectOrDefaults(const Serialization::IReadDataStream& stream, const char* name,
                          Serialization::IDeSerialize& object)
{
    if (stream.ReadObject(name, object))
        return;
    const Serialization::CMemDataObject empty;
    object.DeSerialize(empty);
}

} // namespace

bool CAudioPluginInternalsBase::CInputParamsSerializer::Serialize(Serialization::IWriteDataStream& stream) const
{
    const int count = m_Params->GetCount() - 1;
    if (count <= 0)
        return true;
    bool result = stream.WriteInt("paramCount", count);
    Serialization::CIndexedName names("param");
    for (int i = 0; i < count; ++i)
        result = stream.WriteFloat(names.Get(i), m_Params->GetAt(i + 1).GetValue()) && result;
    return result;
}

bool CAudioPluginInternalsBase::CInputParamsSerializer::DeSerialize(const Serialization::IReadDataStream& stream)
{
    const int count = m_Params->GetCount() - 1;
    if (count <= 0)
        return true;
    int storedCount = 0;
    const bool result = stream.ReadInt("paramCount", storedCount);
    Serialization::CIndexedName names("param");
    for (int i = 0; i < count; ++i) {
        DataModel::TICaptureObject<float, DataModel::Objects::IConstParamInfo>& param = m_Params->GetAt(i + 1);
        // A stored value that does not read as a finite number counts as absent.
        const float defaultValue = param.GetInfo().GetDefault();
        float value = defaultValue;
        if (!stream.ReadFloat(names.Get(i), value) || !std::isfinite(value))
            value = defaultValue;
        param.SetValue(value);
    }
    return result;
}

DataModel::Objects::CParamInfo CAudioPluginInternalsBase::MakeBypassParamInfo()
{
    return DataModel::Objects::CParamInfo(0, "Bypass", "", "", new DataModel::Objects::CEnumToText("Off;On", 0), 0.0f,
                                          1.0f, 0.0f, true);
}

CAudioPluginInternalsBase::CAudioPluginInternalsBase(DSP::IFilter* processor, IPluginGUI* gui,
                                                     const DataModel::Objects::IConstProductInfo* productInfo,
                                                     IStaticSettings& staticSettings, double defaultOutputRefreshRate)
    : m_Processor(processor), m_GUI(gui), m_BypassManager(),
      m_BypassParamInfo(1, &static_cast<const DataModel::Objects::CParamInfo&>(MakeBypassParamInfo())),
      m_InputParamsInfo(m_BypassParamInfo, processor->GetInputParamsInfo()),
      m_OutputParamsInfo(&processor->GetOutputParamsInfo()), m_Connections(), m_Model(), m_ProductInfo(nullptr),
      m_MIDIController(m_InputParamsInfo.GetCount(), m_OutputParamsInfo->GetCount()), m_MIDIInputDefault(true),
      m_MIDIOutputDefault(true), m_AutomationOutputDefault(true), m_FactoryPresetsData("Presets"),
      m_ProgramName("User"), m_History(this), m_StaticSettings(&staticSettings), m_Lock(),
      m_OutputCurves(processor->GetOutputCurvesInfo(), processor->GetOutputCurves(), &m_Lock),
      m_OutputStrings(processor->GetOutputStringsInfo(), processor->GetOutputStrings(), &m_Lock),
      m_OutputSurfaces(processor->GetOutputSurfacesInfo(), processor->GetOutputSurfaces(), &m_Lock),
      m_OutputStringsCount(processor->GetOutputStrings().GetCount()),
      m_OutputStringsChanged(m_OutputStringsCount > 0 ? new char[m_OutputStringsCount] : nullptr),
      m_InputCCDefaultsListener(nullptr), m_OutputCCDefaultsListener(nullptr), m_AutomationDefaultsListener(nullptr),
      m_RefreshRateListener(nullptr), m_OutputDataSync(), m_Presets(nullptr)
{
    for (int i = 0; i < m_OutputStringsCount; ++i)
        m_OutputStringsChanged[i] = 1;

    CAudioPluginDefaultSettings& defaults = GetDefaultSettings();
    m_InputCCDefaultsListener = new Core::TCommand<CInternals>(this, &CInternals::OnDefaultInputCCSettingsChanged);
    m_OutputCCDefaultsListener = new Core::TCommand<CInternals>(this, &CInternals::OnDefaultOutputCCSettingsChanged);
    m_AutomationDefaultsListener = new Core::TCommand<CInternals>(this, &CInternals::OnDefaultAutomationSettingsChanged);
    m_RefreshRateListener = new Core::TCommand<CInternals>(this, &CInternals::OnOutputRefreshRateChanged);
    defaults.GetInputCCSettingsChangedEvent().AddListener(m_InputCCDefaultsListener);
    defaults.GetOutputCCSettingsChangedEvent().AddListener(m_OutputCCDefaultsListener);
    defaults.GetAutomationSettingsChangedEvent().AddListener(m_AutomationDefaultsListener);
    defaults.GetOutputRefreshRateChangedEvent().AddListener(m_RefreshRateListener);

    if (productInfo)
        m_ProductInfo = new DataModel::Objects::CProductInfo(*productInfo);
    m_History.SetMaxCount(kHistoryMaxCount);

    // The default rate must be known before the first instance loads "global.pref".
    defaults.SetDefaultOutputRefreshRate(defaultOutputRefreshRate);
    m_StaticSettings->Init(m_InputParamsInfo, *m_OutputParamsInfo);

    defaults.CopyInputCCSettingsTo(m_MIDIController.GetInputCCSettings());
    defaults.CopyOutputCCSettingsTo(m_MIDIController.GetOutputCCSettings());
    defaults.CopyAutomationSettingsTo(m_MIDIController.GetAutomationSettings());

    const double refreshRate = defaults.GetOutputRefreshRate();
    m_OutputDataSync.SetRefreshRate(refreshRate);
    if (DSP::IOutputDataSync* own = m_Processor->GetOutputDataSync())
        own->SetRefreshRate(refreshRate);

    if (m_FactoryPresetsData.LoadFile(m_StaticSettings->GetDataPath().GetFactoryPresetsFilePath()))
        m_Presets = new CAudioPluginXMLPresets(this);
    else
        m_Presets = new CAudioPluginLegacyPresets(this);
}

CAudioPluginInternalsBase::~CAudioPluginInternalsBase()
{
    Disconnect();
    // The listeners go first: one of them reaches the processor, and the global settings may change
    // on another instance's thread while this one is destroyed.
    RemoveDefaultsListeners();
    delete m_GUI;
    m_GUI = nullptr;
    delete m_Processor;
    m_Processor = nullptr;
    delete m_ProductInfo;
    m_ProductInfo = nullptr;
    delete m_Presets;
    m_Presets = nullptr;
    delete[] m_OutputStringsChanged;
    m_OutputStringsChanged = nullptr;
}

void CAudioPluginInternalsBase::RemoveDefaultsListeners()
{
    CAudioPluginDefaultSettings& defaults = GetDefaultSettings();
    defaults.GetInputCCSettingsChangedEvent().RemoveListener(m_InputCCDefaultsListener, true);
    defaults.GetOutputCCSettingsChangedEvent().RemoveListener(m_OutputCCDefaultsListener, true);
    defaults.GetAutomationSettingsChangedEvent().RemoveListener(m_AutomationDefaultsListener, true);
    defaults.GetOutputRefreshRateChangedEvent().RemoveListener(m_RefreshRateListener, true);
}

CAudioPluginDefaultSettings& CAudioPluginInternalsBase::GetDefaultSettings() const
{
    return m_StaticSettings->GetDefaultSettings();
}

void CAudioPluginInternalsBase::Connect(IPluginGUIConnections::IInputParams* inputParams,
                                        IPluginGUIConnections::IOutputParams* outputParams)
{
    m_Connections.m_ProductInfo = &GetProductInfo();
    m_Connections.m_ProcessInfo = &m_Processor->GetProcessInfo();
    m_Connections.m_OutputCurves = &m_OutputCurves;
    m_Connections.m_OutputStrings = &m_OutputStrings;
    m_Connections.m_OutputSurfaces = &m_OutputSurfaces;
    m_Connections.m_InputParams = inputParams;
    m_Connections.m_OutputParams = outputParams;
    m_Connections.m_MIDIController = &m_MIDIController;
    m_Connections.m_DefaultSettings = &GetDefaultSettings();
    m_Connections.m_MIDIInputDefault = &m_MIDIInputDefault;
    m_Connections.m_MIDIOutputDefault = &m_MIDIOutputDefault;
    m_Connections.m_AutomationOutputDefault = &m_AutomationOutputDefault;
    m_Connections.m_Model = &m_Model;
    m_Connections.m_DataPath = &m_StaticSettings->GetDataPath();
    m_Connections.m_PluginState = this;
    m_Connections.m_History = &m_History;
    m_Connections.m_Presets = m_Presets;
    m_Model.SetGUIConnections(&m_Connections);
    if (m_GUI)
        m_GUI->SetConnections(&m_Connections);
}

void CAudioPluginInternalsBase::Disconnect()
{
    if (m_GUI)
        m_GUI->SetConnections(nullptr);
    m_Model.SetGUIConnections(nullptr);
}

void CAudioPluginInternalsBase::SetSampleRate(double rate, bool& apply)
{
    m_OutputDataSync.SetSampleRate(rate);
    m_BypassManager.SetSampleRate(rate);
    m_BypassManager.SetTransitionTime(kBypassTransitionMs);
    m_BypassManager.ReserveBuffers(m_Processor->GetProcessInfo().GetOutputsInfo().GetCount(), kBlockReserve);
    m_Processor->SetSampleRate(apply, rate);
}

DSP::IOutputDataSync* CAudioPluginInternalsBase::GetOutputDataSync()
{
    DSP::IOutputDataSync* own = m_Processor->GetOutputDataSync();
    return own ? own : &m_OutputDataSync;
}

void CAudioPluginInternalsBase::OnBlockProcessed(int count)
{
    if (!m_Processor->GetOutputDataSync())
        m_OutputDataSync.AddSamples(count);
}

void CAudioPluginInternalsBase::PublishOutputs()
{
    DSP::IFilter& processor = *m_Processor;
    const int curveCount = processor.GetOutputCurvesInfo().GetCount();
    const DSP::IFilter::IConstCurves& curves = processor.GetOutputCurves();
    DSP::IFilter::IDirtyFlags& curvesDirty = processor.GetOutputCurvesDirty();
    const int surfaceCount = processor.GetOutputSurfacesInfo().GetCount();
    const DSP::IFilter::IConstSurfaces& surfaces = processor.GetOutputSurfaces();
    DSP::IFilter::IDirtyFlags& surfacesDirty = processor.GetOutputSurfacesDirty();
    const DSP::IFilter::IConstStrings& strings = processor.GetOutputStrings();
    // The change bytes were sized at construction: a processor never grows its outputs.
    int stringCount = strings.GetCount();
    if (stringCount > m_OutputStringsCount)
        stringCount = m_OutputStringsCount;

    Core::CAutoLock lock(&m_Lock);
    StoreDirtyFunctions(m_OutputCurves, curves, curvesDirty, curveCount);
    StoreDirtyFunctions(m_OutputSurfaces, surfaces, surfacesDirty, surfaceCount);
    for (int i = 0; i < stringCount; ++i) {
        const char* text = strings.GetValue(i);
        COutputStrings::CFactory::CHeldValue& held = m_OutputStrings.GetFactory(i).GetHeldValue();
        const bool changed = !CoreUtilities::StringsEqual(text, held.GetHeldValue().GetValue());
        m_OutputStringsChanged[i] = changed ? 1 : 0;
        if (changed)
            held.SetValue(text);
    }
    AnnounceDirtyFunctions(m_OutputCurves, curvesDirty, curveCount);
    AnnounceDirtyFunctions(m_OutputSurfaces, surfacesDirty, surfaceCount);
    for (int i = 0; i < stringCount; ++i) {
        if (!m_OutputStringsChanged[i])
            continue;
        m_OutputStrings.GetFactory(i).NotifyValueChanged();
        m_OutputStringsChanged[i] = 0;
    }
}

const DataModel::Objects::IConstProductInfo& CAudioPluginInternalsBase::GetProductInfo() const
{
    if (m_ProductInfo)
        return *m_ProductInfo;
    return m_Processor->GetObjectInfo();
}

void CAudioPluginInternalsBase::OnDefaultInputCCSettingsChanged()
{
    if (m_MIDIInputDefault.GetValue())
        GetDefaultSettings().CopyInputCCSettingsTo(m_MIDIController.GetInputCCSettings());
}

void CAudioPluginInternalsBase::OnDefaultOutputCCSettingsChanged()
{
    if (m_MIDIOutputDefault.GetValue())
        GetDefaultSettings().CopyOutputCCSettingsTo(m_MIDIController.GetOutputCCSettings());
}

void CAudioPluginInternalsBase::OnDefaultAutomationSettingsChanged()
{
    if (m_AutomationOutputDefault.GetValue())
        GetDefaultSettings().CopyAutomationSettingsTo(m_MIDIController.GetAutomationSettings());
}

void CAudioPluginInternalsBase::OnOutputRefreshRateChanged()
{
    GetOutputDataSync()->SetRefreshRate(GetDefaultSettings().GetOutputRefreshRate());
}

bool CAudioPluginInternalsBase::Serialize(Serialization::IWriteDataStream& stream) const
{
    bool result = stream.WriteInt("version", kStateVersion);
    result = stream.WriteString("progName", m_ProgramName.GetString()) && result;
    IPluginGUIConnections::IInputParams* params = m_Connections.GetInputParams();
    if (params) {
        const float bypass = params->GetAt(0).GetValue();
        result = stream.WriteFloat("bypass", bypass) && result;
        const CInputParamsSerializer values(params);
        result = stream.WriteObject("inputParams", values) && result;
    }
    const CMIDIController& controller = m_MIDIController;
    result = WriteSettings(stream, "MIDIInputDefault", m_MIDIInputDefault, "MIDIInputSettings",
                           controller.GetInputCCSettings().GetStorage()) &&
             result;
    result = WriteSettings(stream, "MIDIOutputDefault", m_MIDIOutputDefault, "MIDIOutputSettings",
                           controller.GetOutputCCSettings().GetStorage()) &&
             result;
    // A core without an editor stores an empty editor state, so that the keys keep their order.
    if (m_GUI) {
        result = stream.WriteObject("GUI", *m_GUI) && result;
    } else {
        const CNoState empty;
        result = stream.WriteObject("GUI", empty) && result;
    }
    result = stream.WriteObject("model", m_Model) && result;
    return WriteSettings(stream, "AutomationOutputDefault", m_AutomationOutputDefault, "AutomationOutputSettings",
                         controller.GetAutomationSettings().GetStorage()) &&
           result;
}

bool CAudioPluginInternalsBase::DeSerialize(const Serialization::IReadDataStream& stream)
{
    int version = 0;
    stream.ReadInt("version", version);

    char* name = nullptr;
    if (stream.ReadString("progName", name))
        m_ProgramName.Attach(name);
    else
        m_ProgramName = "Default";

    if (IPluginGUIConnections::IInputParams* params = m_Connections.GetInputParams()) {
        float bypass = 0.0f;
        if (!stream.ReadFloat("bypass", bypass) || !std::isfinite(bypass))
            bypass = 0.0f;
        params->GetAt(0).SetValue(bypass);
        CInputParamsSerializer values(params);
        ReadObjectOrDefaults(stream, "inputParams", values);
    }

    CAudioPluginDefaultSettings& defaults = GetDefaultSettings();
    defaults.CopyInputCCSettingsTo(m_MIDIController.GetInputCCSettings());
    ReadSettings(stream, "MIDIInputDefault", m_MIDIInputDefault, "MIDIInputSettings",
                 m_MIDIController.GetInputCCSettings().GetStorage());
    defaults.CopyOutputCCSettingsTo(m_MIDIController.GetOutputCCSettings());
    ReadSettings(stream, "MIDIOutputDefault", m_MIDIOutputDefault, "MIDIOutputSettings",
                 m_MIDIController.GetOutputCCSettings().GetStorage());

    if (m_GUI)
        ReadObjectOrDefaults(stream, "GUI", *m_GUI);
    ReadObjectOrDefaults(stream, "model", m_Model);

    defaults.CopyAutomationSettingsTo(m_MIDIController.GetAutomationSettings());
    m_AutomationOutputDefault.SetValue(true);
    // Documents before version 2 carry no automation keys.
    if (version <= 1)
        return true;
    ReadSettings(stream, "AutomationOutputDefault", m_AutomationOutputDefault, "AutomationOutputSettings",
                 m_MIDIController.GetAutomationSettings().GetStorage());
    return true;
}

void GetChannelCounts(const DSP::IProcessInfo& processInfo, int& inputs, int& outputs)
{
    inputs = processInfo.GetInputsInfo().GetCount();
    outputs = processInfo.GetOutputsInfo().GetCount();
    if (inputs == 0)
        inputs = outputs;
    if (outputs == 0)
        outputs = inputs;
    if (inputs == 0 && outputs == 0) {
        inputs = 2;
        outputs = 2;
    }
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis

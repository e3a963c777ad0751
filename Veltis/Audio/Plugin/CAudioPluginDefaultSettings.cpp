#include "Veltis/Audio/Plugin/CAudioPluginDefaultSettings.h"

#include "Veltis/Audio/Plugin/CopyMIDICCSettings.h"
#include "Veltis/Audio/Plugin/IAudioPluginDataPath.h"
#include "Veltis/Audio/Plugin/PluginFolders.h"
#include "Veltis/Core/CAutoLock.h"
#include "Veltis/Core/TValueTraits.h"
#include "Veltis/CoreUtilities/CFilePath.h"
#include "Veltis/Serialization/CXmlDataObject.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

#include <cmath>

namespace Veltis {
namespace Audio {
namespace Plugin {

using Containers::IConstVector;
using Containers::IVector;
using DataModel::Objects::CParamInfo;
using DataModel::Objects::IConstParamInfo;

namespace {

// Where the default lists put the next record: numbers 0 to 127 on one channel, then the next channel;
// channel 16 is followed by channel 1.
struct SControllerCounter {
    int channel;
    int number;

    void Next()
    {
        if (++number <= 127)
            return;
        number = 0;
        if (++channel > 16)
            channel = 1;
    }
};

template <class TargetVector, class Infos>
int CommonCount(const TargetVector& target, const Infos& infos)
{
    const int targetCount = target.GetCount();
    return targetCount < infos.GetCount() ? targetCount : infos.GetCount();
}

template <class Infos>
void FillControllerDefaults(IVector<IMIDICCSetting>& target, const Infos& infos, SControllerCounter counter)
{
    const int count = CommonCount(target, infos);
    for (int i = 0; i < count; ++i) {
        IMIDICCSetting& setting = target.GetAt(i);
        setting.SetChannel(counter.channel);
        setting.Enable(false);
        setting.SetNumber(counter.number);
        setting.SetMin(infos[i].GetMin());
        setting.SetMax(infos[i].GetMax());
        counter.Next();
    }
}

template <class Infos>
void CopyParamInfos(const IConstVector<IConstParamInfo>& source, Infos& infos)
{
    const int count = source.GetCount();
    infos.SetSize(count, true);
    for (int i = 0; i < count; ++i)
        infos[i].CopyFrom(source.GetAt(i));
}

void CopyAutomationFlags(const IConstVector<IAutomationSetting>& source, IVector<IAutomationSetting>& target)
{
    const int count = CommonCount(target, source);
    for (int i = 0; i < count; ++i)
        target.GetAt(i).Enable(source.GetAt(i).IsEnabled());
}

} // namespace

CAudioPluginDefaultSettings::CAudioPluginDefaultSettings(IAudioPluginDataPath* dataPath)
    : m_InputCCSettings(0), m_OutputCCSettings(0), m_AutomationSettings(0), m_pDataPath(dataPath),
      m_OutputRefreshRate(kDefaultOutputRefreshRate), m_DefaultOutputRefreshRate(kDefaultOutputRefreshRate)
{
    m_SkinFile = GetDataPathText(&IAudioPluginDataPath::GetDefaultSkinFilePath);
    char* dataFolder = nullptr;
    GetPluginDataFolder(dataFolder);
    m_DataFolder.Attach(dataFolder);
}

CAudioPluginDefaultSettings::~CAudioPluginDefaultSettings() {}

const char* CAudioPluginDefaultSettings::GetDataPathText(const char* (IAudioPluginDataPath::*path)() const) const
{
    const char* text = m_pDataPath ? (m_pDataPath->*path)() : nullptr;
    return text ? text : "";
}

void CAudioPluginDefaultSettings::SetParamsInfo(const IConstVector<IConstParamInfo>& inputs,
                                                const IConstVector<IConstParamInfo>& outputs)
{
    {
        Core::CAutoLock lock(&m_InputCCLock);
        CopyParamInfos(inputs, m_InputParamsInfo);
        m_InputCCSettings.GetStorage().SetSize(inputs.GetCount(), true);
        GetDefaultInputCCSettings(m_InputCCSettings);
    }
    {
        Core::CAutoLock lock(&m_OutputCCLock);
        CopyParamInfos(outputs, m_OutputParamsInfo);
        m_OutputCCSettings.GetStorage().SetSize(outputs.GetCount(), true);
        GetDefaultOutputCCSettings(m_OutputCCSettings);
    }
    Core::CAutoLock lock(&m_AutomationLock);
    m_AutomationSettings.GetStorage().SetSize(outputs.GetCount(), true);
    GetDefaultAutomationSettings(m_AutomationSettings);
}

void CAudioPluginDefaultSettings::SetDefaultLists()
{
    {
        Core::CAutoLock lock(&m_SkinFileLock);
        m_SkinFile = GetDataPathText(&IAudioPluginDataPath::GetDefaultSkinFilePath);
    }
    GetDefaultInputCCSettings(m_InputCCSettings);
    GetDefaultOutputCCSettings(m_OutputCCSettings);
    {
        Core::CAutoLock lock(&m_AutomationLock);
        GetDefaultAutomationSettings(m_AutomationSettings);
    }
    m_OutputRefreshRate.store(GetDefaultOutputRefreshRate(), std::memory_order_relaxed);
}

void CAudioPluginDefaultSettings::Load()
{
    const char* path = GetDataPathText(&IAudioPluginDataPath::GetGlobalSettingsFilePath);
    if (*path == '\0')
        return;
    Serialization::CXmlDataObject document("Root");
    SetDefaultLists();
    if (document.LoadFile(path))
        DeSerialize(document);
}

void CAudioPluginDefaultSettings::Save()
{
    const char* path = GetDataPathText(&IAudioPluginDataPath::GetGlobalSettingsFilePath);
    if (*path == '\0')
        return;
    Serialization::CXmlDataObject document("GlobalSettings");
    Serialize(document);
    document.SaveFile(path);
}

bool CAudioPluginDefaultSettings::Serialize(Serialization::IWriteDataStream& stream) const
{
    bool result = stream.WriteInt("version", kFileVersion);
    {
        Core::CAutoLock lock(&m_SkinFileLock);
        CoreUtilities::CFilePath skin(m_SkinFile.GetString());
        skin.MakeRelativeTo(m_DataFolder.GetString());
        result = stream.WriteString("skinFile", skin.GetString()) && result;
    }
    {
        Core::CAutoLock lock(&m_InputCCLock);
        const CMIDICCSettingsSerializer list(&m_InputCCSettings.GetStorage(), "item");
        result = stream.WriteObject("inputCCSettings", list) && result;
    }
    {
        Core::CAutoLock lock(&m_OutputCCLock);
        const CMIDICCSettingsSerializer list(&m_OutputCCSettings.GetStorage(), "item");
        result = stream.WriteObject("outputCCSettings", list) && result;
    }
    {
        Core::CAutoLock lock(&m_AutomationLock);
        const CAutomationSettingsSerializer list(&m_AutomationSettings.GetStorage(), "item");
        result = stream.WriteObject("outputAutomationSettings", list) && result;
    }
    return stream.WriteDouble("outputRefreshRate", m_OutputRefreshRate.load(std::memory_order_relaxed)) && result;
}

bool CAudioPluginDefaultSettings::DeSerialize(const Serialization::IReadDataStream& stream)
{
    int version = 0;
    bool result = stream.ReadInt("version", version);
    char* skinFile = nullptr;
    const bool skinRead = stream.ReadString("skinFile", skinFile);
    result = skinRead && result;
    if (skinRead) {
        CoreUtilities::CFilePath skin(skinFile);
        skin.MakeAbsolute(m_DataFolder.GetString());
        Core::CAutoLock lock(&m_SkinFileLock);
        m_SkinFile = skin.GetString();
    }
    delete[] skinFile;
    {
        Core::CAutoLock lock(&m_InputCCLock);
        CMIDICCSettingsDeSerializer list(&m_InputCCSettings.GetStorage(), "item");
        result = stream.ReadObject("inputCCSettings", list) && result;
    }
    {
        Core::CAutoLock lock(&m_OutputCCLock);
        CMIDICCSettingsDeSerializer list(&m_OutputCCSettings.GetStorage(), "item");
        result = stream.ReadObject("outputCCSettings", list) && result;
    }
    {
        Core::CAutoLock lock(&m_AutomationLock);
        if (version < 2) {
            GetDefaultAutomationSettings(m_AutomationSettings);
        } else {
            CAutomationSettingsDeSerializer list(&m_AutomationSettings.GetStorage(), "item");
            result = stream.ReadObject("outputAutomationSettings", list) && result;
        }
    }
    if (version < 3) {
        m_OutputRefreshRate.store(GetDefaultOutputRefreshRate(), std::memory_order_relaxed);
        return result;
    }
    // A rate that is not finite would make the refresh period undefined and block every later change,
    // which compares against it: it counts as unreadable.
    double rate = GetOutputRefreshRate();
    if (!stream.ReadDouble("outputRefreshRate", rate) || !std::isfinite(rate))
        return false;
    m_OutputRefreshRate.store(rate, std::memory_order_relaxed);
    return result;
}

void CAudioPluginDefaultSettings::SetSkinFile(const char* skinFile)
{
    Core::CAutoLock lock(&m_SkinFileLock);
    m_SkinFile = skinFile ? skinFile : "";
}

void CAudioPluginDefaultSettings::GetSkinFile(char** skinFile)
{
    if (!skinFile)
        return;
    Core::CAutoLock lock(&m_SkinFileLock);
    *skinFile = m_SkinFile.Duplicate();
}

void CAudioPluginDefaultSettings::GetDefaultSkinFile(char** skinFile)
{
    if (skinFile)
        *skinFile = Core::CCharString(GetDataPathText(&IAudioPluginDataPath::GetDefaultSkinFilePath)).Duplicate();
}

void CAudioPluginDefaultSettings::SetInputCCSettings(const IConstVector<IMIDICCSetting>& settings)
{
    Core::CAutoLock lock(&m_InputCCLock);
    CopyMIDICCSettings(settings, m_InputCCSettings);
    m_InputCCSettingsChangedEvent.Notify();
}

void CAudioPluginDefaultSettings::SetOutputCCSettings(const IConstVector<IMIDICCSetting>& settings)
{
    Core::CAutoLock lock(&m_OutputCCLock);
    CopyMIDICCSettings(settings, m_OutputCCSettings);
    m_OutputCCSettingsChangedEvent.Notify();
}

void CAudioPluginDefaultSettings::SetAutomationSettings(const IConstVector<IAutomationSetting>& settings)
{
    Core::CAutoLock lock(&m_AutomationLock);
    CopyAutomationFlags(settings, m_AutomationSettings);
    m_AutomationSettingsChangedEvent.Notify();
}

void CAudioPluginDefaultSettings::CopyInputCCSettingsTo(IVector<IMIDICCSetting>& target)
{
    Core::CAutoLock lock(&m_InputCCLock);
    CopyMIDICCSettings(m_InputCCSettings, target);
}

void CAudioPluginDefaultSettings::CopyOutputCCSettingsTo(IVector<IMIDICCSetting>& target)
{
    Core::CAutoLock lock(&m_OutputCCLock);
    CopyMIDICCSettings(m_OutputCCSettings, target);
}

void CAudioPluginDefaultSettings::CopyAutomationSettingsTo(IVector<IAutomationSetting>& target)
{
    Core::CAutoLock lock(&m_AutomationLock);
    CopyAutomationFlags(m_AutomationSettings, target);
}

void CAudioPluginDefaultSettings::SetOutputRefreshRate(double rate)
{
    if (!Core::TValueTraits<double>::Differs(GetOutputRefreshRate(), rate))
        return;
    m_OutputRefreshRate.store(rate, std::memory_order_relaxed);
    m_OutputRefreshRateChangedEvent.Notify();
}

void CAudioPluginDefaultSettings::SetDefaultOutputRefreshRate(double rate)
{
    m_DefaultOutputRefreshRate.store(rate, std::memory_order_relaxed);
}

// The descriptors are guarded by the list's lock, which is recursive, so the callers inside this class
// may hold it already.
void CAudioPluginDefaultSettings::GetDefaultInputCCSettings(IVector<IMIDICCSetting>& target)
{
    Core::CAutoLock lock(&m_InputCCLock);
    const bool anyChannel = CommonCount(target, m_InputParamsInfo) <= 128;
    FillControllerDefaults(target, m_InputParamsInfo, anyChannel ? SControllerCounter{0, 0} : SControllerCounter{1, 0});
}

void CAudioPluginDefaultSettings::GetDefaultOutputCCSettings(IVector<IMIDICCSetting>& target)
{
    Core::CAutoLock lock(&m_OutputCCLock);
    FillControllerDefaults(target, m_OutputParamsInfo, SControllerCounter{1, 1});
}

// Only the descriptors' count is read, which changes only in SetParamsInfo: no second lock is taken
// under the automation lock.
void CAudioPluginDefaultSettings::GetDefaultAutomationSettings(IVector<IAutomationSetting>& target)
{
    const int count = CommonCount(target, m_OutputParamsInfo);
    for (int i = 0; i < count; ++i)
        target.GetAt(i).Enable(false);
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis

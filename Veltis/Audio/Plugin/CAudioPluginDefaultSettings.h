#pragma once

#include "Veltis/Audio/Plugin/CAutomationSettings.h"
#include "Veltis/Audio/Plugin/CMIDICCSettings.h"
#include "Veltis/Audio/Plugin/IAudioPluginDefaultSettings.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/Serialization/ITypeSerializable.h"
#include "Veltis/System/CCriticalSection.h"
#include "Veltis/System/CMTEventProvider.h"

#include <atomic>

namespace Veltis {
namespace Audio {
namespace Plugin {

class IAudioPluginDataPath;

// The module's global settings, kept in "global.pref" in the user's folder. Lists keep the size their
// descriptors gave them: a file never sizes anything. Four recursive locks guard the input list, the
// output list, the automation list and the skin path; no operation holds two of them. The audio
// threads never touch this object.
class CAudioPluginDefaultSettings : public virtual Serialization::ITypeSerializable,
                                    public virtual IAudioPluginDefaultSettings {
public:
    static constexpr const char* kClassId = "{E3E4C470-BBE8-4383-BC84-49C4C2313F9E}";
    static constexpr int kFileVersion = 3;
    static constexpr double kDefaultOutputRefreshRate = 50.0;

    // The paths object is not owned and must outlive the settings; null gives empty paths.
    explicit CAudioPluginDefaultSettings(IAudioPluginDataPath* dataPath);
    ~CAudioPluginDefaultSettings() override;
    CAudioPluginDefaultSettings(const CAudioPluginDefaultSettings&) = delete;
    CAudioPluginDefaultSettings& operator=(const CAudioPluginDefaultSettings&) = delete;

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;
    const char* GetTypeId() const override { return kClassId; }

    // Sizes the lists for the descriptors and fills them with the built-in defaults; no list event.
    void SetParamsInfo(const Containers::IConstVector<DataModel::Objects::IConstParamInfo>& inputs,
                       const Containers::IConstVector<DataModel::Objects::IConstParamInfo>& outputs);

    void Load() override;
    void Save() override;
    // Silent: the editor reloads its skin itself after the settings dialog.
    void SetSkinFile(const char* skinFile) override;
    void SetInputCCSettings(const Containers::IConstVector<IMIDICCSetting>& settings) override;
    void SetOutputCCSettings(const Containers::IConstVector<IMIDICCSetting>& settings) override;
    void SetAutomationSettings(const Containers::IConstVector<IAutomationSetting>& settings) override;
    // Announced when it changes; a NaN changes nothing. No bounds: the dialog has them.
    void SetOutputRefreshRate(double rate) override;
    void GetSkinFile(char** skinFile) override;
    void CopyInputCCSettingsTo(Containers::IVector<IMIDICCSetting>& target) override;
    void CopyOutputCCSettingsTo(Containers::IVector<IMIDICCSetting>& target) override;
    void CopyAutomationSettingsTo(Containers::IVector<IAutomationSetting>& target) override;
    double GetOutputRefreshRate() override { return m_OutputRefreshRate.load(std::memory_order_relaxed); }
    void GetDefaultSkinFile(char** skinFile) override;
    // Input records: channel 0 and number i for up to 128 records; for more, channel 1 number 0
    // counting up (numbers 0 to 127, then the next channel, channel 16 followed by 1). All disabled,
    // ranges from the descriptors, curves untouched.
    void GetDefaultInputCCSettings(Containers::IVector<IMIDICCSetting>& target) override;
    // Output records: counting from channel 1 number 1, otherwise as the inputs.
    void GetDefaultOutputCCSettings(Containers::IVector<IMIDICCSetting>& target) override;
    void GetDefaultAutomationSettings(Containers::IVector<IAutomationSetting>& target) override;
    void SetDefaultOutputRefreshRate(double rate);
    double GetDefaultOutputRefreshRate() override { return m_DefaultOutputRefreshRate.load(std::memory_order_relaxed); }
    Core::IEventProvider& GetInputCCSettingsChangedEvent() override { return m_InputCCSettingsChangedEvent; }
    Core::IEventProvider& GetOutputCCSettingsChangedEvent() override { return m_OutputCCSettingsChangedEvent; }
    Core::IEventProvider& GetAutomationSettingsChangedEvent() override { return m_AutomationSettingsChangedEvent; }
    Core::IEventProvider& GetSkinFileChangedEvent() override { return m_SkinFileChangedEvent; }
    Core::IEventProvider& GetOutputRefreshRateChangedEvent() override { return m_OutputRefreshRateChangedEvent; }

private:
    typedef Core::TDynamicVector<DataModel::Objects::CParamInfo> CParamInfos;

    const char* GetDataPathText(const char* (IAudioPluginDataPath::*path)() const) const;
    void SetDefaultLists();

    CMIDICCSettings m_InputCCSettings;
    CMIDICCSettings m_OutputCCSettings;
    CAutomationSettings m_AutomationSettings;
    Core::CCharString m_SkinFile;
    IAudioPluginDataPath* m_pDataPath;
    System::CMTEventProvider m_InputCCSettingsChangedEvent;
    System::CMTEventProvider m_OutputCCSettingsChangedEvent;
    System::CMTEventProvider m_AutomationSettingsChangedEvent;
    System::CMTEventProvider m_SkinFileChangedEvent;
    System::CMTEventProvider m_OutputRefreshRateChangedEvent;
    CParamInfos m_InputParamsInfo;
    CParamInfos m_OutputParamsInfo;
    mutable System::CCriticalSection m_InputCCLock;
    mutable System::CCriticalSection m_OutputCCLock;
    mutable System::CCriticalSection m_AutomationLock;
    mutable System::CCriticalSection m_SkinFileLock;
    Core::CCharString m_DataFolder;
    // Written by the GUI thread and by each core's construction.
    std::atomic<double> m_OutputRefreshRate;
    std::atomic<double> m_DefaultOutputRefreshRate;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis

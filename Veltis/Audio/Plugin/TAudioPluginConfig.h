#pragma once

#include "Veltis/Audio/Plugin/CAudioPluginDefaultSettings.h"
#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// The process's one set of shared settings: the paths (built first, which creates the user folder
// chain) and the global settings over them. Nothing is saved when it goes.
template <class TPaths>
class TAudioPluginConfig : public virtual CAudioPluginInternalsBase::IStaticSettings {
public:
    TAudioPluginConfig() : m_Initialized(false), m_DefaultSettings(&m_FilePaths) {}
    ~TAudioPluginConfig() override {}
    TAudioPluginConfig(const TAudioPluginConfig&) = delete;
    TAudioPluginConfig& operator=(const TAudioPluginConfig&) = delete;

    void Init(const Containers::IConstVector<DataModel::Objects::IConstParamInfo>& inputs,
              const Containers::IConstVector<DataModel::Objects::IConstParamInfo>& outputs) override
    {
        if (m_Initialized)
            return;
        m_DefaultSettings.SetParamsInfo(inputs, outputs);
        m_DefaultSettings.Load();
        m_Initialized = true;
    }

    CAudioPluginDefaultSettings& GetDefaultSettings() override { return m_DefaultSettings; }
    TPaths& GetDataPath() override { return m_FilePaths; }

private:
    bool m_Initialized;
    TPaths m_FilePaths;
    CAudioPluginDefaultSettings m_DefaultSettings;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis

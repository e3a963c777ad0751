#pragma once

#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"
#include "Veltis/Serialization/CXmlDataObject.h"

#include "CHostParams.h"

#include <memory>
#include <string>

namespace VeltisTest {

// A plug-in core with host-side parameters over its descriptors, as a host adapter would keep it;
// connected by Connect and disconnected when it goes.
class CHostedCore {
public:
    CHostedCore(Veltis::Audio::Plugin::CAudioPluginInternalsBase::IStaticSettings& settings,
                Veltis::Audio::DSP::IFilter* processor, Veltis::Audio::Plugin::IPluginGUI* gui,
                const Veltis::DataModel::Objects::IConstProductInfo* productInfo = nullptr, double refreshRate = 50.0)
        : m_Core(new Veltis::Audio::Plugin::CAudioPluginInternalsBase(processor, gui, productInfo, settings,
                                                                      refreshRate)),
          m_Inputs(m_Core->GetInputParamsInfo()), m_Outputs(m_Core->GetOutputParamsInfo())
    {
    }
    ~CHostedCore() { m_Core->Disconnect(); }
    CHostedCore(const CHostedCore&) = delete;
    CHostedCore& operator=(const CHostedCore&) = delete;

    void Connect() { m_Core->Connect(&m_Inputs, &m_Outputs); }

    // The state as the host adapter stores it: the compact text of a "Preset" document.
    bool SaveStateText(std::string& text) const
    {
        Veltis::Serialization::CXmlDataObject document("Preset");
        char* printed = nullptr;
        const bool saved = m_Core->Serialize(document) && document.GetText(printed);
        text = printed ? printed : "";
        delete[] printed;
        return saved;
    }
    Veltis::Audio::Plugin::CAudioPluginInternalsBase& operator*() { return *m_Core; }
    Veltis::Audio::Plugin::CAudioPluginInternalsBase* operator->() { return m_Core.get(); }

    std::unique_ptr<Veltis::Audio::Plugin::CAudioPluginInternalsBase> m_Core;
    CHostInputParams m_Inputs;
    CHostOutputParams m_Outputs;
};

} // namespace VeltisTest

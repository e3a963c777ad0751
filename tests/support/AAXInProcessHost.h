#pragma once

#include <memory>

#include "aax/AAX_VCollection.h"
#include "aax/Exports/GetEffectDescriptions.h"
#include "platform/aax/host/CHostEnvironment.h"
#include "platform/aax/host/CHostInstance.h"

namespace VeltisTest {

// The stand-in host over the effect description linked into the test program itself (no module file):
// registration through the real wrappers, then instances made from what was recorded.
struct CAAXInProcessHost {
    explicit CAAXInProcessHost(const Veltis::Platform::AAXHost::SHostFaults& faults = {}) : m_Host(faults)
    {
        AAX_VCollection collection(m_Host.GetHostUnknown());
        m_RegisterResult = VeltisExt::AAXPlugin::GetEffectDescriptions(&collection);
    }

    std::unique_ptr<Veltis::Platform::AAXHost::CHostInstance> NewInstance()
    {
        const Veltis::Platform::AAXHost::SEffectDescription& effect = m_Host.GetDescription().m_Effects.at(0);
        std::unique_ptr<Veltis::Platform::AAXHost::CHostInstance> instance(
            new Veltis::Platform::AAXHost::CHostInstance(m_Host, effect, effect.m_Components.at(0)));
        return instance->Create() ? std::move(instance) : nullptr;
    }

    Veltis::Platform::AAXHost::CHostEnvironment m_Host;
    int32_t m_RegisterResult = -1;
};

} // namespace VeltisTest

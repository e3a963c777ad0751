#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>

#include <memory>
#include <string>

#include "Veltis/Audio/Plugin/CAudioPluginInternals.h"
#include "VeltisExt/AAXPlugin/CAAXPluginParameters.h"
#include "support/AAXInProcessHost.h"
#include "support/CEnvironmentVariable.h"
#include "support/CTemporaryFolder.h"

namespace VeltisTest {

// The adapter linked into the test program and hosted in process, for tests that reach inside an
// instance (MIDI settings, the editor's parameter objects, allocation counts); the user's folder is a
// temporary one.
class StereoTessalineInProcessTest : public ::testing::Test {
public:
    void SetUp() override
    {
        m_ConfigHomeVariable.reset(new CEnvironmentVariable("XDG_CONFIG_HOME", m_ConfigHome.GetPath().c_str()));
        m_Host.reset(new CAAXInProcessHost);
        ASSERT_EQ(m_Host->m_RegisterResult, 0);
        m_Instance = m_Host->NewInstance();
        ASSERT_TRUE(m_Instance);
        ASSERT_EQ(m_Instance->Initialize(Settings()), 0);
        m_Parameters = static_cast<VeltisExt::AAXPlugin::CAAXPluginParameters*>(
            static_cast<AAX_CEffectParameters*>(static_cast<AAX_IEffectParameters*>(
                static_cast<AAX_IACFEffectParameters_V2*>(m_Instance->GetEffect()))));
    }
    void TearDown() override
    {
        m_Instance.reset();
        m_Host.reset();
        m_ConfigHomeVariable.reset();
    }
    virtual Veltis::Platform::AAXHost::SInstanceSettings Settings() const
    {
        Veltis::Platform::AAXHost::SInstanceSettings settings;
        settings.m_SampleRate = 44100.0f;
        return settings;
    }

    Veltis::Audio::Plugin::CAudioPluginInternals& Internals() { return m_Parameters->GetInternals(); }
    // The editor's view of input parameter index (0 is the plug-in's bypass).
    Veltis::DataModel::TICaptureObject<float, Veltis::DataModel::Objects::IConstParamInfo>& Input(int index)
    {
        return Internals().GetConnections().GetInputParams()->GetAt(index);
    }

    CTemporaryFolder m_ConfigHome;
    std::unique_ptr<CEnvironmentVariable> m_ConfigHomeVariable;
    std::unique_ptr<CAAXInProcessHost> m_Host;
    std::unique_ptr<Veltis::Platform::AAXHost::CHostInstance> m_Instance;
    VeltisExt::AAXPlugin::CAAXPluginParameters* m_Parameters = nullptr;
};

} // namespace VeltisTest

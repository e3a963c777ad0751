#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/aax/AAXChunkRecord.h"
#include "platform/aax/host/CHostModule.h"
#include "support/AAXFixtureModule.h"
#include "support/CTemporaryFolder.h"

namespace VeltisTest {

constexpr uint32_t kStateChunkId = AAXFourCharCode("crvn");
constexpr uint32_t kControlsChunkId = AAXFourCharCode("elck");

// The built product module loaded by the stand-in host, with the user's folder in a temporary one;
// every test gets a fresh load and checks the module can be unloaded with every reference released.
class StereoTessalineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = getenv("XDG_CONFIG_HOME");
        m_HadConfigHome = old != nullptr;
        m_OldConfigHome = old ? old : "";
        setenv("XDG_CONFIG_HOME", m_ConfigHome.GetPath().c_str(), 1);
        ASSERT_TRUE(m_Module.LoadAndRegister(VELTIS_STEREO_TESSALINE_MODULE)) << m_Module.GetLastError();
    }
    void TearDown() override
    {
        m_Instances.clear();
        if (m_Module.IsLoaded())
            EXPECT_EQ(m_Module.Unload(), 0);
        ExpectLedgerBalanced(m_Module);
        if (m_HadConfigHome)
            setenv("XDG_CONFIG_HOME", m_OldConfigHome.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }

    // A new initialised instance, kept until the test ends.
    Veltis::Platform::AAXHost::CHostInstance& NewInstance(const Veltis::Platform::AAXHost::SInstanceSettings& settings = {})
    {
        m_Instances.push_back(m_Module.CreateInstance());
        Veltis::Platform::AAXHost::CHostInstance* instance = m_Instances.back().get();
        if (!instance)
            throw std::runtime_error(m_Module.GetLastError());
        EXPECT_EQ(instance->Initialize(settings), 0);
        return *instance;
    }

    static std::string IdOf(AAX_IACFEffectParameters* effect, int32_t index);
    static double Normalized(AAX_IACFEffectParameters* effect, const char* id)
    {
        double value = -1.0;
        EXPECT_EQ(effect->GetParameterNormalizedValue(id, &value), 0) << id;
        return value;
    }
    // The normalised value of a real value through the module's own text conversion.
    static double FromText(AAX_IACFEffectParameters* effect, const char* id, const char* text);
    static std::vector<unsigned char> Save(Veltis::Platform::AAXHost::CHostInstance& instance, uint32_t id = kStateChunkId)
    {
        std::vector<unsigned char> chunk;
        EXPECT_EQ(instance.SaveChunk(id, chunk), 0);
        return chunk;
    }

    CTemporaryFolder m_ConfigHome;
    std::string m_OldConfigHome;
    bool m_HadConfigHome = false;
    Veltis::Platform::AAXHost::CHostModule m_Module;
    std::vector<std::unique_ptr<Veltis::Platform::AAXHost::CHostInstance>> m_Instances;
};

inline std::string StereoTessalineTest::IdOf(AAX_IACFEffectParameters* effect, int32_t index)
{
    AAX_CString id;
    EXPECT_EQ(effect->GetParameterIDFromIndex(index, &id), 0);
    return id.Get();
}

inline double StereoTessalineTest::FromText(AAX_IACFEffectParameters* effect, const char* id, const char* text)
{
    double value = -1.0;
    EXPECT_EQ(effect->GetParameterValueFromString(id, &value, AAX_CString(text)), 0) << id << " " << text;
    return value;
}

} // namespace VeltisTest

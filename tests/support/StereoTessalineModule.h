#pragma once

#include <gtest/gtest.h>

#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include <memory>
#include <string>
#include <vector>

#include "aax/AAX_CString.h"
#include "platform/aax/AAXChunkRecord.h"
#include "platform/aax/host/CHostModule.h"
#include "support/AAXFixtureModule.h"
#include "support/CEnvironmentVariable.h"
#include "support/CTemporaryFolder.h"

namespace VeltisTest {

constexpr uint32_t kStateChunkId = AAXFourCharCode("crvn");
constexpr uint32_t kControlsChunkId = AAXFourCharCode("elck");

// The built product module loaded by the stand-in host, with the user's folder in a temporary one;
// every test gets a fresh load and checks the module can be unloaded with every reference released.
class StereoTessalineTest : public ::testing::Test {
public:
    void SetUp() override
    {
        m_ConfigHomeVariable.reset(new CEnvironmentVariable("XDG_CONFIG_HOME", m_ConfigHome.GetPath().c_str()));
        ASSERT_TRUE(m_Module.LoadAndRegister(VELTIS_STEREO_TESSALINE_MODULE)) << m_Module.GetLastError();
    }
    void TearDown() override
    {
        m_Instances.clear();
        if (m_Module.IsLoaded()) {
            EXPECT_EQ(m_Module.Unload(), 0);
        }
        ExpectLedgerBalanced(m_Module);
        m_ConfigHomeVariable.reset();
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
    // The identifier of the parameter with this name; fails the test when there is none.
    static std::string IdNamed(AAX_IACFEffectParameters* effect, const char* name);
    // Plays automation to the value this text means to the module.
    static void SetByText(Veltis::Platform::AAXHost::CHostInstance& instance, const char* name, const char* text)
    {
        const std::string id = IdNamed(instance.GetEffect(), name);
        EXPECT_EQ(instance.Automate(id.c_str(), FromText(instance.GetEffect(), id.c_str(), text)), 0) << name;
    }
    // Renders both channels (right = left when empty) in blocks of the given sizes, cycling through
    // them; returns the two output channels.
    static std::vector<std::vector<float>> RenderSignal(Veltis::Platform::AAXHost::CHostInstance& instance,
                                                        const std::vector<float>& left, std::vector<float> right = {},
                                                        const std::vector<int>& blockSizes = {512},
                                                        int inputChannels = 2);
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
    std::unique_ptr<CEnvironmentVariable> m_ConfigHomeVariable;
    Veltis::Platform::AAXHost::CHostModule m_Module;
    std::vector<std::unique_ptr<Veltis::Platform::AAXHost::CHostInstance>> m_Instances;
};

inline std::string StereoTessalineTest::IdOf(AAX_IACFEffectParameters* effect, int32_t index)
{
    AAX_CString id;
    EXPECT_EQ(effect->GetParameterIDFromIndex(index, &id), 0);
    return id.Get();
}

inline std::string StereoTessalineTest::IdNamed(AAX_IACFEffectParameters* effect, const char* name)
{
    int32_t count = 0;
    effect->GetParameterCount(&count);
    for (int32_t i = 0; i < count; ++i) {
        const std::string id = IdOf(effect, i);
        AAX_CString text;
        effect->GetParameterName(id.c_str(), &text);
        if (strcmp(text.Get(), name) == 0)
            return id;
    }
    ADD_FAILURE() << "no parameter " << name;
    return "none";
}

inline std::vector<std::vector<float>> StereoTessalineTest::RenderSignal(
    Veltis::Platform::AAXHost::CHostInstance& instance, const std::vector<float>& left, std::vector<float> right,
    const std::vector<int>& blockSizes, int inputChannels)
{
    if (right.empty())
        right = left;
    std::vector<std::vector<float>> out(2, std::vector<float>(left.size(), 0.0f));
    size_t done = 0;
    for (size_t b = 0; done < left.size(); ++b) {
        const size_t frames = std::min(left.size() - done, static_cast<size_t>(blockSizes[b % blockSizes.size()]));
        float* inputs[2] = {const_cast<float*>(left.data()) + done, right.data() + done};
        float* outputs[2] = {out[0].data() + done, out[1].data() + done};
        Veltis::Platform::AAXHost::SAudioBlock block;
        block.m_Inputs = inputChannels ? inputs : nullptr;
        block.m_InputChannels = inputChannels;
        block.m_Outputs = outputs;
        block.m_OutputChannels = 2;
        block.m_Frames = static_cast<int32_t>(frames);
        instance.Render(block);
        instance.AnswerAutomationRequests();
        done += frames;
    }
    return out;
}

inline std::vector<float> Sine(double frequency, double rate, size_t frames, float amplitude)
{
    std::vector<float> samples(frames);
    for (size_t i = 0; i < frames; ++i)
        samples[i] = amplitude * static_cast<float>(sin(2.0 * 3.14159265358979323846 * frequency * i / rate));
    return samples;
}

inline double RMS(const std::vector<float>& samples, size_t from)
{
    double sum = 0.0;
    for (size_t i = from; i < samples.size(); ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    return sqrt(sum / static_cast<double>(samples.size() - from));
}

inline double StereoTessalineTest::FromText(AAX_IACFEffectParameters* effect, const char* id, const char* text)
{
    double value = -1.0;
    EXPECT_EQ(effect->GetParameterValueFromString(id, &value, AAX_CString(text)), 0) << id << " " << text;
    return value;
}

} // namespace VeltisTest

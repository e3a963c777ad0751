#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "platform/aax/host/CHostAudioThread.h"
#include "support/StereoTessalineModule.h"

using namespace VeltisTest;
using Veltis::Platform::AAXHost::CHostAudioThread;
using Veltis::Platform::AAXHost::CHostInstance;

// The host renders on its audio thread while its main thread automates, saves and restores.
TEST_F(StereoTessalineTest, RenderingOnTheAudioThreadWhileTheMainThreadAutomatesSavesAndRestores)
{
    CHostInstance& instance = NewInstance();
    AAX_IACFEffectParameters* effect = instance.GetEffect();
    const std::string gain = IdNamed(effect, "Gain 2 (L)");
    const std::string oversample = IdNamed(effect, "Oversample");
    const std::vector<unsigned char> initial = Save(instance);
    const std::vector<float> tone = Sine(1000.0, 48000.0, 256, 0.2f);
    std::vector<float> left(tone), right(tone), outLeft(256), outRight(256);
    float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {outLeft.data(), outRight.data()};
    Veltis::Platform::AAXHost::SAudioBlock block;
    block.m_Inputs = inputs;
    block.m_InputChannels = 2;
    block.m_Outputs = outputs;
    block.m_OutputChannels = 2;
    block.m_Frames = 256;

    std::atomic<int> rendered{0};
    {
        CHostAudioThread audio;
        for (int i = 0; i < 200; ++i)
            audio.Post([&] {
                instance.Render(block);
                rendered.fetch_add(1);
            });
        // The main thread keeps working until the audio thread is done (bounded by the iteration count).
        for (int i = 0; i < 2000 && (i < 40 || rendered.load() < 200); ++i) {
            instance.Automate(gain.c_str(), (i % 10) / 10.0);
            if (i % 8 == 0)
                instance.Automate(oversample.c_str(), (i % 16) ? 1.0 : 0.0);
            instance.AnswerAutomationRequests();
            std::vector<unsigned char> saved;
            EXPECT_EQ(instance.SaveChunk(kStateChunkId, saved), 0);
            if (i % 5 == 0) {
                EXPECT_EQ(instance.RestoreChunk(i % 10 ? saved : initial), 0);
            }
        }
        ASSERT_TRUE(audio.WaitIdle(60000));
    }
    EXPECT_EQ(rendered.load(), 200);
    for (float sample : outLeft)
        EXPECT_TRUE(std::isfinite(sample));
}

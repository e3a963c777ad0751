#include "Veltis/Audio/DSP/AudioStreamOperations.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"
#include "Veltis/Audio/DSP/CFilterBypassManager.h"
#include "Veltis/Audio/DSP/Filters/CGain.h"
#include "Veltis/Audio/DSP/TFullStereoFromMonoFilter.h"
#include "support/CAllocationCounter.h"
#include "support/TRecordingFilter.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace Veltis::Audio::DSP;
using Veltis::Audio::DSP::Filters::CGain;

namespace {

const int kMaxBlock = 4096;

// Everything a render call reaches, driven like a host: block sizes 1 to 4096, 0 to 3 variation sets,
// bypass switches with fades, silent blocks and sample-rate changes on the audio thread.
struct CRenderRig {
    CRenderRig()
        : m_Samples(2 * kMaxBlock, 0.25f), m_Scratch(2 * kMaxBlock), m_GainStereo(0, -1), m_ToyStereo(5, -1),
          m_GainVariations(3, 2), m_ToyVariations(3, 65), m_MonoVariations(3, 1), m_ChainManager(&m_SharedBuffers)
    {
        bool apply = true;
        m_GainStereo.SetSampleRate(apply, 44100);
        m_ToyStereo.SetSampleRate(apply, 44100);
        m_MonoGain.SetSampleRate(apply, 44100);
        for (CFilterBypassManagerBase* manager : {static_cast<CFilterBypassManagerBase*>(&m_Master), &m_ChainManager}) {
            manager->SetSampleRate(44100);
            manager->SetTransitionTime(10.0f);
            manager->ReserveBuffers(2, kMaxBlock);
        }
    }

    void FillVariations(CDynamicParamsVariations& variations, int sets, int block)
    {
        variations.SetCount(sets);
        for (int s = 0; s < sets; ++s) {
            CDynamicParamsValues& set = variations.GetAt(s);
            for (int i = 0; i < set.GetCount(); ++i)
                set.SetValue(i, s == 0 ? static_cast<float>((block + i) % 12) - 6.0f : (i == block % 3 ? 1e-3f : 0.0f));
        }
    }

    void RunBlock(int block, int count)
    {
        const int sets = block % 4;
        FillVariations(m_GainVariations, sets, block);
        FillVariations(m_ToyVariations, sets, block);
        FillVariations(m_MonoVariations, sets, block);

        CAudioStream streams[2] = {CAudioStream(m_Samples.data(), count), CAudioStream(m_Samples.data() + kMaxBlock, count)};
        CAudioStream scratch[2] = {CAudioStream(m_Scratch.data(), count), CAudioStream(m_Scratch.data() + kMaxBlock, count)};
        CAudioStreams stereo(2, streams), other(2, scratch);
        CAudioStreams mono(1, streams);

        if (block % 7 == 0)
            m_Master.SetBypass(!m_Master.IsActive() ? false : true);
        if (block % 11 == 0)
            m_ChainManager.SetBypass(m_ChainManager.IsActive());
        if (block % 101 == 0) {
            bool apply = true;
            m_MonoGain.SetSampleRate(apply, block % 2 ? 88200 : 44100);
        }

        const CProcessContext context = {&stereo, &stereo, count, &m_GainVariations, nullptr};
        const CProcessContext toyContext = {&stereo, &other, count, &m_ToyVariations, nullptr};
        const CProcessContext monoContext = {&mono, &mono, count, &m_MonoVariations, nullptr};
        if (block % 5 == 0) {
            m_Master.ProcessSilence(m_GainStereo, context);
            m_ToyStereo.ProcessSilence(toyContext);
            m_ChainManager.ProcessSilence(m_MonoGain, monoContext);
        } else {
            m_Master.Process(m_GainStereo, context);
            m_ToyStereo.Process(toyContext);
            m_ChainManager.Process(m_MonoGain, monoContext);
        }
        float position = (block % 9) / 8.0f;
        CrossfadeStreams(stereo, other, other, count, position, -0.01f);
        float gain = 0.5f;
        ApplyGainRamp(other, stereo, count, gain, 0.001f);
        TrimParamsVariations(m_ToyVariations);
        AdaptParamsVariationsToDoubleRate(m_ToyVariations);
        m_GainStereo.UpdateOutputs();
    }

    std::vector<float> m_Samples, m_Scratch;
    TFullStereoFromMonoFilter<CGain> m_GainStereo;
    TFullStereoFromMonoFilter<VeltisTest::TRecordingFilter<35>> m_ToyStereo;
    CGain m_MonoGain;
    CDynamicParamsVariations m_GainVariations, m_ToyVariations, m_MonoVariations;
    CFilterBypassManager m_Master;
    CFilterBypassManagerBase::CBuffers m_SharedBuffers;
    CFilterBypassManagerBase m_ChainManager;
};

} // namespace

TEST(AllocationCounter, CountsAllocationsOfItsThreadWhileAlive)
{
    long count = 0;
    {
        VeltisTest::CAllocationCounter counter;
        std::unique_ptr<int> one(VeltisTest::Keep(new int(1)));
        std::unique_ptr<float[]> two(VeltisTest::Keep(new float[4]));
        count = counter.GetCount();
    }
    EXPECT_EQ(count, 2);
}

TEST(RealTime, BlocksAllocateNothingAfterAWarmUpAtTheLargestSize)
{
    CRenderRig rig;
    for (int block = 0; block < 8; ++block)
        rig.RunBlock(block, kMaxBlock);

    unsigned seed = 12345;
    long allocations = 0;
    {
        VeltisTest::CAllocationCounter counter;
        for (int block = 8; block < 3000; ++block) {
            seed = seed * 1664525u + 1013904223u;
            rig.RunBlock(block, 1 + static_cast<int>((seed >> 8) % kMaxBlock));
        }
        allocations = counter.GetCount();
    }
    EXPECT_EQ(allocations, 0);
}

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "platform/aax/AAXResult.h"
#include "platform/aax/host/CHostAudioThread.h"
#include "platform/aax/host/CHostModule.h"
#include "platform/aax/host/TLockFreeQueue.h"
#include "support/AAXFixtureModule.h"

using namespace Veltis::Platform::AAXHost;
using VeltisTest::CStereoBlock;
using VeltisTest::MIDIPacket;

namespace {
// Bounded, so that a fault fails the test instead of hanging it.
const int kMaxWaitMs = 30000;
}

TEST(CHostModuleMTTest, AudioThreadRendersWhileTheMainThreadAutomatesSavesAndRestores)
{
    CHostModule module;
    ASSERT_TRUE(module.LoadAndRegister(VELTIS_AAX_FIXTURE_MODULE)) << module.GetLastError();
    std::unique_ptr<CHostInstance> instance = module.CreateInstance();
    ASSERT_TRUE(instance);
    ASSERT_EQ(instance->Initialize(SInstanceSettings()), AAXResult::kSuccess);
    instance->AnswerAutomationRequests();

    const int kBlocks = 200;
    CStereoBlock block(64, 1.0f);
    // Packets posted at initialisation reach the effect at the first block the main thread does not hold up
    // by posting: render that block before the threads meet, so that every block below sees its MIDI.
    instance->Render(block.m_Block);
    std::vector<float> lastOutputs;
    lastOutputs.reserve(kBlocks);
    {
        CHostAudioThread audio;
        for (int i = 0; i < kBlocks; ++i) {
            audio.Post([&, i] {
                // The block's MIDI is set on the thread that renders it.
                std::vector<AAXMIDIPacket> midi;
                if (i % 10 == 0)
                    midi.push_back(MIDIPacket(0xB0, 7, static_cast<uint8_t>(i % 128)));
                instance->SetMIDIInput(midi);
                instance->Render(block.m_Block);
                lastOutputs.push_back(block.m_Out[0][63]);
            });
            if (i % 7 == 0)
                instance->Automate("Gain", (i % 5) / 4.0);
            if (i % 25 == 0) {
                std::vector<unsigned char> chunk;
                EXPECT_EQ(instance->SaveChunk(AAXFourCharCode("fxst"), chunk), AAXResult::kSuccess);
                EXPECT_EQ(instance->RestoreChunk(chunk), AAXResult::kSuccess);
            }
            instance->AnswerAutomationRequests();
        }
        ASSERT_TRUE(audio.WaitIdle(kMaxWaitMs));
    }
    instance->AnswerAutomationRequests();
    EXPECT_EQ(lastOutputs.size(), static_cast<size_t>(kBlocks));
    int setRequests = 0;
    for (const SAutomationRequest& request : instance->GetRequestHistory())
        setRequests += request.m_Kind == SAutomationRequest::kSetValue;
    EXPECT_EQ(setRequests, kBlocks / 10);
    EXPECT_EQ(instance->TakeMIDIOutput().size(), static_cast<size_t>(kBlocks / 10));

    instance.reset();
    EXPECT_EQ(module.Unload(), 0);
    VeltisTest::ExpectLedgerBalanced(module);
}

TEST(CHostModuleMTTest, LockFreeQueueKeepsEveryValueFromSeveralProducers)
{
    TLockFreeQueue<int> queue(1024);
    const int kPerThread = 200;
    std::vector<int> seen(4 * kPerThread, 0);
    {
        std::vector<std::thread> producers;
        for (int t = 0; t < 4; ++t)
            producers.emplace_back([&queue, t] {
                for (int i = 0; i < kPerThread; ++i)
                    queue.Push(t * kPerThread + i);
            });
        for (std::thread& producer : producers)
            producer.join();
    }
    int value = 0;
    while (queue.Pop(value))
        ++seen[value];
    for (int count : seen)
        EXPECT_EQ(count, 1);
    EXPECT_EQ(queue.GetDropped(), 0u);

    TLockFreeQueue<int> small(2);
    EXPECT_TRUE(small.Push(1));
    EXPECT_TRUE(small.Push(2));
    EXPECT_FALSE(small.Push(3));
    EXPECT_EQ(small.GetDropped(), 1u);
}

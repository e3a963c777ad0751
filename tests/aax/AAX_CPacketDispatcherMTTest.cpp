#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "aax/AAX_CPacketDispatcher.h"
#include "aax/AAX_CPacketHandler.h"
#include "support/AAXTestParameters.h"

using namespace VeltisTest;

// Host value updates mark packets on one thread while another posts them: every post is complete and
// a mark made after the last post is never lost.
TEST(PacketDispatcherMT, MarkingAndPostingFromTwoThreads)
{
    CRecordingController controller;
    CTestEffectParameters effect;
    effect.GetParameterManager().AddParameter(NewParameter<float>("gain", "Gain", 0.0f, 1.0f, 0.5f));
    AAX_CPacketDispatcher dispatcher;
    dispatcher.Initialize(&controller, &effect);
    const AAX_CPacketHandler<AAX_CPacketDispatcher> handler(&dispatcher, &AAX_CPacketDispatcher::GenerateSingleValuePacket);
    dispatcher.RegisterPacket("gain", 0, handler);
    dispatcher.RegisterPacket("gain", 1, handler);

    std::atomic<bool> marking{true};
    std::thread marker([&] {
        for (int i = 0; i < 20000; ++i)
            dispatcher.SetDirty("gain", true);
        marking.store(false);
    });
    // Bounded: the marker's fixed number of marks ends the loop.
    while (marking.load())
        dispatcher.PostDirtyPackets();
    marker.join();
    dispatcher.PostDirtyPackets();
    EXPECT_GE(controller.m_Posts.size(), 2u);
    for (const CRecordingController::SPost& post : controller.m_Posts)
        EXPECT_EQ(post.m_Data.size(), 4u);
    const size_t posts = controller.m_Posts.size();
    EXPECT_EQ(dispatcher.PostDirtyPackets(), 0);
    EXPECT_EQ(controller.m_Posts.size(), posts);
}

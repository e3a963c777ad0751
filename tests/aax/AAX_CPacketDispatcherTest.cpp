#include <gtest/gtest.h>

#include <string.h>

#include <memory>

#include "aax/AAX_CPacketDispatcher.h"
#include "aax/AAX_CPacketHandler.h"
#include "support/AAXTestParameters.h"

using namespace VeltisTest;

namespace {

// Records which identifier filled each packet; can re-enter the dispatcher from inside a fill.
struct CFillRecorder {
    int32_t FillWithId(const char* id, AAX_CFieldPacket& packet)
    {
        m_Filled.push_back(id);
        packet.Resize(4);
        memcpy(packet.m_Data.data(), &m_Value, 4);
        if (m_Dispatcher)
            m_Dispatcher->SetDirty(id, false);
        return 0;
    }
    int32_t FillPacketOnly(AAX_CFieldPacket& packet)
    {
        m_Filled.push_back("");
        packet.Resize(4);
        return 0;
    }

    std::vector<std::string> m_Filled;
    int32_t m_Value = 42;
    AAX_CPacketDispatcher* m_Dispatcher = nullptr;
};

struct PacketDispatcherTest : ::testing::Test {
    PacketDispatcherTest() { dispatcher.Initialize(&controller, &effect); }

    CRecordingController controller;
    CTestEffectParameters effect;
    AAX_CPacketDispatcher dispatcher;
    CFillRecorder recorder;
};

template <class T> T ValueOf(const CRecordingController::SPost& post)
{
    T value{};
    EXPECT_EQ(post.m_Data.size(), sizeof(T));
    memcpy(&value, post.m_Data.data(), sizeof(T) <= post.m_Data.size() ? sizeof(T) : post.m_Data.size());
    return value;
}

} // namespace

TEST_F(PacketDispatcherTest, SharedPacketIsPostedOnceFilledByTheFirstIdentifier)
{
    const AAX_CPacketHandler<CFillRecorder> handler(&recorder, &CFillRecorder::FillWithId);
    dispatcher.RegisterPacket("zeta", 0, handler);
    dispatcher.RegisterPacket("alpha", 0, handler);
    dispatcher.PostDirtyPackets();
    controller.m_Posts.clear();
    recorder.m_Filled.clear();

    dispatcher.SetDirty("zeta", true);
    dispatcher.SetDirty("alpha", true);
    EXPECT_EQ(dispatcher.PostDirtyPackets(), 0);
    ASSERT_EQ(controller.m_Posts.size(), 1u);
    EXPECT_EQ(controller.m_Posts[0].m_Field, 0u);
    EXPECT_EQ(recorder.m_Filled, std::vector<std::string>{"alpha"});
}

TEST_F(PacketDispatcherTest, NewPacketsArePostedOnceWithoutUpdates)
{
    const AAX_CPacketHandler<CFillRecorder> handler(&recorder, &CFillRecorder::FillWithId);
    dispatcher.RegisterPacket("a", 0, handler);
    dispatcher.RegisterPacket("b", 3, handler);
    controller.m_PostResult = -7;
    EXPECT_EQ(dispatcher.PostDirtyPackets(), -7);
    ASSERT_EQ(controller.m_Posts.size(), 2u);
    EXPECT_EQ(controller.m_Posts[1].m_Field, 3u);
    EXPECT_EQ(ValueOf<int32_t>(controller.m_Posts[1]), 42);

    EXPECT_EQ(dispatcher.PostDirtyPackets(), 0);
    EXPECT_EQ(controller.m_Posts.size(), 2u);
}

TEST_F(PacketDispatcherTest, DirtyMarksOnlyTheNamedIdentifiersPackets)
{
    const AAX_CPacketHandler<CFillRecorder> handler(&recorder, &CFillRecorder::FillPacketOnly);
    dispatcher.RegisterPacket("a", 0, handler);
    dispatcher.RegisterPacket("b", 1, handler);
    dispatcher.PostDirtyPackets();
    controller.m_Posts.clear();

    EXPECT_EQ(dispatcher.SetDirty("nobody", true), 0);
    EXPECT_EQ(dispatcher.SetDirty(nullptr, true), 0);
    dispatcher.PostDirtyPackets();
    EXPECT_TRUE(controller.m_Posts.empty());

    dispatcher.SetDirty("b", true);
    dispatcher.PostDirtyPackets();
    ASSERT_EQ(controller.m_Posts.size(), 1u);
    EXPECT_EQ(controller.m_Posts[0].m_Field, 1u);
}

TEST_F(PacketDispatcherTest, HandlerWithoutFunctionFillsNothingAndClearsTheFlag)
{
    const AAX_CPacketHandler<CFillRecorder> empty(&recorder, static_cast<AAX_CPacketHandler<CFillRecorder>::PacketFunction>(nullptr));
    AAX_CFieldPacket packet(0);
    EXPECT_EQ(empty.Fill("a", packet), -20004);
    dispatcher.RegisterPacket("a", 0, empty);
    EXPECT_EQ(dispatcher.PostDirtyPackets(), 0);
    EXPECT_TRUE(controller.m_Posts.empty());
}

TEST_F(PacketDispatcherTest, CloneOutlivesTheRegisteredHandlerAndReentryPassesThrough)
{
    recorder.m_Dispatcher = &dispatcher;
    {
        std::unique_ptr<AAX_CPacketHandler<CFillRecorder>> handler(
            new AAX_CPacketHandler<CFillRecorder>(&recorder, &CFillRecorder::FillWithId));
        dispatcher.RegisterPacket("a", 0, *handler);
    }
    // The fill calls SetDirty on the same thread, under the dispatcher's own mutex.
    dispatcher.PostDirtyPackets();
    EXPECT_EQ(controller.m_Posts.size(), 1u);
}

TEST_F(PacketDispatcherTest, SingleValuePacketsCarryTheParametersTypedValue)
{
    effect.GetParameterManager().AddParameter(NewParameter<bool>("on", "On", false, true, true));
    effect.GetParameterManager().AddParameter(NewParameter<float>("gain", "Gain", 0.0f, 2.0f, 1.5f));
    effect.GetParameterManager().AddParameter(NewParameter<int32_t>("mode", "Mode", 0, 10, 7));
    effect.GetParameterManager().AddParameter(NewParameter<double>("time", "Time", 0.0, 4.0, 2.25));
    const AAX_CPacketHandler<AAX_CPacketDispatcher> handler(&dispatcher, &AAX_CPacketDispatcher::GenerateSingleValuePacket);
    dispatcher.RegisterPacket("on", 0, handler);
    dispatcher.RegisterPacket("gain", 1, handler);
    dispatcher.RegisterPacket("mode", 2, handler);
    dispatcher.RegisterPacket("time", 3, handler);
    dispatcher.RegisterPacket("missing", 4, handler);
    dispatcher.PostDirtyPackets();

    ASSERT_EQ(controller.m_Posts.size(), 4u);
    // Posted in identifier order: gain, mode, on, time.
    EXPECT_EQ(ValueOf<float>(controller.m_Posts[0]), 1.5f);
    EXPECT_EQ(ValueOf<int32_t>(controller.m_Posts[1]), 7);
    EXPECT_EQ(ValueOf<int32_t>(controller.m_Posts[2]), 1);
    EXPECT_EQ(ValueOf<double>(controller.m_Posts[3]), 2.25);
    AAX_CFieldPacket packet(4);
    EXPECT_EQ(dispatcher.GenerateSingleValuePacket("missing", packet), -20004);
}

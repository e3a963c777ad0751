#include <gtest/gtest.h>

#include <atomic>

#include "Veltis/System/CTimerWithThreadSynchronization.h"
#include "support/CCountingCommand.h"
#include "support/CFunctionCommand.h"
#include "support/CManualTimerProvider.h"
#include "support/CQueueInvoker.h"

using namespace Veltis;
using VeltisTest::CCountingCommand;

namespace {

struct CSynchronizationFixture : public ::testing::Test {
    CSynchronizationFixture() : m_Timer(&m_Clock, &m_Invoker) {}

    VeltisTest::CManualTimerProvider m_Clock;
    VeltisTest::CQueueInvoker m_Invoker;
    System::CTimerWithThreadSynchronization m_Timer;
};

} // namespace

TEST_F(CSynchronizationFixture, WhileAHandOffIsPendingSixteenTicksAreSkippedAndTheEighteenthPostsAgain)
{
    CCountingCommand client;
    m_Timer.AddTimer(10, client);
    for (int tick = 1; tick <= 35; ++tick) {
        SCOPED_TRACE(tick);
        m_Clock.Tick();
        const int expected = tick < 18 ? 1 : (tick < 35 ? 2 : 3);
        EXPECT_EQ(m_Invoker.GetPendingCount(), expected);
    }
    EXPECT_EQ(client.GetCount(), 0);
    // Every hand-off that finally runs runs the client.
    EXPECT_EQ(m_Invoker.RunAll(), 3);
    EXPECT_EQ(client.GetCount(), 3);
}

TEST_F(CSynchronizationFixture, ARunHandOffLetsTheNextTickPostAtOnce)
{
    CCountingCommand client;
    m_Timer.AddTimer(10, client);
    for (int round = 0; round < 3; ++round) {
        m_Clock.Tick();
        EXPECT_EQ(m_Invoker.RunAll(), 1);
    }
    EXPECT_EQ(client.GetCount(), 3);
}

TEST_F(CSynchronizationFixture, AHandOffArrivingAfterRemoveTimerDoesNothing)
{
    CCountingCommand client;
    m_Timer.AddTimer(10, client);
    m_Clock.Tick();
    Core::ICommand* pointer = &client;
    m_Timer.RemoveTimer(pointer, false);
    EXPECT_EQ(pointer, &client);
    EXPECT_EQ(m_Clock.GetRegistrationCount(), 0);
    EXPECT_EQ(m_Invoker.RunAll(), 1);
    EXPECT_EQ(client.GetCount(), 0);
}

TEST_F(CSynchronizationFixture, ASecondAddChangesThePeriodOfTheOneAdapter)
{
    CCountingCommand client;
    m_Timer.AddTimer(10, client);
    m_Timer.AddTimer(30, client);
    ASSERT_EQ(m_Clock.GetRegistrationCount(), 1);
    ASSERT_EQ(m_Clock.GetCalls().size(), 2u);
    EXPECT_EQ(m_Clock.GetCalls()[0].m_Command, m_Clock.GetCalls()[1].m_Command);
    EXPECT_EQ(m_Clock.GetPeriod(m_Clock.GetCalls()[0].m_Command), 30);
}

TEST_F(CSynchronizationFixture, RemoveWithDeleteDeletesTheCommandEvenWithoutATimer)
{
    std::atomic<bool> deleted(false);
    Core::ICommand* registered = new VeltisTest::CFunctionCommand(nullptr, &deleted);
    m_Timer.AddTimer(10, *registered);
    m_Timer.RemoveTimer(registered, true);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(registered, nullptr);

    deleted.store(false);
    Core::ICommand* unknown = new VeltisTest::CFunctionCommand(nullptr, &deleted);
    m_Timer.RemoveTimer(unknown, true);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(unknown, nullptr);
}

TEST(CTimerWithThreadSynchronizationTest, DestructionUnregistersEveryAdapterFromTheClock)
{
    VeltisTest::CManualTimerProvider clock;
    VeltisTest::CQueueInvoker invoker;
    CCountingCommand a, b;
    {
        System::CTimerWithThreadSynchronization timer(&clock, &invoker);
        timer.AddTimer(10, a);
        timer.AddTimer(20, b);
        EXPECT_EQ(clock.GetRegistrationCount(), 2);
    }
    EXPECT_EQ(clock.GetRegistrationCount(), 0);
}

TEST(CTimerWithThreadSynchronizationTest, HandOffsThatOutliveTheSynchronizerDoNothing)
{
    VeltisTest::CManualTimerProvider clock;
    VeltisTest::CQueueInvoker invoker;
    CCountingCommand client;
    {
        System::CTimerWithThreadSynchronization timer(&clock, &invoker);
        timer.AddTimer(10, client);
        clock.Tick();
        EXPECT_EQ(invoker.GetPendingCount(), 1);
    }
    EXPECT_EQ(invoker.RunAll(), 1);
    EXPECT_EQ(client.GetCount(), 0);
}

#include <gtest/gtest.h>

#include <atomic>

#include <vector>

#include "Veltis/Core/TCommand.h"
#include "Veltis/System/CTimerSerializer.h"
#include "support/CCountingCommand.h"
#include "support/CFunctionCommand.h"
#include "support/CManualTimerProvider.h"

using namespace Veltis;
using VeltisTest::CCountingCommand;
using VeltisTest::CManualTimerProvider;
using CActionCommand = VeltisTest::CFunctionCommand;

namespace {

struct CSerializerFixture : public ::testing::Test {
    CSerializerFixture() : m_Serializer(&m_Provider) {}

    Core::ICommand* Self() { return &m_Serializer; }

    CManualTimerProvider m_Provider;
    System::CTimerSerializer m_Serializer;
};

} // namespace

TEST(CTimerSerializerTest, PeriodsRoundUpToWholeTenMilliseconds)
{
    struct Case {
        int period;
        int expected;
    };
    const Case kCases[] = {{-5, 10}, {0, 10}, {1, 10}, {10, 10}, {11, 20}, {15, 20}, {20, 20}, {25, 30}, {2147483647, 2147483640}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.period);
        EXPECT_EQ(System::CTimerSerializer::RoundPeriod(c.period), c.expected);
    }
}

TEST_F(CSerializerFixture, EachCommandRunsOnTheTicksOfItsRoundedPeriod)
{
    std::vector<int> log;
    CCountingCommand thirty(30, &log), forty(40, &log);
    m_Serializer.AddTimer(25, thirty);
    EXPECT_EQ(m_Provider.GetPeriod(Self()), 30);
    m_Serializer.AddTimer(40, forty);
    EXPECT_EQ(m_Provider.GetPeriod(Self()), 10);

    m_Provider.Tick(12);
    EXPECT_EQ(thirty.GetCount(), 4);
    EXPECT_EQ(forty.GetCount(), 3);
    // Ticks 3, 4, 6, 8, 9, 12: at tick 12 both run, in insertion order.
    EXPECT_EQ(log, (std::vector<int>{30, 40, 30, 40, 30, 30, 40}));
}

TEST_F(CSerializerFixture, RemovingAnEntryReRegistersAtTheNewBase)
{
    CCountingCommand thirty, forty;
    m_Serializer.AddTimer(25, thirty);
    m_Serializer.AddTimer(40, forty);
    m_Provider.ClearCalls();

    Core::ICommand* removed = &thirty;
    m_Serializer.RemoveTimer(removed, false);
    EXPECT_EQ(removed, &thirty);
    ASSERT_EQ(m_Provider.GetCalls().size(), 2u);
    EXPECT_FALSE(m_Provider.GetCalls()[0].m_Added);
    EXPECT_TRUE(m_Provider.GetCalls()[1].m_Added);
    EXPECT_EQ(m_Provider.GetCalls()[1].m_Period, 40);

    m_Provider.Tick(3);
    EXPECT_EQ(thirty.GetCount(), 0);
    EXPECT_EQ(forty.GetCount(), 3);
}

TEST_F(CSerializerFixture, ABaseChangeNotifiesTwiceAndAnUnchangedBaseNotAtAll)
{
    CCountingCommand listener, a, b;
    m_Serializer.GetEnableChangedEvent().AddListener(listener);
    m_Serializer.AddTimer(20, a);
    EXPECT_EQ(listener.GetCount(), 2);
    m_Serializer.AddTimer(40, b);
    EXPECT_EQ(listener.GetCount(), 2);
    EXPECT_TRUE(m_Serializer.IsEnabled());
    m_Serializer.GetEnableChangedEvent().RemoveListener(&listener);
}

TEST_F(CSerializerFixture, ACommandAddedTwiceRunsTwiceAndOneRemovalRemovesOneEntry)
{
    CCountingCommand command;
    m_Serializer.AddTimer(10, command);
    m_Serializer.AddTimer(10, command);
    m_Provider.Tick();
    EXPECT_EQ(command.GetCount(), 2);

    Core::ICommand* pointer = &command;
    m_Serializer.RemoveTimer(pointer, false);
    m_Provider.Tick();
    EXPECT_EQ(command.GetCount(), 3);
    EXPECT_EQ(m_Provider.GetRegistrationCount(), 1);
}

TEST_F(CSerializerFixture, RemovingTheLastEntryUnregistersEvenWhenDisabled)
{
    CCountingCommand command;
    m_Serializer.AddTimer(50, command);
    m_Serializer.Enable(false);
    EXPECT_EQ(m_Provider.GetRegistrationCount(), 0);
    m_Provider.ClearCalls();

    Core::ICommand* pointer = &command;
    m_Serializer.RemoveTimer(pointer, false);
    ASSERT_EQ(m_Provider.GetCalls().size(), 1u);
    EXPECT_FALSE(m_Provider.GetCalls()[0].m_Added);
    EXPECT_EQ(m_Provider.GetCalls()[0].m_Command, Self());

    m_Provider.ClearCalls();
    m_Serializer.Enable(true);
    EXPECT_EQ(m_Provider.GetRegistrationCount(), 0);
    // With no base there is nothing to register: the enable only unregisters.
    for (const CManualTimerProvider::CCall& call : m_Provider.GetCalls())
        EXPECT_FALSE(call.m_Added);

    // The base was forgotten: the next entry sets it afresh.
    m_Serializer.AddTimer(30, command);
    EXPECT_EQ(m_Provider.GetPeriod(Self()), 30);
}

TEST_F(CSerializerFixture, EnableSwitchesTheRegistrationAndNotifiesOncePerChange)
{
    CCountingCommand listener, command;
    m_Serializer.AddTimer(20, command);
    m_Serializer.GetEnableChangedEvent().AddListener(listener);

    m_Serializer.Enable(false);
    m_Serializer.Enable(false);
    EXPECT_EQ(listener.GetCount(), 1);
    EXPECT_EQ(m_Provider.GetPeriod(Self()), -1);
    m_Serializer.Enable(true);
    EXPECT_EQ(listener.GetCount(), 2);
    EXPECT_EQ(m_Provider.GetPeriod(Self()), 20);
    m_Serializer.GetEnableChangedEvent().RemoveListener(&listener);
}

TEST_F(CSerializerFixture, SetTimerProviderMovesTheRegistrationAndLeavesItEnabled)
{
    CCountingCommand command;
    m_Serializer.AddTimer(20, command);
    m_Serializer.Enable(false);

    CManualTimerProvider other;
    m_Serializer.SetTimerProvider(&other);
    EXPECT_TRUE(m_Serializer.IsEnabled());
    EXPECT_EQ(other.GetPeriod(Self()), 20);
    EXPECT_EQ(m_Provider.GetRegistrationCount(), 0);
    m_Serializer.Enable(false);
}

TEST_F(CSerializerFixture, ResetElapsedStartsEveryPeriodAfresh)
{
    CCountingCommand command;
    CCountingCommand fast;
    m_Serializer.AddTimer(30, command);
    m_Serializer.AddTimer(10, fast);
    m_Provider.Tick(2);
    m_Serializer.ResetElapsed();
    m_Provider.Tick(2);
    EXPECT_EQ(command.GetCount(), 0);
    m_Provider.Tick();
    EXPECT_EQ(command.GetCount(), 1);
}

TEST_F(CSerializerFixture, RemoveWithDeleteDeletesTheCommandAndClearsThePointer)
{
    std::atomic<bool> deleted(false);
    Core::ICommand* command = new VeltisTest::CFunctionCommand(nullptr, &deleted);
    m_Serializer.AddTimer(10, *command);
    m_Serializer.RemoveTimer(command, true);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(command, nullptr);
}

TEST_F(CSerializerFixture, ACommandThatRemovesItselfOrALaterOneDuringATickIsSafe)
{
    CCountingCommand later;
    CActionCommand* self = nullptr;
    CActionCommand remover([this, &later, &self] {
        Core::ICommand* pointer = self;
        m_Serializer.RemoveTimer(pointer, false);
        pointer = &later;
        m_Serializer.RemoveTimer(pointer, false);
    });
    self = &remover;
    CCountingCommand first;
    m_Serializer.AddTimer(10, first);
    m_Serializer.AddTimer(10, remover);
    m_Serializer.AddTimer(10, later);

    m_Provider.Tick();
    m_Provider.Tick();
    EXPECT_EQ(first.GetCount(), 2);
    EXPECT_EQ(remover.GetCount(), 1);
    EXPECT_EQ(later.GetCount(), 0);
}

TEST_F(CSerializerFixture, ACommandThatAddsATimerDuringATickChangesTheBaseFromTheNextTick)
{
    CCountingCommand added, after;
    bool once = false;
    CActionCommand adder([this, &added, &once] {
        if (!once)
            m_Serializer.AddTimer(50, added);
        once = true;
    });
    m_Serializer.AddTimer(20, adder);
    m_Serializer.AddTimer(20, after);

    m_Provider.Tick();
    EXPECT_EQ(m_Provider.GetPeriod(Self()), 10);
    // The re-registration happened inside the tick; the later entry still ran in it.
    EXPECT_EQ(after.GetCount(), 1);
    EXPECT_EQ(added.GetCount(), 0);

    // Now every 10 ms: the 20 ms entry runs every second tick, the new one on the fifth.
    m_Provider.Tick(4);
    EXPECT_EQ(added.GetCount(), 0);
    EXPECT_EQ(after.GetCount(), 3);
    m_Provider.Tick();
    EXPECT_EQ(added.GetCount(), 1);
    EXPECT_EQ(after.GetCount(), 3);
}

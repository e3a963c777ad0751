#include "Veltis/GUI/COSXTimerProvider.h"

#include "Native/CoreFoundation.h"
#include "Native/Harness.h"
#include "support/CFunctionCommand.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

using namespace Veltis::GUI;
using namespace Native;

namespace VeltisTest {
namespace {

void ExpectTicks(const std::vector<double>& ticks, const std::vector<double>& expected)
{
    ASSERT_EQ(ticks.size(), expected.size());
    for (size_t i = 0; i < ticks.size(); ++i)
        EXPECT_NEAR(ticks[i], expected[i], 1e-6) << i;
}

class COSXTimerProviderTest : public NativeTest {
protected:
    void SetUp() override
    {
        NativeTest::SetUp();
        m_Start = CFAbsoluteTimeGetCurrent();
    }

    // Milliseconds of virtual time since the test began.
    double Now() const { return (CFAbsoluteTimeGetCurrent() - m_Start) * 1000.0; }

    double m_Start = 0.0;
    COSXTimerProvider m_Provider{CFRunLoopGetCurrent()};
};

TEST_F(COSXTimerProviderTest, TicksEveryPeriodInTheDefaultModeOnly)
{
    std::vector<double> ticks;
    CFunctionCommand command([&] { ticks.push_back(Now()); });
    m_Provider.AddTimer(100, command);
    Harness::RunFor(250);
    ExpectTicks(ticks, {100, 200});
    CFRunLoopRunInMode(NSModalPanelRunLoopMode, 0.5, false);
    EXPECT_EQ(ticks.size(), 2u);
    // One tick for the missed periods, then on the grid again.
    Harness::RunFor(100);
    ExpectTicks(ticks, {100, 200, 750, 800});
    Veltis::Core::ICommand* registered = &command;
    m_Provider.RemoveTimer(registered, false);
    EXPECT_EQ(registered, &command);
}

TEST_F(COSXTimerProviderTest, AddingACommandAgainKeepsOneTimerWithTheNewPeriodAndPhase)
{
    std::vector<double> ticks;
    CFunctionCommand command([&] { ticks.push_back(Now()); });
    m_Provider.AddTimer(100, command);
    Harness::RunFor(50);
    m_Provider.AddTimer(300, command);
    Harness::RunFor(700);
    ExpectTicks(ticks, {350, 650});
    EXPECT_EQ(Harness::LiveObjects("CFRunLoopTimer"), 1u);
    Veltis::Core::ICommand* registered = &command;
    m_Provider.RemoveTimer(registered, false);
}

TEST_F(COSXTimerProviderTest, RemoveDeletesOnRequestEvenAnUnknownCommandAndIgnoresNull)
{
    std::atomic<bool> deleted{false};
    Veltis::Core::ICommand* unknown = new CFunctionCommand({}, &deleted);
    Veltis::Core::ICommand* kept = unknown;
    m_Provider.RemoveTimer(kept, false);
    EXPECT_EQ(kept, unknown);
    EXPECT_FALSE(deleted);
    m_Provider.RemoveTimer(unknown, true);
    EXPECT_EQ(unknown, nullptr);
    EXPECT_TRUE(deleted);
    Veltis::Core::ICommand* null = nullptr;
    m_Provider.RemoveTimer(null, true);
    EXPECT_EQ(null, nullptr);
}

TEST_F(COSXTimerProviderTest, ProviderWithoutARunLoopNeverTicksButStillDeletes)
{
    COSXTimerProvider inert(nullptr);
    std::atomic<bool> deleted{false};
    auto* command = new CFunctionCommand({}, &deleted);
    inert.AddTimer(10, *command);
    Harness::RunFor(100);
    EXPECT_EQ(command->GetCount(), 0);
    EXPECT_EQ(Harness::LiveObjects("CFRunLoopTimer"), 0u);
    Veltis::Core::ICommand* registered = command;
    inert.RemoveTimer(registered, true);
    EXPECT_TRUE(deleted);
}

TEST_F(COSXTimerProviderTest, CommandThatRemovesItselfInItsTickGetsNoFurtherTick)
{
    for (bool deleteIt : {false, true}) {
        SCOPED_TRACE(deleteIt);
        std::atomic<bool> deleted{false};
        int ticks = 0;
        Veltis::Core::ICommand* self = nullptr;
        self = new CFunctionCommand(
            [&] {
                ++ticks;
                m_Provider.RemoveTimer(self, deleteIt);
            },
            &deleted);
        Veltis::Core::ICommand* owned = self;
        m_Provider.AddTimer(20, *self);
        Harness::RunFor(200);
        EXPECT_EQ(ticks, 1);
        EXPECT_EQ(deleted.load(), deleteIt);
        EXPECT_EQ(self == nullptr, deleteIt);
        if (!deleteIt)
            delete owned;
    }
}

TEST_F(COSXTimerProviderTest, TickMayAddAndRemoveOtherRegistrations)
{
    std::vector<int> log;
    CFunctionCommand second([&] { log.push_back(2); });
    Veltis::Core::ICommand* secondPointer = &second;
    CFunctionCommand first([&] {
        log.push_back(1);
        if (log.size() == 1)
            m_Provider.AddTimer(10, second);
        else
            m_Provider.RemoveTimer(secondPointer, false);
    });
    m_Provider.AddTimer(25, first);
    Harness::RunFor(100);
    // first at 25 adds second (due at 35, 45); first at 50 removes it.
    EXPECT_EQ(log, (std::vector<int>{1, 2, 2, 1, 1, 1}));
    Veltis::Core::ICommand* firstPointer = &first;
    m_Provider.RemoveTimer(firstPointer, false);
}

TEST_F(COSXTimerProviderTest, PeriodOfZeroOrLessTicksOnceAtOnce)
{
    for (int period : {0, -5}) {
        SCOPED_TRACE(period);
        CFunctionCommand command;
        m_Provider.AddTimer(period, command);
        Harness::RunFor(100);
        EXPECT_EQ(command.GetCount(), 1);
        Veltis::Core::ICommand* registered = &command;
        m_Provider.RemoveTimer(registered, false);
    }
}

TEST_F(COSXTimerProviderTest, DestroyingTheProviderStopsItsTimersAndDeletesNoCommand)
{
    std::atomic<bool> deleted{false};
    CFunctionCommand command({}, &deleted);
    CFunctionCommand other;
    {
        COSXTimerProvider provider(CFRunLoopGetCurrent());
        provider.AddTimer(10, command);
        provider.AddTimer(15, other);
        Harness::RunFor(20);
    }
    EXPECT_EQ(command.GetCount(), 2);
    EXPECT_EQ(other.GetCount(), 1);
    Harness::RunFor(100);
    EXPECT_EQ(command.GetCount(), 2);
    EXPECT_EQ(other.GetCount(), 1);
    EXPECT_FALSE(deleted);
}

} // namespace
} // namespace VeltisTest

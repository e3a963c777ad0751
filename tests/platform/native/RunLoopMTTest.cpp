#include "Native/CoreFoundation.h"
#include "Native/Foundation.h"
#include "Native/Harness.h"
#include "platform/native/NativeClasses.h"
#include "support/BoundedWait.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

using namespace Native;

namespace VeltisTest {
namespace {

class RunLoopMTTest : public NativeTest {};

std::atomic<NSThread*> g_ranOn{nullptr};
std::atomic<int> g_runs{0};

void Record(id, SEL)
{
    g_ranOn = NSThread::currentThread();
    ++g_runs;
}

Class RecorderClass()
{
    static const Class cls = [] {
        Class made = objc_allocateClassPair(NSObject::classObject(), UniqueClassName("Recorder").c_str(), 0);
        class_addMethod(made, sel_registerName("record"), &Record);
        objc_registerClassPair(made);
        return made;
    }();
    return cls;
}

TEST_F(RunLoopMTTest, WorkerWaitsUntilTheTargetLoopServesItsPerform)
{
    g_runs = 0;
    g_ranOn = nullptr;
    id recorder = class_createInstance(RecorderClass(), 0);
    NSThread* gui = NSThread::currentThread();
    std::atomic<bool> returned{false};
    std::thread worker([&] {
        recorder->performSelector(sel_registerName("record"), gui, nullptr, YES);
        // The perform ran before the wait ended.
        EXPECT_EQ(g_runs.load(), 1);
        returned = true;
    });
    EXPECT_TRUE(Harness::RunUntil([&] { return returned.load(); }, 10.0));
    worker.join();
    EXPECT_EQ(g_ranOn.load(), gui);
    EXPECT_EQ(recorder->retainCount(), 1u);
    recorder->release();
}

TEST_F(RunLoopMTTest, UnservedWaitIsReportedByTheWatchdogAndServedLaterWithoutItsCaller)
{
    g_runs = 0;
    id recorder = class_createInstance(RecorderClass(), 0);
    NSThread* gui = NSThread::currentThread();
    Harness::SetWatchdog(0.05);
    {
        RecordedReports reports;
        std::thread worker([&] { recorder->performSelector(sel_registerName("record"), gui, nullptr, YES); });
        worker.join();
        EXPECT_TRUE(reports.Contains("nothing served it"));
    }
    Harness::SetWatchdog(10.0);
    EXPECT_EQ(g_runs.load(), 0);
    Harness::RunUntilIdle();
    EXPECT_EQ(g_runs.load(), 1);
    recorder->release();
}

TEST_F(RunLoopMTTest, PerformToAnEndedThreadIsRefusedAtOnce)
{
    NSThread* ended = nullptr;
    std::thread([&] { ended = NSThread::currentThread(); }).join();
    ASSERT_FALSE(ended->IsRunning());
    g_runs = 0;
    id recorder = class_createInstance(RecorderClass(), 0);
    RecordedReports reports;
    for (BOOL wait : {NO, YES})
        recorder->performSelector(sel_registerName("record"), ended, nullptr, wait);
    EXPECT_EQ(reports.Take().size(), 2u);
    EXPECT_EQ(recorder->retainCount(), 1u);
    EXPECT_EQ(g_runs.load(), 0);
    recorder->release();
}

TEST_F(RunLoopMTTest, ThreadThatEndsDropsItsQueuedPerformsAndReleasesTheirObjects)
{
    g_runs = 0;
    id recorder = class_createInstance(RecorderClass(), 0);
    id argument = NSObject::alloc();
    std::promise<NSThread*> started;
    std::promise<void> finish;
    std::thread worker([&] {
        started.set_value(NSThread::currentThread());
        finish.get_future().wait();
    });
    NSThread* target = started.get_future().get();
    recorder->performSelector(sel_registerName("record"), target, argument, NO);
    EXPECT_EQ(recorder->retainCount(), 2u);
    {
        RecordedReports reports;
        finish.set_value();
        worker.join();
        EXPECT_TRUE(reports.Contains("dropped"));
    }
    EXPECT_EQ(g_runs.load(), 0);
    EXPECT_EQ(recorder->retainCount(), 1u);
    EXPECT_EQ(argument->retainCount(), 1u);
    argument->release();
    recorder->release();
}

TEST_F(RunLoopMTTest, EveryThreadReadsTheVirtualClock)
{
    Harness::RunFor(1500);
    const double guiTime = CFAbsoluteTimeGetCurrent();
    double workerTime = 0.0;
    std::thread([&] { workerTime = CFAbsoluteTimeGetCurrent(); }).join();
    EXPECT_EQ(workerTime, guiTime);
}

TEST_F(RunLoopMTTest, WorkerLoopServesTimersAndPerformsOnItsOwnThread)
{
    // A worker runs its own loop until told to stop; the GUI thread queues a perform for it.
    g_runs = 0;
    g_ranOn = nullptr;
    id recorder = class_createInstance(RecorderClass(), 0);
    std::promise<NSThread*> started;
    std::atomic<bool> stop{false};
    std::thread worker([&] {
        started.set_value(NSThread::currentThread());
        Harness::RunUntil([&] { return stop.load(); }, 10.0);
    });
    NSThread* target = started.get_future().get();
    recorder->performSelector(sel_registerName("record"), target, nullptr, YES);
    EXPECT_EQ(g_ranOn.load(), target);
    stop = true;
    worker.join();
    recorder->release();
}

} // namespace
} // namespace VeltisTest

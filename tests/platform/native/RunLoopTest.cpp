#include "Native/CoreFoundation.h"
#include "Native/Foundation.h"
#include "Native/Harness.h"
#include "platform/native/NativeClasses.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Native;

namespace VeltisTest {
namespace {

class RunLoopTest : public NativeTest {};

// What a timer's callout saw and may do: the times of its ticks, and a removal from inside.
struct TimerLog {
    std::vector<double> ticks;
    bool removeOnTick = false;
    CFRunLoopTimerRef timer = nullptr;
};

void LogTick(CFRunLoopTimerRef timer, void* info)
{
    auto* log = static_cast<TimerLog*>(info);
    log->ticks.push_back(CFAbsoluteTimeGetCurrent());
    if (log->removeOnTick) {
        CFRunLoopRemoveTimer(CFRunLoopGetCurrent(), timer, kCFRunLoopDefaultMode);
        CFRelease(timer);
        log->timer = nullptr;
    }
}

// A timer in the current loop's default mode, first due after delay seconds; the test owns one reference.
CFRunLoopTimerRef AddTimer(TimerLog& log, double delay, double interval, CFStringRef mode = kCFRunLoopDefaultMode)
{
    CFRunLoopTimerContext context{0, &log, nullptr, nullptr, nullptr};
    log.timer = CFRunLoopTimerCreate(kCFAllocatorDefault, CFAbsoluteTimeGetCurrent() + delay, interval, 0, 0,
                                     &LogTick, &context);
    CFRunLoopAddTimer(CFRunLoopGetCurrent(), log.timer, mode);
    return log.timer;
}

void RemoveTimer(TimerLog& log, CFStringRef mode = kCFRunLoopDefaultMode)
{
    CFRunLoopRemoveTimer(CFRunLoopGetCurrent(), log.timer, mode);
    CFRelease(log.timer);
    log.timer = nullptr;
}

// Performs recorded by name, in order; "arg:" records its argument's class.
std::vector<std::string> g_performed;

void PerformPlain(id, SEL sel)
{
    g_performed.push_back(sel_getName(sel));
}

void PerformWithObject(id, SEL sel, id object)
{
    g_performed.push_back(std::string(sel_getName(sel)) + (object ? class_getName(object->class_()) : "nil"));
}

NSInteger PerformWithInteger(id, SEL, NSInteger value)
{
    return value;
}

Class PerformerClass()
{
    static const Class cls = [] {
        Class made = objc_allocateClassPair(NSObject::classObject(), UniqueClassName("Performer").c_str(), 0);
        for (const char* name : {"first", "second", "third", "inline", "modal"})
            class_addMethod(made, sel_registerName(name), &PerformPlain);
        class_addMethod(made, sel_registerName("arg:"), &PerformWithObject);
        class_addMethod(made, sel_registerName("number:"), &PerformWithInteger);
        objc_registerClassPair(made);
        return made;
    }();
    return cls;
}

TEST_F(RunLoopTest, VirtualClockTicksAtEachPeriodAndMovesExactlyByTheRunTime)
{
    TimerLog log;
    const double start = CFAbsoluteTimeGetCurrent();
    AddTimer(log, 0.1, 0.1);
    Harness::RunFor(350);
    ASSERT_EQ(log.ticks.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_DOUBLE_EQ(log.ticks[i] - start, 0.1 * static_cast<double>(i + 1)) << i;
    EXPECT_EQ(CFAbsoluteTimeGetCurrent() - start, 0.35);
    // Time stands still while nothing runs for a time.
    Harness::RunUntilIdle();
    EXPECT_EQ(CFAbsoluteTimeGetCurrent() - start, 0.35);
    RemoveTimer(log);
}

TEST_F(RunLoopTest, TimerDueExactlyAtTheEndOfARunFires)
{
    TimerLog log;
    AddTimer(log, 0.25, 1.0);
    Harness::RunFor(250);
    EXPECT_EQ(log.ticks.size(), 1u);
    RemoveTimer(log);
}

TEST_F(RunLoopTest, CalloutThatRemovesAndReleasesItsTimerGetsNoSecondTick)
{
    TimerLog log;
    log.removeOnTick = true;
    AddTimer(log, 0.01, 0.01);
    Harness::RunFor(100);
    EXPECT_EQ(log.ticks.size(), 1u);
    EXPECT_EQ(log.timer, nullptr);
    EXPECT_EQ(Harness::LiveObjects("CFRunLoopTimer"), 0u);
}

TEST_F(RunLoopTest, ZeroOrNegativeIntervalFiresOnceAndStaysInstalled)
{
    for (double interval : {0.0, -1.0}) {
        SCOPED_TRACE(interval);
        TimerLog log;
        AddTimer(log, 0.05, interval);
        Harness::RunFor(500);
        EXPECT_EQ(log.ticks.size(), 1u);
        EXPECT_TRUE(CFRunLoopContainsTimer(CFRunLoopGetCurrent(), log.timer, kCFRunLoopDefaultMode));
        RemoveTimer(log);
    }
}

TEST_F(RunLoopTest, OverdueRepeatingTimerFiresOnceAndIsReArmedOnItsGrid)
{
    TimerLog log;
    const double start = CFAbsoluteTimeGetCurrent();
    AddTimer(log, 0.1, 0.1);
    // Time passes in another mode, where the timer is not served.
    CFRunLoopRunInMode(NSModalPanelRunLoopMode, 0.55, false);
    EXPECT_TRUE(log.ticks.empty());
    Harness::RunUntilIdle();
    EXPECT_EQ(log.ticks.size(), 1u);
    EXPECT_DOUBLE_EQ(CFRunLoopTimerGetNextFireDate(log.timer) - start, 0.6);
    RemoveTimer(log);
}

TEST_F(RunLoopTest, DueTimersFireByDateAndTiesInOrderOfAddition)
{
    std::vector<std::string> order;
    struct Named {
        std::vector<std::string>* order;
        const char* name;
    };
    auto tick = [](CFRunLoopTimerRef, void* info) {
        auto* named = static_cast<Named*>(info);
        named->order->push_back(named->name);
    };
    Named named[] = {{&order, "late"}, {&order, "tie 1"}, {&order, "early"}, {&order, "tie 2"}};
    const double delays[] = {0.3, 0.2, 0.1, 0.2};
    std::vector<CFRunLoopTimerRef> timers;
    const double now = CFAbsoluteTimeGetCurrent();
    for (int i = 0; i < 4; ++i) {
        CFRunLoopTimerContext context{0, &named[i], nullptr, nullptr, nullptr};
        timers.push_back(CFRunLoopTimerCreate(nullptr, now + delays[i], 0, 0, 0, tick, &context));
        CFRunLoopAddTimer(CFRunLoopGetCurrent(), timers.back(), kCFRunLoopDefaultMode);
    }
    // Time passes where they are not served, so that all are due in one iteration.
    CFRunLoopRunInMode(NSModalPanelRunLoopMode, 0.3, false);
    EXPECT_TRUE(order.empty());
    Harness::RunUntilIdle();
    EXPECT_EQ(order, (std::vector<std::string>{"early", "tie 1", "tie 2", "late"}));
    for (CFRunLoopTimerRef timer : timers) {
        CFRunLoopRemoveTimer(CFRunLoopGetCurrent(), timer, kCFRunLoopDefaultMode);
        CFRelease(timer);
    }
}

TEST_F(RunLoopTest, ModalModeRunsPerformsAndItsOwnTimersButNotDefaultModeTimers)
{
    TimerLog log;
    TimerLog modalLog;
    AddTimer(log, 0.01, 1.0);
    AddTimer(modalLog, 0.01, 0.0, NSModalPanelRunLoopMode);
    g_performed.clear();
    id performer = class_createInstance(PerformerClass(), 0);
    performer->performSelector(sel_registerName("modal"), NSThread::currentThread(), nullptr, NO);
    CFRunLoopRunInMode(NSModalPanelRunLoopMode, 0.1, false);
    EXPECT_EQ(g_performed, std::vector<std::string>{"modal"});
    EXPECT_EQ(modalLog.ticks.size(), 1u);
    EXPECT_TRUE(log.ticks.empty());
    Harness::RunUntilIdle();
    EXPECT_EQ(log.ticks.size(), 1u);
    RemoveTimer(modalLog, NSModalPanelRunLoopMode);
    RemoveTimer(log);
    performer->release();
}

TEST_F(RunLoopTest, TimerContextRetainsItsInfoAndReleasesItWithTheTimer)
{
    struct Counts {
        int retains = 0;
        int releases = 0;
    } counts;
    CFRunLoopTimerContext context{0, &counts,
                                  [](const void* info) -> const void* {
                                      ++static_cast<Counts*>(const_cast<void*>(info))->retains;
                                      return info;
                                  },
                                  [](const void* info) { ++static_cast<Counts*>(const_cast<void*>(info))->releases; },
                                  nullptr};
    CFRunLoopTimerRef timer = CFRunLoopTimerCreate(nullptr, CFAbsoluteTimeGetCurrent() + 1, 1, 0, 0, nullptr, &context);
    CFRunLoopAddTimer(CFRunLoopGetCurrent(), timer, kCFRunLoopDefaultMode);
    CFRunLoopAddTimer(CFRunLoopGetCurrent(), timer, NSModalPanelRunLoopMode);
    EXPECT_EQ(CFGetRetainCount(timer), 2);
    CFRelease(timer);
    CFRunLoopRemoveTimer(CFRunLoopGetCurrent(), timer, kCFRunLoopDefaultMode);
    EXPECT_EQ(counts.releases, 0);
    CFRunLoopRemoveTimer(CFRunLoopGetCurrent(), timer, NSModalPanelRunLoopMode);
    EXPECT_EQ(counts.retains, 1);
    EXPECT_EQ(counts.releases, 1);
}

TEST_F(RunLoopTest, PerformsWithoutWaitRunNextIterationInOrderAndWithWaitInline)
{
    g_performed.clear();
    id performer = class_createInstance(PerformerClass(), 0);
    id argument = NSObject::alloc();
    NSThread* self = NSThread::currentThread();
    performer->performSelector(sel_registerName("first"), self, nullptr, NO);
    performer->performSelector(sel_registerName("arg:"), self, argument, NO);
    performer->performSelector(sel_registerName("second"), self, nullptr, NO);
    EXPECT_EQ(performer->retainCount(), 4u);
    EXPECT_EQ(argument->retainCount(), 2u);
    performer->performSelector(sel_registerName("inline"), self, nullptr, YES);
    EXPECT_EQ(g_performed, std::vector<std::string>{"inline"});
    Harness::RunUntilIdle();
    EXPECT_EQ(g_performed, (std::vector<std::string>{"inline", "first", "arg:NSObject", "second"}));
    EXPECT_EQ(performer->retainCount(), 1u);
    EXPECT_EQ(argument->retainCount(), 1u);
    argument->release();
    performer->release();
}

TEST_F(RunLoopTest, PerformQueuedDuringAnIterationWaitsForTheNext)
{
    g_performed.clear();
    static id s_performer;
    s_performer = class_createInstance(PerformerClass(), 0);
    TimerLog log;
    struct Requeue {
        static void Tick(CFRunLoopTimerRef, void*)
        {
            s_performer->performSelector(sel_registerName("third"), NSThread::currentThread(), nullptr, NO);
        }
    };
    CFRunLoopTimerContext context{0, &log, nullptr, nullptr, nullptr};
    CFRunLoopTimerRef timer =
        CFRunLoopTimerCreate(nullptr, CFAbsoluteTimeGetCurrent(), 0, 0, 0, &Requeue::Tick, &context);
    CFRunLoopAddTimer(CFRunLoopGetCurrent(), timer, kCFRunLoopDefaultMode);
    // Timers first, then the performs queued before the iteration: "third" is queued by the timer.
    s_performer->performSelector(sel_registerName("first"), NSThread::currentThread(), nullptr, NO);
    EXPECT_EQ(CFRunLoopRunInMode(kCFRunLoopDefaultMode, 1.0, true), kCFRunLoopRunHandledSource);
    EXPECT_EQ(g_performed, std::vector<std::string>{"first"});
    Harness::RunUntilIdle();
    EXPECT_EQ(g_performed, (std::vector<std::string>{"first", "third"}));
    CFRunLoopRemoveTimer(CFRunLoopGetCurrent(), timer, kCFRunLoopDefaultMode);
    CFRelease(timer);
    s_performer->release();
}

TEST_F(RunLoopTest, PerformOfAMethodWithAnotherSignatureIsReportedAndNotQueued)
{
    id performer = class_createInstance(PerformerClass(), 0);
    RecordedReports reports;
    for (const char* name : {"number:", "missing"}) {
        SCOPED_TRACE(name);
        performer->performSelector(sel_registerName(name), NSThread::currentThread(), nullptr, NO);
        EXPECT_EQ(reports.Take().size(), 1u);
    }
    EXPECT_EQ(performer->retainCount(), 1u);
    performer->release();
}

TEST_F(RunLoopTest, ResetDropsTimersAndPerformsAndCheckCleanNamesThem)
{
    const double start = CFAbsoluteTimeGetCurrent();
    TimerLog log;
    AddTimer(log, 1.0, 1.0);
    CFRelease(log.timer);
    id performer = class_createInstance(PerformerClass(), 0);
    performer->performSelector(sel_registerName("first"), NSThread::currentThread(), nullptr, NO);
    performer->release();
    {
        RecordedReports reports;
        EXPECT_FALSE(Harness::CheckClean());
        EXPECT_TRUE(reports.Contains("1 timers still installed, 1 performs still queued"));
    }
    Harness::Reset();
    g_performed.clear();
    EXPECT_EQ(CFAbsoluteTimeGetCurrent(), start);
    Harness::RunFor(5000);
    EXPECT_TRUE(log.ticks.empty());
    EXPECT_TRUE(g_performed.empty());
}

TEST_F(RunLoopTest, RunLoopsAndTheCenterArePersistent)
{
    NSRunLoop* loop = NSRunLoop::currentRunLoop();
    EXPECT_EQ(loop, CFRunLoopGetCurrent());
    EXPECT_EQ(loop->getCFRunLoop(), loop);
    // The tests run on the GUI thread.
    EXPECT_EQ(CFRunLoopGetMain(), loop);
    NSNotificationCenter* center = NSNotificationCenter::defaultCenter();
    EXPECT_EQ(Harness::LiveObjects(), 0u);
    for (NSObject* object : {static_cast<NSObject*>(loop), static_cast<NSObject*>(center)}) {
        object->retain();
        object->release();
        RecordedReports reports;
        object->release();
        EXPECT_EQ(reports.Take().size(), 1u);
        EXPECT_EQ(object->retainCount(), 1u);
    }
}

TEST_F(RunLoopTest, DrainReleasesThePoolAfterItsObjects)
{
    NSAutoreleasePool* pool = NSAutoreleasePool::alloc()->init();
    NSObject::alloc()->autorelease();
    EXPECT_EQ(Harness::LiveObjects(), 2u);
    pool->drain();
    EXPECT_EQ(Harness::LiveObjects(), 0u);
}

TEST_F(RunLoopTest, UnknownModesAreReported)
{
    NSString* mode = NSString::stringWithUTF8String("SomeOtherMode");
    NSString* sameText = NSString::stringWithUTF8String("kCFRunLoopDefaultMode");
    TimerLog log;
    AddTimer(log, 0.01, 0, sameText);
    RecordedReports reports;
    EXPECT_EQ(CFRunLoopRunInMode(mode, 0.1, false), kCFRunLoopRunFinished);
    EXPECT_EQ(CFRunLoopRunInMode(kCFRunLoopCommonModes, 0.1, false), kCFRunLoopRunFinished);
    EXPECT_EQ(reports.Take().size(), 2u);
    Harness::RunFor(10);
    EXPECT_EQ(log.ticks.size(), 1u);
    RemoveTimer(log);
}

// Notifications

std::vector<std::string> g_notified;

void Observe(id self, SEL sel, id argument)
{
    auto* notification = static_cast<NSNotification*>(argument);
    void* tag = nullptr;
    object_getInstanceVariable(self, "tag", &tag);
    g_notified.push_back(std::string(static_cast<const char*>(tag)) + ":" + sel_getName(sel) +
                         notification->name()->UTF8String());
}

Class ObserverClass()
{
    static const Class cls = [] {
        Class made = objc_allocateClassPair(NSObject::classObject(), UniqueClassName("Observer").c_str(), 0);
        class_addIvar(made, "tag", 8, 3, "*");
        class_addMethod(made, sel_registerName("seen:"), &Observe);
        objc_registerClassPair(made);
        return made;
    }();
    return cls;
}

id MakeObserver(const char* tag)
{
    id observer = class_createInstance(ObserverClass(), 0);
    object_setInstanceVariable(observer, "tag", const_cast<char*>(tag));
    return observer;
}

TEST_F(RunLoopTest, ObserversAreCalledInOrderWithWildcards)
{
    g_notified.clear();
    NSNotificationCenter* center = NSNotificationCenter::defaultCenter();
    NSString* a = NSString::stringWithUTF8String("A");
    NSString* b = NSString::stringWithUTF8String("B");
    id sender = NSObject::alloc();
    id other = NSObject::alloc();
    id all = MakeObserver("all");
    id onlyA = MakeObserver("A");
    id fromSender = MakeObserver("sender");
    id aFromSender = MakeObserver("A+sender");
    SEL seen = sel_registerName("seen:");
    center->addObserver(aFromSender, seen, a, sender);
    center->addObserver(all, seen, nullptr, nullptr);
    center->addObserver(onlyA, seen, NSString::stringWithUTF8String("A"), nullptr);
    center->addObserver(fromSender, seen, nullptr, sender);

    struct Case {
        NSString* name;
        id object;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {a, sender, {"A+sender:seen:A", "all:seen:A", "A:seen:A", "sender:seen:A"}},
        {a, other, {"all:seen:A", "A:seen:A"}},
        {b, sender, {"all:seen:B", "sender:seen:B"}},
        {b, nullptr, {"all:seen:B"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name->UTF8String());
        g_notified.clear();
        center->postNotificationName(c.name, c.object);
        EXPECT_EQ(g_notified, c.expected);
    }
    // Removal by name and object removes only the matching entry of that observer.
    center->removeObserver(aFromSender, b, nullptr);
    center->removeObserver(all, a, nullptr);
    g_notified.clear();
    center->postNotificationName(a, sender);
    EXPECT_EQ(g_notified, (std::vector<std::string>{"A+sender:seen:A", "all:seen:A", "A:seen:A", "sender:seen:A"}));
    center->removeObserver(aFromSender, a, sender);
    for (id observer : {all, onlyA, fromSender}) {
        center->removeObserver(observer);
        observer->release();
    }
    aFromSender->release();
    g_notified.clear();
    center->postNotificationName(a, sender);
    EXPECT_TRUE(g_notified.empty());
    sender->release();
    other->release();
}

// Adds and removes observers while a post runs.
id g_added = nullptr;
id g_removed = nullptr;

void ChangeObservers(id self, SEL sel, id notification)
{
    Observe(self, sel, notification);
    NSNotificationCenter* center = NSNotificationCenter::defaultCenter();
    if (!g_added) {
        g_added = MakeObserver("added");
        center->addObserver(g_added, sel_registerName("seen:"), nullptr, nullptr);
    }
    if (g_removed) {
        center->removeObserver(g_removed);
        g_removed->release();
        g_removed = nullptr;
    }
}

TEST_F(RunLoopTest, ObserverAddedDuringAPostIsNotCalledAndOneRemovedIsNotCalledAfter)
{
    Class cls = objc_allocateClassPair(ObserverClass(), UniqueClassName("Changer").c_str(), 0);
    class_addMethod(cls, sel_registerName("change:"), &ChangeObservers);
    objc_registerClassPair(cls);
    NSNotificationCenter* center = NSNotificationCenter::defaultCenter();
    NSString* name = NSString::stringWithUTF8String("N");
    id changer = class_createInstance(cls, 0);
    object_setInstanceVariable(changer, "tag", const_cast<char*>("changer"));
    g_removed = MakeObserver("removed");
    center->addObserver(changer, sel_registerName("change:"), name, nullptr);
    center->addObserver(g_removed, sel_registerName("seen:"), name, nullptr);
    g_added = nullptr;
    g_notified.clear();
    center->postNotificationName(name, nullptr);
    EXPECT_EQ(g_notified, std::vector<std::string>{"changer:change:N"});
    g_notified.clear();
    center->postNotificationName(name, nullptr);
    EXPECT_EQ(g_notified, (std::vector<std::string>{"changer:change:N", "added:seen:N"}));
    center->removeObserver(changer);
    center->removeObserver(g_added);
    changer->release();
    g_added->release();
    g_added = nullptr;
}

TEST_F(RunLoopTest, DeallocatedObserverOrObjectTakesItsEntriesAlong)
{
    NSNotificationCenter* center = NSNotificationCenter::defaultCenter();
    NSString* name = NSString::stringWithUTF8String("N");
    id gone = MakeObserver("gone");
    id watcher = MakeObserver("watcher");
    id sender = NSObject::alloc();
    center->addObserver(gone, sel_registerName("seen:"), nullptr, nullptr);
    center->addObserver(watcher, sel_registerName("seen:"), name, sender);
    gone->release();
    sender->release();
    g_notified.clear();
    // A new object may reuse the freed address: the entry must not match it (ASan catches a call to gone).
    id reused = NSObject::alloc();
    center->postNotificationName(name, reused);
    center->postNotificationName(name, nullptr);
    EXPECT_TRUE(g_notified.empty());
    reused->release();
    watcher->release();
}

} // namespace
} // namespace VeltisTest

#include "Native/Runtime.h"

#include "Native/Foundation.h"
#include "Native/Harness.h"
#include "Native/Selectors.h"
#include "platform/native/NativeClasses.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>
#include <vector>

using namespace Native;

namespace VeltisTest {
namespace {

class RuntimeMTTest : public NativeTest {};

std::atomic<int> g_deallocs{0};

void CountingDealloc(id self, SEL)
{
    ++g_deallocs;
    SendSuper(objc_super{self, NSObject::classObject()}, Sel::dealloc);
}

NSInteger Twice(id, SEL, NSInteger value)
{
    return 2 * value;
}

Class MakeCountingClass()
{
    Class cls = objc_allocateClassPair(NSObject::classObject(), UniqueClassName("Counted").c_str(), 0);
    class_addMethod(cls, Sel::dealloc, &CountingDealloc);
    objc_registerClassPair(cls);
    return cls;
}

TEST_F(RuntimeMTTest, SharedObjectKeepsExactCountsWhileClassesAreRegisteredAndUsed)
{
    constexpr int kThreads = 6;
    constexpr int kRounds = 2000;
    g_deallocs = 0;
    Class shared = MakeCountingClass();
    id object = class_createInstance(shared, 0);

    std::promise<void> start;
    std::shared_future<void> started = start.get_future().share();
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([object, started] {
            started.wait();
            NSAutoreleasePool* pool = NSAutoreleasePool::alloc()->init();
            for (int i = 0; i < kRounds; ++i) {
                object->retain();
                object->retain()->autorelease();
                object->release();
                if (i % 100 == 99) {
                    pool->release();
                    pool = NSAutoreleasePool::alloc()->init();
                }
            }
            pool->release();
        });
    }
    std::atomic<int> sent{0};
    threads.emplace_back([started, &sent] {
        started.wait();
        NSAutoreleasePool* pool = NSAutoreleasePool::alloc()->init();
        SEL twice = sel_registerName("twice:");
        for (int i = 0; i < 50; ++i) {
            Class cls = objc_allocateClassPair(NSObject::classObject(), UniqueClassName("Racing").c_str(), 0);
            class_addMethod(cls, twice, &Twice);
            class_addMethod(cls, Sel::dealloc, &CountingDealloc);
            objc_registerClassPair(cls);
            Class found = objc_getClass(class_getName(cls));
            id instance = class_createInstance(found, 0);
            if (Send<NSInteger(NSInteger)>(instance, twice, i) == 2 * i)
                ++sent;
            instance->autorelease();
            pool->release();
            pool = NSAutoreleasePool::alloc()->init();
            objc_disposeClassPair(cls);
        }
        pool->release();
    });
    start.set_value();
    for (std::thread& thread : threads)
        thread.join();

    EXPECT_EQ(sent, 50);
    EXPECT_EQ(g_deallocs, 50);
    EXPECT_EQ(object->retainCount(), 1u);
    object->release();
    EXPECT_EQ(g_deallocs, 51);
    objc_disposeClassPair(shared);
}

TEST_F(RuntimeMTTest, ThreadWithoutPoolReportsAndReleasesAtItsEnd)
{
    g_deallocs = 0;
    Class cls = MakeCountingClass();
    id object = class_createInstance(cls, 0);
    NSUInteger countAfterAutorelease = 0;
    {
        RecordedReports reports;
        std::thread thread([&] {
            object->autorelease();
            countAfterAutorelease = object->retainCount();
        });
        thread.join();
        EXPECT_EQ(reports.Take().size(), 1u);
    }
    EXPECT_EQ(countAfterAutorelease, 1u);
    EXPECT_EQ(g_deallocs, 1);
    objc_disposeClassPair(cls);
}

TEST_F(RuntimeMTTest, EachThreadHasOneThreadObjectAndTheFirstLoaderIsTheGUIThread)
{
    NSThread* here = NSThread::currentThread();
    EXPECT_EQ(NSThread::currentThread(), here);
    NSThread* main = NSThread::mainThread();
    ASSERT_NE(main, nullptr);
    NSThread* there = nullptr;
    BOOL thereIsMain = YES;
    std::thread thread([&] {
        NSApplicationLoad();
        there = NSThread::currentThread();
        thereIsMain = NSThread::isMainThread();
    });
    thread.join();
    EXPECT_NE(there, here);
    EXPECT_FALSE(thereIsMain);
    EXPECT_EQ(NSThread::mainThread(), main);
    EXPECT_FALSE(there->IsRunning());
    EXPECT_TRUE(here->IsRunning());
    EXPECT_EQ(Harness::LiveObjects("NSThread"), 0u);
}

} // namespace
} // namespace VeltisTest

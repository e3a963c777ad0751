#include "Native/Runtime.h"

#include "Native/CoreFoundation.h"
#include "Native/Harness.h"
#include "Native/Selectors.h"
#include "platform/native/NativeClasses.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Native;

namespace VeltisTest {
namespace {

// A run-time class whose dealloc logs the object's "tag" ivar, tries to resurrect the object, and
// super-calls; its "finish" method releases its own object, as a callback object does.
struct LoggingClass {
    static std::vector<std::string>& Log()
    {
        static std::vector<std::string> log;
        return log;
    }

    static void Dealloc(id self, SEL)
    {
        void* tag = nullptr;
        object_getInstanceVariable(self, "tag", &tag);
        Log().push_back(tag ? static_cast<const char*>(tag) : "?");
        self->retain();
        self->release();
        self->release();
        SendSuper(objc_super{self, NSObject::classObject()}, Sel::dealloc);
    }

    static void Finish(id self, SEL)
    {
        void* record = nullptr;
        object_getInstanceVariable(self, "callbackData", &record);
        if (record)
            ++*static_cast<int*>(record);
        self->release();
    }

    static Class Get()
    {
        static const Class cls = [] {
            Class made = objc_allocateClassPair(NSObject::classObject(), UniqueClassName("Logging").c_str(), 0);
            class_addIvar(made, "tag", 8, 3, "*");
            class_addIvar(made, "callbackData", 8, 3, "^{CallbackStruct=^v@^{Invoker}}");
            class_addMethod(made, Sel::dealloc, &Dealloc);
            class_addMethod(made, sel_registerName("finish"), &Finish);
            objc_registerClassPair(made);
            return made;
        }();
        return cls;
    }

    static id Make(const char* tag)
    {
        id object = class_createInstance(Get(), 0);
        object_setInstanceVariable(object, "tag", const_cast<char*>(tag));
        return object;
    }
};

class NSObjectTest : public NativeTest {
protected:
    void SetUp() override
    {
        NativeTest::SetUp();
        LoggingClass::Log().clear();
    }
};

TEST_F(NSObjectTest, ReleaseToZeroDeallocatesOnceThroughTheSubclassAndFrees)
{
    id object = LoggingClass::Make("a");
    EXPECT_EQ(Harness::LiveObjects(), 1u);
    EXPECT_EQ(Harness::LiveObjects(class_getName(LoggingClass::Get())), 1u);
    object->retain();
    EXPECT_EQ(object->retainCount(), 2u);
    object->release();
    EXPECT_TRUE(LoggingClass::Log().empty());
    object->release();
    EXPECT_EQ(LoggingClass::Log(), std::vector<std::string>{"a"});
    EXPECT_EQ(Harness::LiveObjects(), 0u);
}

TEST_F(NSObjectTest, MethodMayReleaseItsOwnObject)
{
    id object = LoggingClass::Make("self");
    int record = 0;
    object_setInstanceVariable(object, "callbackData", &record);
    Send<void()>(object, sel_registerName("finish"));
    EXPECT_EQ(record, 1);
    EXPECT_EQ(LoggingClass::Log(), std::vector<std::string>{"self"});
    EXPECT_EQ(Harness::LiveObjects(), 0u);
}

TEST_F(NSObjectTest, CFRetainAndCFReleaseAreRetainAndRelease)
{
    id object = LoggingClass::Make("cf");
    CFTypeRef ref = object;
    EXPECT_EQ(CFRetain(ref), ref);
    EXPECT_EQ(CFGetRetainCount(ref), 2);
    object->release();
    EXPECT_EQ(CFGetRetainCount(ref), 1);
    CFRelease(ref);
    EXPECT_EQ(LoggingClass::Log().size(), 1u);
    RecordedReports reports;
    CFRelease(nullptr);
    EXPECT_EQ(reports.Take().size(), 1u);
}

TEST_F(NSObjectTest, ScopedRetainHoldsForItsScope)
{
    id object = LoggingClass::Make("scoped");
    {
        ScopedRetain hold(object);
        object->release();
        EXPECT_TRUE(LoggingClass::Log().empty());
    }
    EXPECT_EQ(LoggingClass::Log().size(), 1u);
    ScopedRetain nothing(nullptr);
}

TEST_F(NSObjectTest, NestedPoolsDrainLastInFirstOutAndInnerPoolsFirst)
{
    NSAutoreleasePool* outer = NSAutoreleasePool::alloc()->init();
    LoggingClass::Make("outer 1")->autorelease();
    id twice = LoggingClass::Make("outer twice");
    twice->retain();
    twice->autorelease();
    twice->autorelease();
    NSAutoreleasePool* middle = NSAutoreleasePool::alloc()->init();
    LoggingClass::Make("middle")->autorelease();
    NSAutoreleasePool* inner = NSAutoreleasePool::alloc()->init();
    LoggingClass::Make("inner 1")->autorelease();
    LoggingClass::Make("inner 2")->autorelease();
    inner->release();
    EXPECT_EQ(LoggingClass::Log(), (std::vector<std::string>{"inner 2", "inner 1"}));
    LoggingClass::Make("middle 2")->autorelease();
    // Not the innermost: the middle pool drains first.
    NSAutoreleasePool* innermost = NSAutoreleasePool::alloc()->init();
    LoggingClass::Make("innermost")->autorelease();
    outer->release();
    EXPECT_EQ(LoggingClass::Log(), (std::vector<std::string>{"inner 2", "inner 1", "innermost", "middle 2", "middle",
                                                             "outer twice", "outer 1"}));
    // Drained pools hold nothing; their own release only frees them.
    middle->release();
    innermost->release();
    EXPECT_EQ(Harness::LiveObjects(), 0u);
}

TEST_F(NSObjectTest, PoolMisuseIsReportedAndLeavesThePoolWorking)
{
    NSAutoreleasePool* pool = NSAutoreleasePool::alloc()->init();
    {
        RecordedReports reports;
        EXPECT_EQ(pool->init(), pool);
        EXPECT_EQ(pool->autorelease(), pool);
        EXPECT_EQ(reports.Take().size(), 2u);
    }
    LoggingClass::Make("in pool")->autorelease();
    pool->release();
    EXPECT_EQ(LoggingClass::Log(), std::vector<std::string>{"in pool"});
    LoggingClass::Make("outer")->autorelease();
    EXPECT_EQ(LoggingClass::Log().size(), 1u);
}

TEST_F(NSObjectTest, AutoreleaseWithoutPoolIsReportedAndKeptUntilReset)
{
    Harness::CheckClean();
    id object = LoggingClass::Make("parked");
    {
        RecordedReports reports;
        object->autorelease();
        EXPECT_TRUE(reports.Contains(class_getName(LoggingClass::Get())));
    }
    EXPECT_EQ(object->retainCount(), 1u);
    EXPECT_TRUE(LoggingClass::Log().empty());
    Harness::Reset();
    EXPECT_EQ(LoggingClass::Log(), std::vector<std::string>{"parked"});
}

TEST_F(NSObjectTest, CheckCleanNamesTheClassOfALeakedObject)
{
    id leaked = LoggingClass::Make("leaked");
    id pooled = LoggingClass::Make("pooled")->autorelease();
    EXPECT_EQ(Harness::LiveObjects(), 2u);
    {
        RecordedReports reports;
        EXPECT_FALSE(Harness::CheckClean());
        std::vector<std::string> taken = reports.Take();
        ASSERT_EQ(taken.size(), 1u);
        EXPECT_NE(taken[0].find(std::string("1 ") + class_getName(LoggingClass::Get())), std::string::npos) << taken[0];
    }
    EXPECT_EQ(LoggingClass::Log(), std::vector<std::string>{"pooled"});
    (void)pooled;
    leaked->release();
    EXPECT_TRUE(Harness::CheckClean());
}

TEST_F(NSObjectTest, CleanChecksAndResetHooksRun)
{
    static int resets = 0;
    static std::string problem;
    static bool registered = false;
    if (!registered) {
        Harness::RegisterResetHook([] { ++resets; });
        Harness::RegisterCleanCheck([] { return problem; });
        registered = true;
    }
    const int before = resets;
    Harness::Reset();
    EXPECT_EQ(resets, before + 1);
    problem = "a window is still open";
    {
        RecordedReports reports;
        EXPECT_FALSE(Harness::CheckClean());
        EXPECT_TRUE(reports.Contains("a window is still open"));
    }
    problem.clear();
    Harness::Reset();
}

TEST_F(NSObjectTest, LiveObjectsCountsKindsMadeSinceReset)
{
    DefineTestFlippable();
    Class subclass = MakeRegisteredClass("FlippableKind", TestFlippable::classObject());
    id plain = TestFlippable::alloc();
    id derived = class_createInstance(subclass, 0);
    id other = LoggingClass::Make("other");
    EXPECT_EQ(Harness::LiveObjects(), 3u);
    EXPECT_EQ(Harness::LiveObjects("TestFlippable"), 2u);
    EXPECT_EQ(Harness::LiveObjects(class_getName(subclass)), 1u);
    EXPECT_EQ(Harness::LiveObjects("NSObject"), 3u);
    EXPECT_EQ(Harness::LiveObjects("NoSuchClass"), 0u);
    // Immortal objects never count.
    EXPECT_EQ(NSNumber::numberWithBool(YES), kCFBooleanTrue);
    EXPECT_EQ(Harness::LiveObjects("NSNumber"), 0u);
    plain->release();
    derived->release();
    other->release();
    objc_disposeClassPair(subclass);
}

TEST_F(NSObjectTest, LenientPolicyKeepsReportsFromTheHandler)
{
    RecordedReports reports;
    Harness::SetPolicy(Harness::EPolicy::Lenient);
    CFRelease(nullptr);
    Harness::SetPolicy(Harness::EPolicy::Strict);
    EXPECT_TRUE(reports.Take().empty());
    CFRelease(nullptr);
    EXPECT_EQ(reports.Take().size(), 1u);
}

} // namespace
} // namespace VeltisTest

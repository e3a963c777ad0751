#include "Native/Runtime.h"

#include "Native/Foundation.h"
#include "Native/Selectors.h"
#include "platform/native/NativeClasses.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <dlfcn.h>

using namespace Native;

namespace VeltisTest {
namespace {

class RuntimeTest : public NativeTest {};

std::atomic<int> g_superFlipped{-1};

BOOL FlippedOverride(id self, SEL sel)
{
    objc_super super{self, TestFlippable::classObject()};
    g_superFlipped = SendSuper(super, Sel::isFlipped);
    (void)sel;
    return YES;
}

TEST_F(RuntimeTest, SubclassOverrideIsReachedFromBuiltinCodeAndItsSuperSendGetsTheBuiltinAnswer)
{
    Class builtin = DefineTestFlippable();
    ASSERT_NE(builtin, nullptr);
    Class subclass = objc_allocateClassPair(builtin, UniqueClassName("FlippedView").c_str(), 0);
    ASSERT_NE(subclass, nullptr);
    EXPECT_FALSE(class_respondsToSelector(subclass, Sel::isOpaque));
    ASSERT_TRUE(class_addMethod(subclass, Sel::isFlipped, &FlippedOverride));
    objc_registerClassPair(subclass);

    TestFlippable* plain = TestFlippable::alloc();
    auto* flipped = static_cast<TestFlippable*>(class_createInstance(subclass, 0));
    ASSERT_NE(flipped, nullptr);
    EXPECT_FALSE(plain->ReadsFlipped());
    g_superFlipped = -1;
    EXPECT_TRUE(flipped->ReadsFlipped());
    EXPECT_EQ(g_superFlipped, NO);

    EXPECT_TRUE(class_respondsToSelector(subclass, Sel::isFlipped));
    EXPECT_TRUE(class_respondsToSelector(builtin, Sel::isFlipped));
    EXPECT_FALSE(class_respondsToSelector(subclass, Sel::acceptsFirstResponder));
    EXPECT_TRUE(TestFlippable::instancesRespondToSelector(Sel::isFlipped));
    EXPECT_FALSE(TestFlippable::instancesRespondToSelector(Sel::isOpaque));
    EXPECT_FALSE(NSObject::instancesRespondToSelector(Sel::isFlipped));
    EXPECT_TRUE(flipped->respondsToSelector(Sel::isFlipped));
    EXPECT_TRUE(flipped->isKindOfClass(builtin));
    EXPECT_EQ(flipped->superclass(), builtin);
    EXPECT_EQ(plain->class_(), builtin);
    plain->release();
    flipped->release();
    objc_disposeClassPair(subclass);
}

TEST_F(RuntimeTest, SendToNilAnswersZeroForEveryShape)
{
    id nil = nullptr;
    Send(nil, Sel::mouseDown, nil);
    Send(nil, Sel::drawRect, NSRect{{1, 2}, {3, 4}});
    Send(nil, Sel::dealloc);
    Send(nil, Sel::setEnabled, true);
    EXPECT_EQ(Send(nil, Sel::hitTest, NSPoint{5, 6}), nullptr);
    EXPECT_EQ(Send(nil, Sel::isFlipped), NO);
    EXPECT_EQ(Send(nil, Sel::performKeyEquivalent, nil), NO);
    SEL sel = sel_registerName("anyShape");
    EXPECT_EQ(Send<NSInteger()>(nil, sel), 0);
    EXPECT_EQ(Send<int(int)>(nil, sel, 4), 0);
    EXPECT_EQ(Send<double()>(nil, sel), 0.0);
    EXPECT_EQ(Send<float()>(nil, sel), 0.0f);
    EXPECT_EQ(Send<bool()>(nil, sel), false);
    EXPECT_EQ(Send<void*()>(nil, sel), nullptr);
    NSRect rect = Send<NSRect()>(nil, sel);
    EXPECT_EQ(rect.origin.x, 0.0);
    EXPECT_EQ(rect.size.height, 0.0);
    NSSize size = Send<NSSize(id)>(nil, sel, nil);
    EXPECT_EQ(size.width, 0.0);
    NSPoint point = SendSuper<NSPoint()>(objc_super{nil, NSObject::classObject()}, sel);
    EXPECT_EQ(point.y, 0.0);
}

TEST_F(RuntimeTest, EncodingsAreDerivedFromSignatures)
{
    struct Case {
        const char* derived;
        const char* expected;
    };
    const Case kCases[] = {
        {Encoding<void(id)>(), "v@:@"},
        {Encoding<void()>(), "v@:"},
        {Encoding<void(BOOL)>(), "v@:c"},
        {Encoding<void(bool)>(), "v@:B"},
        {Encoding<id(NSPoint)>(), "@@:{CGPoint=dd}"},
        {Encoding<BOOL()>(), "c@:"},
        {Encoding<BOOL(id)>(), "c@:@"},
        {Encoding<void(NSRect)>(), "v@:{CGRect={CGPoint=dd}{CGSize=dd}}"},
        {Encoding<void(id, id)>(), "v@:@@"},
        {Encoding<id(id, NSInteger, NSPoint, void*)>(), "@@:@q{CGPoint=dd}^v"},
        {Encoding<double(float, int, SEL, NSSize)>(), "d@:fi:{CGSize=dd}"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.expected);
        EXPECT_STREQ(c.derived, c.expected);
    }
}

void VoidMethod(id, SEL) {}

TEST_F(RuntimeTest, ListedSelectorWithAnotherEncodingIsRefusedAndReported)
{
    Class cls = objc_allocateClassPair(NSObject::classObject(), UniqueClassName("WrongEncoding").c_str(), 0);
    {
        RecordedReports reports;
        EXPECT_FALSE(class_addMethod(cls, Sel::isFlipped, &VoidMethod));
        EXPECT_TRUE(reports.Contains("isFlipped"));
        EXPECT_FALSE(class_addMethod(cls, Sel::drawRect, reinterpret_cast<IMP>(&VoidMethod), "v@:{CGRect=dddd}"));
        EXPECT_EQ(reports.Take().size(), 2u);
    }
    EXPECT_FALSE(class_respondsToSelector(cls, Sel::isFlipped));
    // A selector outside the list takes any encoding, once.
    SEL chosen = sel_registerName("crvExtProbe");
    EXPECT_TRUE(class_addMethod(cls, chosen, &VoidMethod));
    EXPECT_FALSE(class_addMethod(cls, chosen, &VoidMethod));
    objc_registerClassPair(cls);
    {
        RecordedReports reports;
        EXPECT_FALSE(class_addMethod(cls, sel_registerName("late"), &VoidMethod));
        EXPECT_EQ(reports.Take().size(), 1u);
    }
    objc_disposeClassPair(cls);
}

std::atomic<int> g_probeCalls{0};

void CountingProbe(id, SEL, id)
{
    ++g_probeCalls;
}

TEST_F(RuntimeTest, SendWithAnotherSignatureIsReportedAndDoesNotRun)
{
    Class cls = objc_allocateClassPair(NSObject::classObject(), UniqueClassName("Probe").c_str(), 0);
    SEL probe = sel_registerName("probe:");
    ASSERT_TRUE(class_addMethod(cls, probe, &CountingProbe));
    objc_registerClassPair(cls);
    id object = class_createInstance(cls, 0);
    g_probeCalls = 0;
    {
        RecordedReports reports;
        Send<void(NSInteger)>(object, probe, 5);
        EXPECT_EQ(Send<BOOL(id)>(object, probe, nullptr), NO);
        EXPECT_EQ(reports.Take().size(), 2u);
        EXPECT_EQ(g_probeCalls, 0);
        Send<void()>(object, sel_registerName("unknown"));
        EXPECT_TRUE(reports.Contains("unknown"));
    }
    // The matching signature runs, also after the comparison was cached.
    Send<void(id)>(object, probe, nullptr);
    Send<void(id)>(object, probe, object);
    EXPECT_EQ(g_probeCalls, 2);
    {
        RecordedReports reports;
        Send<void(int)>(object, probe, 1);
        EXPECT_EQ(reports.Take().size(), 1u);
    }
    EXPECT_EQ(g_probeCalls, 2);
    object->release();
    objc_disposeClassPair(cls);
}

TEST_F(RuntimeTest, PointerSizedIvarRoundTripsAndBadIvarsAreRefused)
{
    Class cls = objc_allocateClassPair(NSObject::classObject(), UniqueClassName("ActionTarget").c_str(), 0);
    ASSERT_TRUE(class_addIvar(cls, "m_callbackMember", 8, 3, "^{ICommand=^^?}"));
    ASSERT_TRUE(class_addIvar(cls, "m_flag", 1, 0, "c"));
    struct Case {
        const char* name;
        size_t size;
        uint8_t alignment;
    };
    const Case kRefused[] = {{"m_wide", 16, 3}, {"m_aligned", 8, 4}, {"m_callbackMember", 8, 3}, {"m_empty", 0, 0}};
    for (const Case& c : kRefused) {
        SCOPED_TRACE(c.name);
        RecordedReports reports;
        EXPECT_FALSE(class_addIvar(cls, c.name, c.size, c.alignment, "^v"));
        EXPECT_EQ(reports.Take().size(), 1u);
    }
    objc_registerClassPair(cls);
    {
        RecordedReports reports;
        EXPECT_FALSE(class_addIvar(cls, "m_late", 8, 3, "^v"));
        EXPECT_EQ(reports.Take().size(), 1u);
    }

    id object = class_createInstance(cls, 0);
    void* value = &value;
    EXPECT_EQ(object_getInstanceVariable(object, "m_callbackMember", &value), class_getInstanceVariable(cls, "m_callbackMember"));
    EXPECT_EQ(value, nullptr);
    int command = 0;
    Ivar ivar = object_setInstanceVariable(object, "m_callbackMember", &command);
    ASSERT_NE(ivar, nullptr);
    EXPECT_STREQ(ivar_getName(ivar), "m_callbackMember");
    EXPECT_STREQ(ivar_getTypeEncoding(ivar), "^{ICommand=^^?}");
    object_getInstanceVariable(object, "m_callbackMember", &value);
    EXPECT_EQ(value, &command);
    object_getInstanceVariable(object, "m_flag", &value);
    EXPECT_EQ(value, nullptr);
    {
        RecordedReports reports;
        EXPECT_EQ(object_setInstanceVariable(object, "m_missing", &command), nullptr);
        EXPECT_EQ(reports.Take().size(), 1u);
    }
    object->release();
    objc_disposeClassPair(cls);
}

TEST_F(RuntimeTest, ClassSwapAndBackKeepsIvarsAndBuiltinState)
{
    DefineTestFlippable();
    Class adapter = objc_allocateClassPair(TestFlippable::classObject(), UniqueClassName("Adapter").c_str(), 0);
    ASSERT_TRUE(class_addIvar(adapter, "m_GUIWidgetBaseMember", 8, 3, "^v"));
    ASSERT_TRUE(class_addMethod(adapter, Sel::isFlipped, &FlippedOverride));
    objc_registerClassPair(adapter);

    TestFlippable* view = TestFlippable::alloc();
    view->m_State = 7;
    EXPECT_EQ(object_setClass(view, adapter), TestFlippable::classObject());
    EXPECT_EQ(view->class_(), adapter);
    EXPECT_TRUE(view->ReadsFlipped());
    int widget = 0;
    object_setInstanceVariable(view, "m_GUIWidgetBaseMember", &widget);

    EXPECT_EQ(object_setClass(view, TestFlippable::classObject()), adapter);
    EXPECT_EQ(object_getClass(view), TestFlippable::classObject());
    EXPECT_FALSE(view->ReadsFlipped());
    EXPECT_EQ(view->m_State, 7);
    EXPECT_EQ(object_setClass(view, adapter), TestFlippable::classObject());
    void* value = nullptr;
    object_getInstanceVariable(view, "m_GUIWidgetBaseMember", &value);
    EXPECT_EQ(value, &widget);

    // An adapter class may not go while a view wears it.
    {
        RecordedReports reports;
        objc_disposeClassPair(adapter);
        EXPECT_TRUE(reports.Contains("instances"));
    }
    Class other = MakeRegisteredClass("OtherAncestor");
    {
        RecordedReports reports;
        EXPECT_EQ(object_setClass(view, other), nullptr);
        EXPECT_EQ(object_setClass(view, NSString::classObject()), nullptr);
        EXPECT_EQ(reports.Take().size(), 2u);
    }
    EXPECT_EQ(view->class_(), adapter);
    object_setClass(view, TestFlippable::classObject());
    objc_disposeClassPair(adapter);
    view->release();
    objc_disposeClassPair(other);
}

TEST_F(RuntimeTest, TakenNamesGiveNullAndDisposalFreesTheName)
{
    const std::string name = UniqueClassName("Named");
    Class first = objc_allocateClassPair(NSObject::classObject(), name.c_str(), 0);
    ASSERT_NE(first, nullptr);
    // Taken before registration too, and built-in names are taken.
    EXPECT_EQ(objc_allocateClassPair(NSObject::classObject(), name.c_str(), 0), nullptr);
    EXPECT_EQ(objc_getClass(name.c_str()), nullptr);
    EXPECT_EQ(objc_allocateClassPair(NSObject::classObject(), "NSObject", 0), nullptr);
    EXPECT_EQ(objc_allocateClassPair(NSObject::classObject(), "NSString", 0), nullptr);
    objc_registerClassPair(first);
    EXPECT_EQ(objc_getClass(name.c_str()), first);
    EXPECT_STREQ(class_getName(first), name.c_str());
    EXPECT_EQ(class_getSuperclass(first), NSObject::classObject());

    id instance = class_createInstance(first, 0);
    {
        RecordedReports reports;
        objc_disposeClassPair(first);
        EXPECT_TRUE(reports.Contains(name));
    }
    EXPECT_EQ(objc_getClass(name.c_str()), first);
    instance->release();
    objc_disposeClassPair(first);
    EXPECT_EQ(objc_getClass(name.c_str()), nullptr);
    Class second = objc_allocateClassPair(NSObject::classObject(), name.c_str(), 0);
    EXPECT_NE(second, nullptr);
    objc_disposeClassPair(second);

    RecordedReports reports;
    objc_disposeClassPair(NSObject::classObject());
    EXPECT_EQ(reports.Take().size(), 1u);
    EXPECT_NE(objc_getClass("NSObject"), nullptr);
}

TEST_F(RuntimeTest, UnregisteredClassesMakeNoInstancesAndParentsOutliveChildren)
{
    Class parent = MakeRegisteredClass("Parent");
    Class child = objc_allocateClassPair(parent, UniqueClassName("Child").c_str(), 0);
    {
        RecordedReports reports;
        EXPECT_EQ(class_createInstance(child, 0), nullptr);
        EXPECT_EQ(objc_allocateClassPair(child, UniqueClassName("Grandchild").c_str(), 0), nullptr);
        objc_disposeClassPair(parent);
        EXPECT_EQ(reports.Take().size(), 3u);
    }
    objc_disposeClassPair(child);
    objc_disposeClassPair(parent);
}

TEST_F(RuntimeTest, SelectorsAreInterned)
{
    SEL sel = sel_registerName("textDidChange:");
    EXPECT_EQ(sel, Sel::textDidChange.Get());
    EXPECT_EQ(sel_getUid("textDidChange:"), sel);
    EXPECT_STREQ(sel_getName(sel), "textDidChange:");
    EXPECT_NE(sel_registerName("viewDidHide:"), Sel::viewDidHide.Get());
    EXPECT_STREQ(ListedSelectorEncoding("viewDidHide"), "v@:");
    EXPECT_EQ(ListedSelectorEncoding("viewDidHide:"), nullptr);
}

TEST_F(RuntimeTest, BuiltinNamesAreNotDefinedTwice)
{
    RecordedReports reports;
    EXPECT_EQ(DefineBuiltinClass<NSString>(), nullptr);
    EXPECT_EQ(reports.Take().size(), 1u);
}

using ProbeFunction = Class (*)(const char*);

TEST_F(RuntimeTest, TwoLoadedLibrariesShareOneRegistry)
{
    void* a = dlopen(VELTIS_NATIVE_PROBE_A, RTLD_NOW | RTLD_LOCAL);
    void* b = dlopen(VELTIS_NATIVE_PROBE_B, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(a, nullptr) << dlerror();
    ASSERT_NE(b, nullptr) << dlerror();
    auto makeInA = reinterpret_cast<ProbeFunction>(dlsym(a, "NativeProbeMakeClass"));
    auto getInB = reinterpret_cast<ProbeFunction>(dlsym(b, "NativeProbeGetClass"));
    auto makeInB = reinterpret_cast<ProbeFunction>(dlsym(b, "NativeProbeMakeClass"));
    ASSERT_TRUE(makeInA && getInB && makeInB);

    const std::string name = UniqueClassName("Shared");
    Class made = makeInA(name.c_str());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(getInB(name.c_str()), made);
    EXPECT_EQ(makeInB(name.c_str()), nullptr);
    EXPECT_EQ(getInB("NSObject"), NSObject::classObject());
    EXPECT_EQ(objc_getClass(name.c_str()), made);
    objc_disposeClassPair(made);
    dlclose(b);
    dlclose(a);
}

} // namespace
} // namespace VeltisTest

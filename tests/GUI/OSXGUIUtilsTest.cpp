#include "Veltis/GUI/OSXGUIUtils.h"

#include "Native/Foundation.h"
#include "Native/Harness.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/GUI/CAutoreleasePool.h"
#include "support/CCountingCommand.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdio>
#include <string>

using namespace Veltis::GUI;
using namespace Native;

namespace VeltisTest {
namespace {

class OSXGUIUtilsTest : public NativeTest {};

std::string ClassName(const char* base)
{
    Veltis::Core::CCharString name;
    name.Attach(OSXGUIUtils::MakeClassName(base));
    return name.GetString();
}

// A module image of the probe, unloaded at the end unless the test did it.
class ProbeModule {
public:
    explicit ProbeModule(const char* path) : m_Handle(dlopen(path, RTLD_NOW | RTLD_LOCAL))
    {
        EXPECT_NE(m_Handle, nullptr) << dlerror();
    }
    ~ProbeModule() { Unload(); }
    template <class F>
    F* Function(const char* name)
    {
        return reinterpret_cast<F*>(dlsym(m_Handle, name));
    }
    void Unload()
    {
        if (m_Handle)
            dlclose(m_Handle);
        m_Handle = nullptr;
    }
    bool IsLoaded(const char* path) const
    {
        void* again = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
        if (again)
            dlclose(again);
        return again != nullptr;
    }

private:
    void* m_Handle;
};

TEST_F(OSXGUIUtilsTest, PrefixIsTheLoadAddressAndNamesAppendTheBaseName)
{
    const std::string prefix = OSXGUIUtils::GetModulePrefix().GetString();
    void* address = nullptr;
    ASSERT_EQ(std::sscanf(prefix.c_str(), "%p_", &address), 1);
    EXPECT_NE(address, nullptr);
    EXPECT_EQ(prefix.back(), '_');
    EXPECT_EQ(ClassName("CButton_NSButton"), prefix + "CButton_NSButton");
    EXPECT_EQ(&OSXGUIUtils::GetModulePrefix(), &OSXGUIUtils::GetModulePrefix());
}

TEST_F(OSXGUIUtilsTest, TwoModuleImagesMakeTheirOwnClassesAndUnloadingOneDisposesOfItsOwn)
{
    ProbeModule a(VELTIS_GUI_PROBE_A);
    ProbeModule b(VELTIS_GUI_PROBE_B);
    using Prefix = const char*();
    using MakeClass = Class();
    using GetClass = Class(const char*);
    const std::string prefixA = a.Function<Prefix>("GUIProbePrefix")();
    const std::string prefixB = b.Function<Prefix>("GUIProbePrefix")();
    EXPECT_NE(prefixA, prefixB);
    EXPECT_NE(prefixA, OSXGUIUtils::GetModulePrefix().GetString());

    Class classA = a.Function<MakeClass>("GUIProbeActionTargetClass")();
    ASSERT_NE(classA, nullptr);
    EXPECT_EQ(a.Function<MakeClass>("GUIProbeActionTargetClass")(), classA);
    EXPECT_EQ(class_getName(classA), prefixA + "COSXActionTarget");
    // B has not made its class yet: A's is not B's.
    EXPECT_EQ(b.Function<GetClass>("GUIProbeGetClass")("COSXActionTarget"), nullptr);
    Class classB = b.Function<MakeClass>("GUIProbeActionTargetClass")();
    EXPECT_NE(classB, classA);
    EXPECT_EQ(class_getName(classB), prefixB + "COSXActionTarget");

    a.Unload();
    ASSERT_FALSE(a.IsLoaded(VELTIS_GUI_PROBE_A));
    EXPECT_EQ(objc_getClass((prefixA + "COSXActionTarget").c_str()), nullptr);
    EXPECT_EQ(objc_getClass((prefixB + "COSXActionTarget").c_str()), classB);
}

TEST_F(OSXGUIUtilsTest, ActionTargetRunsItsCommandOnceAndIgnoresTheActionWithoutOne)
{
    CCountingCommand command;
    id target = OSXGUIUtils::CreateActionTarget(&command);
    id empty = OSXGUIUtils::CreateActionTarget(nullptr);
    EXPECT_EQ(target->retainCount(), 1u);
    EXPECT_EQ(object_getClass(target), object_getClass(empty));
    SEL onAction = sel_registerName("onAction:");
    Send<void(id)>(target, onAction, empty);
    Send<void(id)>(empty, onAction, target);
    EXPECT_EQ(command.GetCount(), 1);
    target->release();
    empty->release();
}

TEST_F(OSXGUIUtilsTest, CastSetClassAndTheNullCases)
{
    Class base = OSXGUIUtils::AllocateClass(ClassName("CastBase").c_str(), nullptr);
    ASSERT_NE(base, nullptr);
    EXPECT_TRUE(OSXGUIUtils::RegisterClass(base));
    Class derived = OSXGUIUtils::AllocateClass(ClassName("CastDerived").c_str(), OSXGUIUtils::GetClassName(base));
    EXPECT_TRUE(OSXGUIUtils::RegisterClass(derived));
    EXPECT_EQ(class_getSuperclass(derived), base);
    EXPECT_EQ(OSXGUIUtils::GetClass(ClassName("CastDerived").c_str()), derived);
    id object = class_createInstance(base, 0);

    struct CastCase {
        const char* what;
        id object;
        Class cls;
        id expected;
    };
    const CastCase casts[] = {
        {"own class", object, base, object},
        {"ancestor", object, NSObject::classObject(), object},
        {"subclass", object, derived, nullptr},
        {"null object", nullptr, base, nullptr},
        {"null class", object, nullptr, nullptr},
    };
    for (const CastCase& c : casts) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(OSXGUIUtils::CastTo(c.object, c.cls), c.expected);
    }
    EXPECT_EQ(OSXGUIUtils::SetClass(object, derived), base);
    EXPECT_EQ(OSXGUIUtils::CastTo(object, derived), object);
    EXPECT_EQ(OSXGUIUtils::SetClass(object, base), derived);
    EXPECT_EQ(OSXGUIUtils::SetClass(nullptr, base), nullptr);

    EXPECT_EQ(OSXGUIUtils::MakeClassName(nullptr), nullptr);
    EXPECT_EQ(OSXGUIUtils::AllocateClass(nullptr, nullptr), nullptr);
    EXPECT_EQ(OSXGUIUtils::GetClass(nullptr), nullptr);
    EXPECT_FALSE(OSXGUIUtils::RegisterClass(nullptr));
    {
        // A taken name: the platform refuses.
        RecordedReports reports;
        EXPECT_EQ(OSXGUIUtils::AllocateClass(ClassName("CastBase").c_str(), nullptr), nullptr);
    }
    object->release();
}

// Implementations of each adder's signature; each answers what shows it was reached with its arguments.
int g_reached = 0;
void VoidObject(id, SEL, id argument) { g_reached = argument ? 1 : -1; }
void Void(id, SEL) { g_reached = 2; }
void VoidChar(id, SEL, BOOL value) { g_reached = value == YES ? 3 : -3; }
void VoidBool(id, SEL, bool value) { g_reached = value ? 4 : -4; }
id ObjectPoint(id self, SEL, NSPoint point) { g_reached = point.x == 1.5 && point.y == 2.5 ? 5 : -5; return self; }
BOOL Char(id, SEL) { g_reached = 6; return YES; }
BOOL CharObject(id, SEL, id argument) { g_reached = argument ? 7 : -7; return YES; }
void VoidRect(id, SEL, NSRect rect) { g_reached = rect.size.height == 4.0 ? 8 : -8; }

TEST_F(OSXGUIUtilsTest, AddersDefineMethodsWithTheirFixedEncodings)
{
    Class cls = OSXGUIUtils::AllocateClass(ClassName("Adders").c_str(), nullptr);
    const char* names[] = {"voidObject:", "void", "voidChar:", "voidBool:", "objectPoint:", "char", "charObject:",
                           "voidRect:"};
    SEL sels[8];
    for (int i = 0; i < 8; ++i)
        sels[i] = sel_registerName(names[i]);
    EXPECT_TRUE(OSXGUIUtils::AddMethodVoidObject(cls, sels[0], &VoidObject));
    EXPECT_TRUE(OSXGUIUtils::AddMethodVoid(cls, sels[1], &Void));
    EXPECT_TRUE(OSXGUIUtils::AddMethodVoidChar(cls, sels[2], &VoidChar));
    EXPECT_TRUE(OSXGUIUtils::AddMethodVoidBool(cls, sels[3], &VoidBool));
    EXPECT_TRUE(OSXGUIUtils::AddMethodObjectPoint(cls, sels[4], &ObjectPoint));
    EXPECT_TRUE(OSXGUIUtils::AddMethodChar(cls, sels[5], &Char));
    EXPECT_TRUE(OSXGUIUtils::AddMethodCharObject(cls, sels[6], &CharObject));
    EXPECT_TRUE(OSXGUIUtils::AddMethodVoidRect(cls, sels[7], &VoidRect));
    // The listed dynamic selectors check the adder's encoding against their own.
    EXPECT_TRUE(OSXGUIUtils::AddMethodVoidRect(cls, sel_registerName("drawRect:"), &VoidRect));
    EXPECT_TRUE(OSXGUIUtils::AddMethodObjectPoint(cls, sel_registerName("hitTest:"), &ObjectPoint));
    EXPECT_TRUE(OSXGUIUtils::AddMethodVoidBool(cls, sel_registerName("setEnabled:"), &VoidBool));
    EXPECT_TRUE(OSXGUIUtils::AddMethodCharObject(cls, sel_registerName("acceptsFirstMouse:"), &CharObject));
    OSXGUIUtils::RegisterClass(cls);
    id object = class_createInstance(cls, 0);
    // Each send names the C++ signature; the toolkit reports a send whose signature differs from the
    // method's encoding, which fails the test.
    Send<void(id)>(object, sels[0], object);
    EXPECT_EQ(g_reached, 1);
    Send<void()>(object, sels[1]);
    EXPECT_EQ(g_reached, 2);
    Send<void(BOOL)>(object, sels[2], YES);
    EXPECT_EQ(g_reached, 3);
    Send<void(bool)>(object, sels[3], true);
    EXPECT_EQ(g_reached, 4);
    EXPECT_EQ(Send<id(NSPoint)>(object, sels[4], NSPoint{1.5, 2.5}), object);
    EXPECT_EQ(g_reached, 5);
    EXPECT_EQ(Send<BOOL()>(object, sels[5]), YES);
    EXPECT_EQ(g_reached, 6);
    EXPECT_EQ(Send<BOOL(id)>(object, sels[6], object), YES);
    EXPECT_EQ(g_reached, 7);
    Send<void(NSRect)>(object, sels[7], NSRect{{0, 0}, {3, 4}});
    EXPECT_EQ(g_reached, 8);
    object->release();
}

TEST_F(OSXGUIUtilsTest, ScopedPoolReleasesWhatWasAutoreleasedInIt)
{
    NSObject* kept = NSObject::alloc();
    {
        OSXGUIUtils::CAutoreleasePool pool;
        kept->retain()->autorelease();
        NSObject::alloc()->autorelease();
        EXPECT_EQ(Harness::LiveObjects("NSObject"), 3u);
    }
    EXPECT_EQ(Harness::LiveObjects("NSObject"), 1u);
    EXPECT_EQ(kept->retainCount(), 1u);
    EXPECT_EQ(NSThread::mainThread(), NSThread::currentThread());
    kept->release();
}

} // namespace
} // namespace VeltisTest

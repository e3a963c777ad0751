#pragma once

// Classes shared by the native toolkit's tests.

#include "Native/Runtime.h"
#include "Native/Selectors.h"

#include <atomic>
#include <string>

namespace VeltisTest {

// A class name no other test uses (classes outlive tests).
inline std::string UniqueClassName(const char* base)
{
    static std::atomic<int> counter{0};
    return std::string(base) + "_" + std::to_string(counter.fetch_add(1));
}

// A test-only built-in class whose own C++ code reads its dynamic isFlipped, like a view.
class TestFlippable : public Native::NSObject {
    NATIVE_BUILTIN(TestFlippable, Native::NSObject, "TestFlippable")
    TestFlippable() = default;
    bool ReadsFlipped() { return Native::Send(this, Native::Sel::isFlipped) == Native::YES; }
    // Built-in state that a class swap must keep.
    int m_State = 0;

protected:
    ~TestFlippable() override = default;
};

// Defines TestFlippable once per process; its built-in isFlipped answers NO.
inline Native::Class DefineTestFlippable()
{
    static const Native::Class cls = Native::DefineBuiltinClass<TestFlippable>(
        [](Native::ClassBuilder<TestFlippable>& builder) {
            builder.Method(Native::Sel::isFlipped, [](TestFlippable*) -> Native::BOOL { return Native::NO; });
        });
    return cls;
}

// A registered run-time subclass of NSObject (or of the given class) with a unique name.
inline Native::Class MakeRegisteredClass(const char* base, Native::Class superclass = nullptr)
{
    Native::Class cls = Native::objc_allocateClassPair(
        superclass ? superclass : Native::NSObject::classObject(), UniqueClassName(base).c_str(), 0);
    Native::objc_registerClassPair(cls);
    return cls;
}

} // namespace VeltisTest

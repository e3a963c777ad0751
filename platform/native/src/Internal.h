#pragma once

// The toolkit's own view of classes, selectors and objects; never included by its users.

#include "Native/Runtime.h"

#include <cmath>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace Native {

struct objc_selector {
    std::string name;
    // The encoding of a listed selector, else null.
    const char* listedEncoding;
};

struct objc_ivar {
    std::string name;
    std::string types;
    size_t slot;
};

struct MethodRecord {
    IMP imp;
    std::string types;
    // The signature string of the last send that matched, so equal sends skip the comparison.
    mutable std::atomic<const char*> matched{nullptr};
};

// Method tables and ivars are immutable once the class is registered, so dispatch reads them unlocked.
struct objc_class {
    std::string name;
    Class superclass = nullptr;
    // The nearest built-in ancestor (itself for a built-in class).
    Class builtin = nullptr;
    BuiltinFactory factory = nullptr;
    bool isBuiltin = false;
    bool registered = false;
    std::unordered_map<SEL, std::unique_ptr<MethodRecord>> methods;
    std::vector<std::unique_ptr<objc_ivar>> ivars;
    // Slots of the class and its ancestors.
    size_t slotCount = 0;
    // Objects whose class is exactly this one.
    std::atomic<long> instances{0};
    // Guarded by the registry lock.
    long subclasses = 0;
};

// The parts of NSObject that only the toolkit touches.
struct RuntimeAccess {
    static Class ClassOf(const NSObject* object);
    static void Adopt(NSObject* object, Class cls);
    static void MakeImmortal(NSObject* object);
    static bool IsImmortal(const NSObject* object) { return object->m_Immortal; }
    // Real counts, never freed, never counted as alive by the harness; an over-release is reported.
    static void MakePersistent(NSObject* object);
    static void MarkObserved(NSObject* object) { object->m_Observed.store(true, std::memory_order_release); }
    static bool IsObserved(const NSObject* object) { return object->m_Observed.load(std::memory_order_acquire); }
    static uint64_t Generation(const NSObject* object) { return object->m_Generation; }
    static void Destroy(NSObject* object) { delete object; }
    static void** Slot(NSObject* object, size_t index) { return &object->m_Slots[index]; }
    static void GrowSlots(NSObject* object, size_t count);
};

inline bool IsFiniteRect(const CGRect& rect)
{
    return std::isfinite(rect.origin.x) && std::isfinite(rect.origin.y) && std::isfinite(rect.size.width) &&
           std::isfinite(rect.size.height);
}

// Reports through the harness, printf-style.
void ReportF(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Make the built-in classes; run once, before the first class lookup. The first answers NSObject.
Class DefineFoundationClasses();
void DefineGraphicsClasses(Class root);
void DefineTextClasses(Class root);
void DefineImageSourceClasses(Class root);
void DefineRunLoopClasses(Class root);
// The first answers NSResponder.
Class DefineViewClasses(Class root);
void DefineWindowClasses(Class root, Class responder);
// Makes the view the content view of window (nil: of none), telling its subtree when its window changes.
void SetContentViewWindow(NSView* view, NSWindow* window);
// Windows, for the harness: Reset closes every open window and restores the default screen; the problem
// text names the windows still alive ("" when none is).
void ResetWindows();
std::string WindowProblems();
template <class T>
NSObject* MakeBuiltin()
{
    return new T();
}
// A string that lives for the process, for the toolkit's named constants.
CFStringRef MakeConstant(const char* text);
// DefineBuiltinClass without the one-time set-up (for the set-up itself).
Class DefineBuiltinClassUnchecked(const char* name, Class superclass, BuiltinFactory factory,
                                  const std::function<void(Class)>& define);

// The encoding of the method sel reaches on cls, or null.
const char* MethodEncoding(Class cls, SEL sel);

// The root dealloc of an object the notification center has seen: its entries go.
void ForgetObserved(const NSObject* object);
// The calling thread ends: its run loop drops the performs queued for it.
void RunLoopThreadEnded(NSThread* thread);
// Run loops, for the harness: Reset removes every timer and perform and restarts the virtual clock;
// the problem text names what is still installed or queued ("" when nothing is).
void ResetRunLoops();
std::string RunLoopProblems();

// Objects alive, for the harness.
void ForEachLiveObject(const std::function<void(const NSObject*)>& visit);
uint64_t CurrentGeneration();
void NextGeneration();

// Pools, for the harness.
void DrainFallbackPools();

} // namespace Native

#pragma once

// The object model: reference-counted objects whose class can be a run-time class, one process-wide
// class registry, and dynamic dispatch (Send) through selector-keyed method tables.

#include "Native/Types.h"

#include <atomic>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

namespace Native {

// Declares a built-in class: its registered name, its built-in superclass, and the class-side
// messages that every class answers. T is default-constructible: its factory is new T().
#define NATIVE_BUILTIN(T, SuperT, Name)                                                              \
public:                                                                                              \
    using Super = SuperT;                                                                            \
    static constexpr const char* kClassName = Name;                                                  \
    static ::Native::Class classObject() { return ::Native::BuiltinClassNamed<T>(kClassName); }      \
    static T* alloc() { return static_cast<T*>(::Native::class_createInstance(classObject(), 0)); } \
    static ::Native::BOOL instancesRespondToSelector(::Native::SEL sel)                              \
    {                                                                                                \
        return ::Native::class_respondsToSelector(classObject(), sel);                               \
    }                                                                                                \
                                                                                                     \
protected:                                                                                           \
    ::Native::Class BuiltinClass() const override { return classObject(); }                          \
                                                                                                     \
public:

// Run-time library calls, under the platform's names.
NATIVE_EXPORT Class objc_getClass(const char* name);
// Null when the name is taken (built-in names included) or the superclass is null or unregistered.
NATIVE_EXPORT Class objc_allocateClassPair(Class superclass, const char* name, size_t extraBytes);
NATIVE_EXPORT void objc_registerClassPair(Class cls);
// Refused and reported while the class has instances or subclasses, and for built-in classes.
NATIVE_EXPORT void objc_disposeClassPair(Class cls);
NATIVE_EXPORT const char* class_getName(Class cls);
NATIVE_EXPORT Class class_getSuperclass(Class cls);
// Before registration only; NO for a selector the class already has, and (reported) for a listed
// selector whose encoding differs from its list entry. imp must be exactly R (*)(id, SEL, A...) for the
// encoding given: sends call it through that type (the typed overload below derives the encoding).
NATIVE_EXPORT BOOL class_addMethod(Class cls, SEL sel, IMP imp, const char* types);
// Before registration only; size at most 8, alignment (log2) at most 3, a name new to the class and
// its ancestors. The encoding is kept, not checked.
NATIVE_EXPORT BOOL class_addIvar(Class cls, const char* name, size_t size, uint8_t alignment, const char* types);
NATIVE_EXPORT Ivar class_getInstanceVariable(Class cls, const char* name);
NATIVE_EXPORT BOOL class_respondsToSelector(Class cls, SEL sel);
// The C++ object of the nearest built-in ancestor, not initialised, with isa = cls, zeroed ivars and
// a count of 1; nil for an unregistered class.
NATIVE_EXPORT id class_createInstance(Class cls, size_t extraBytes);
NATIVE_EXPORT Class object_getClass(const NSObject* object);
// Only between classes with the same nearest built-in ancestor; answers the previous class.
NATIVE_EXPORT Class object_setClass(id object, Class cls);
NATIVE_EXPORT Ivar object_setInstanceVariable(id object, const char* name, void* value);
NATIVE_EXPORT Ivar object_getInstanceVariable(id object, const char* name, void** outValue);
NATIVE_EXPORT const char* ivar_getName(Ivar ivar);
NATIVE_EXPORT const char* ivar_getTypeEncoding(Ivar ivar);
NATIVE_EXPORT SEL sel_registerName(const char* name);
NATIVE_EXPORT SEL sel_getUid(const char* name);
NATIVE_EXPORT const char* sel_getName(SEL sel);

// The class registered for a built-in C++ class, cached once found.
template <class T>
Class BuiltinClassNamed(const char* name)
{
    static std::atomic<Class> cached{nullptr};
    Class cls = cached.load(std::memory_order_acquire);
    if (!cls) {
        cls = objc_getClass(name);
        cached.store(cls, std::memory_order_release);
    }
    return cls;
}

// The root class. Objects live on the heap only and go through release; the root dealloc deletes them.
class NATIVE_EXPORT NSObject {
public:
    static constexpr const char* kClassName = "NSObject";
    static Class classObject() { return BuiltinClassNamed<NSObject>(kClassName); }
    static NSObject* alloc() { return class_createInstance(classObject(), 0); }
    static BOOL instancesRespondToSelector(SEL sel) { return class_respondsToSelector(classObject(), sel); }

    NSObject();
    NSObject(const NSObject&) = delete;
    NSObject& operator=(const NSObject&) = delete;

    NSObject* init() { return this; }
    id retain();
    // To 0: sends dealloc once. Retain and release during dealloc do nothing.
    void release();
    // Adds the object to the innermost pool of this thread (reported when there is none).
    id autorelease();
    NSUInteger retainCount() const;
    Class class_() const;
    Class superclass() const;
    BOOL isKindOfClass(Class cls) const;
    BOOL respondsToSelector(SEL sel) const;
    // Identity unless a class compares by value.
    virtual BOOL isEqual(const NSObject* other) const;
    virtual NSUInteger hash() const;
    // Sends sel ("v@:", or "v@:@" with object) on thread's run loop, in its common modes; receiver and
    // object stay retained until performed. wait on the thread itself runs it inline; from another
    // thread it blocks until the loop has run it. An ended thread is reported and nothing is sent.
    void performSelector(SEL sel, NSThread* thread, id object, BOOL wait);

protected:
    virtual ~NSObject();
    // The class of the C++ object, when no run-time class was given.
    virtual Class BuiltinClass() const;

private:
    friend struct RuntimeAccess;

    mutable std::atomic<Class> m_Isa{nullptr};
    std::atomic<long> m_Count{1};
    std::atomic<bool> m_Deallocating{false};
    bool m_Immortal = false;
    bool m_Persistent = false;
    // Set once the notification center holds an entry naming this object.
    std::atomic<bool> m_Observed{false};
    void** m_Slots = nullptr;
    size_t m_SlotCount = 0;
    uint64_t m_Generation = 0;
};

// Holds one reference for a scope.
class ScopedRetain {
public:
    explicit ScopedRetain(NSObject* object) : m_Object(object)
    {
        if (m_Object)
            m_Object->retain();
    }
    ~ScopedRetain()
    {
        if (m_Object)
            m_Object->release();
    }
    ScopedRetain(const ScopedRetain&) = delete;
    ScopedRetain& operator=(const ScopedRetain&) = delete;

private:
    NSObject* m_Object;
};

// Type encodings derived from C++ signatures. Objects are exactly id, pointers exactly void*, so that
// a method is always called through the function type it was defined with.
template <class T>
struct TypeEncoding {
    static_assert(!std::is_same<T, T>::value, "no type encoding for this type");
};
#define NATIVE_TYPE_ENCODING(T, Code)               \
    template <>                                      \
    struct TypeEncoding<T> {                         \
        static constexpr const char* value = Code;   \
    };
NATIVE_TYPE_ENCODING(void, "v")
NATIVE_TYPE_ENCODING(id, "@")
NATIVE_TYPE_ENCODING(SEL, ":")
NATIVE_TYPE_ENCODING(BOOL, "c")
NATIVE_TYPE_ENCODING(bool, "B")
NATIVE_TYPE_ENCODING(NSInteger, "q")
NATIVE_TYPE_ENCODING(int, "i")
NATIVE_TYPE_ENCODING(double, "d")
NATIVE_TYPE_ENCODING(float, "f")
NATIVE_TYPE_ENCODING(void*, "^v")
NATIVE_TYPE_ENCODING(CGPoint, "{CGPoint=dd}")
NATIVE_TYPE_ENCODING(CGSize, "{CGSize=dd}")
NATIVE_TYPE_ENCODING(CGRect, "{CGRect={CGPoint=dd}{CGSize=dd}}")
#undef NATIVE_TYPE_ENCODING

template <class F>
struct MessageEncoding;
template <class R, class... A>
struct MessageEncoding<R(A...)> {
    // One string per signature, never destroyed: its address identifies the signature.
    static const char* Get()
    {
        static const std::string* const text =
            new std::string(std::string(TypeEncoding<R>::value) + "@:" + (std::string() + ... + TypeEncoding<A>::value));
        return text->c_str();
    }
};

// The encoding of a message R(A...): result, receiver, selector, arguments ("v@:@" for void(id)).
template <class F>
const char* Encoding()
{
    return MessageEncoding<F>::Get();
}

// A selector with the signature of its messages; usable as a constant of any lifetime.
template <class F>
class TSel {
public:
    constexpr explicit TSel(const char* name) : m_Name(name) {}
    SEL Get() const
    {
        SEL sel = m_Sel.load(std::memory_order_acquire);
        if (!sel) {
            sel = sel_registerName(m_Name);
            m_Sel.store(sel, std::memory_order_release);
        }
        return sel;
    }
    operator SEL() const { return Get(); }
    const char* Name() const { return m_Name; }

private:
    const char* m_Name;
    mutable std::atomic<SEL> m_Sel{nullptr};
};

struct objc_super {
    id receiver;
    // Lookup starts at this class.
    Class super_class;
};

// The implementation a message reaches, or null after reporting an unknown selector or a signature
// that differs from the method's encoding. start null: the receiver's class.
NATIVE_EXPORT IMP ResolveMessage(const NSObject* receiver, Class start, SEL sel, const char* encoding);

template <class F>
struct Message;
template <class R, class... A>
struct Message<R(A...)> {
    using Result = R;
    static R Send(id receiver, Class start, SEL sel, A... args)
    {
        IMP imp = receiver ? ResolveMessage(receiver, start, sel, Encoding<R(A...)>()) : nullptr;
        if (!imp) {
            if constexpr (std::is_void<R>::value)
                return;
            else
                return R{};
        }
        return reinterpret_cast<R (*)(id, SEL, A...)>(imp)(receiver, sel, args...);
    }
};

// Sends a message; nil and unknown selectors answer zero. Nothing touches the receiver after the
// method returns, so a method may release its own object.
template <class F, class... Args>
typename Message<F>::Result Send(id receiver, SEL sel, Args&&... args)
{
    return Message<F>::Send(receiver, nullptr, sel, std::forward<Args>(args)...);
}
template <class F, class... Args>
typename Message<F>::Result Send(id receiver, const TSel<F>& sel, Args&&... args)
{
    return Message<F>::Send(receiver, nullptr, sel.Get(), std::forward<Args>(args)...);
}
template <class F, class... Args>
typename Message<F>::Result SendSuper(const objc_super& super, SEL sel, Args&&... args)
{
    if (!super.super_class)
        return Message<F>::Send(nullptr, nullptr, sel, std::forward<Args>(args)...);
    return Message<F>::Send(super.receiver, super.super_class, sel, std::forward<Args>(args)...);
}
template <class F, class... Args>
typename Message<F>::Result SendSuper(const objc_super& super, const TSel<F>& sel, Args&&... args)
{
    return SendSuper<F>(super, sel.Get(), std::forward<Args>(args)...);
}

// class_addMethod with the encoding derived from the implementation's own type.
template <class R, class... A>
BOOL class_addMethod(Class cls, SEL sel, R (*imp)(id, SEL, A...))
{
    return class_addMethod(cls, sel, reinterpret_cast<IMP>(imp), Encoding<R(A...)>());
}

// Adds the dynamic behaviour of a built-in class T from C++ lambdas taking (T* self, arguments...).
template <class T>
class ClassBuilder {
public:
    explicit ClassBuilder(Class cls) : m_Class(cls) {}
    Class GetClass() const { return m_Class; }

    template <class R, class... A, class L>
    BOOL Method(const TSel<R(A...)>& sel, L lambda)
    {
        static_assert(std::is_empty<L>::value, "methods are captureless lambdas");
        Thunk<L, R, A...>::function = static_cast<R (*)(T*, A...)>(lambda);
        return class_addMethod(m_Class, sel.Get(), &Thunk<L, R, A...>::Call);
    }

private:
    template <class L, class R, class... A>
    struct Thunk {
        static inline R (*function)(T*, A...) = nullptr;
        static R Call(id self, SEL, A... args) { return function(static_cast<T*>(self), args...); }
    };

    Class m_Class;
};

using BuiltinFactory = NSObject* (*)();

// Enters a built-in class: its factory makes the C++ object for it and its run-time subclasses;
// define adds its dynamic methods before registration. Null (reported) when the name is taken.
NATIVE_EXPORT Class DefineBuiltinClass(const char* name, Class superclass, BuiltinFactory factory,
                                       const std::function<void(Class)>& define);

template <class T>
Class DefineBuiltinClass(void (*define)(ClassBuilder<T>&) = nullptr)
{
    return DefineBuiltinClass(
        T::kClassName, T::Super::classObject(), []() -> NSObject* { return new T(); },
        [define](Class cls) {
            if (define) {
                ClassBuilder<T> builder(cls);
                define(builder);
            }
        });
}

} // namespace Native

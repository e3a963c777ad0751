#pragma once

// The Foundation classes the GUI code uses: pools, strings, numbers, arrays, dictionaries, URLs and
// threads.

#include "Native/Runtime.h"

#include <string>
#include <vector>

namespace Native {

// Per-thread stack of pools: objects are released once per autorelease, last in first out, when their
// pool goes; a pool that is not the innermost drains the inner ones first.
class NATIVE_EXPORT NSAutoreleasePool : public NSObject {
    NATIVE_BUILTIN(NSAutoreleasePool, NSObject, "NSAutoreleasePool")
    NSAutoreleasePool() = default;
    // Makes the pool the innermost of the calling thread.
    NSAutoreleasePool* init();
    // Releases what the pool holds, then the pool itself, as release does.
    void drain();

protected:
    ~NSAutoreleasePool() override;

private:
    friend struct PoolAccess;
    std::vector<NSObject*> m_Objects;
    void* m_Owner = nullptr;
};

// Text in UTF-8; lengths and characters in UTF-16 units.
class NATIVE_EXPORT NSString : public NSObject {
    NATIVE_BUILTIN(NSString, NSObject, "NSString")
    NSString() = default;
    // Null or invalid UTF-8: the string releases itself and the answer is nil.
    NSString* initWithUTF8String(const char* text);
    // Autoreleased; nil for null or invalid UTF-8.
    static NSString* stringWithUTF8String(const char* text);
    const char* UTF8String() const { return m_Text.c_str(); }
    NSUInteger length() const { return m_Utf16.size(); }
    // Out of range: reported, 0.
    unichar characterAtIndex(NSUInteger index) const;
    BOOL isEqualToString(const NSString* other) const;
    BOOL isEqual(const NSObject* other) const override;
    NSUInteger hash() const override;

    // The bytes, whether they are valid UTF-8.
    static bool IsValidUTF8(const char* text, size_t size);
    const std::string& Text() const { return m_Text; }

protected:
    ~NSString() override = default;

private:
    bool Assign(const char* text, size_t size);
    std::string m_Text;
    std::u16string m_Utf16;
};

// A number kept as an integer or as a floating-point value; equal numbers compare by value.
class NATIVE_EXPORT NSNumber : public NSObject {
    NATIVE_BUILTIN(NSNumber, NSObject, "NSNumber")
    NSNumber() = default;
    static NSNumber* numberWithInt(int value);
    static NSNumber* numberWithLong(long value);
    static NSNumber* numberWithDouble(double value);
    static NSNumber* numberWithBool(BOOL value);
    int intValue() const;
    long longValue() const;
    double doubleValue() const;
    BOOL boolValue() const;
    BOOL isEqual(const NSObject* other) const override;
    NSUInteger hash() const override;

    // New, count 1.
    static NSNumber* MakeInteger(long value);
    static NSNumber* MakeFloat(double value);
    bool IsFloat() const { return m_IsFloat; }

protected:
    ~NSNumber() override = default;

private:
    bool m_IsFloat = false;
    long m_Integer = 0;
    double m_Float = 0.0;
};

// Holds one reference to each element.
class NATIVE_EXPORT NSArray : public NSObject {
    NATIVE_BUILTIN(NSArray, NSObject, "NSArray")
    NSArray() = default;
    NSUInteger count() const { return m_Items.size(); }
    // Out of range: reported, nil.
    id objectAtIndex(NSUInteger index) const;

protected:
    ~NSArray() override;
    std::vector<NSObject*> m_Items;
};

class NATIVE_EXPORT NSMutableArray : public NSArray {
    NATIVE_BUILTIN(NSMutableArray, NSArray, "NSMutableArray")
    NSMutableArray() = default;
    NSMutableArray* initWithCapacity(NSUInteger capacity);
    // Autoreleased.
    static NSMutableArray* array();
    static NSMutableArray* arrayWithCapacity(NSUInteger capacity);
    // Retains; nil is reported and ignored.
    void addObject(id object);
    void removeObjectAtIndex(NSUInteger index);
    void removeAllObjects();

protected:
    ~NSMutableArray() override = default;
};

// Keys and values retained; keys compared with CFEqual.
class NATIVE_EXPORT NSDictionary : public NSObject {
    NATIVE_BUILTIN(NSDictionary, NSObject, "NSDictionary")
    NSDictionary() = default;
    NSUInteger count() const { return m_Entries.size(); }
    id objectForKey(const NSObject* key) const;
    // Replaces the value of an equal key.
    void SetValue(const NSObject* key, const NSObject* value);

protected:
    ~NSDictionary() override;

private:
    std::vector<std::pair<NSObject*, NSObject*>> m_Entries;
};

// One run: a string with one attribute dictionary.
class NATIVE_EXPORT NSAttributedString : public NSObject {
    NATIVE_BUILTIN(NSAttributedString, NSObject, "NSAttributedString")
    NSAttributedString() = default;
    // Retains both; attributes may be nil.
    NSAttributedString* initWithString(NSString* text, NSDictionary* attributes);
    NSString* string() const { return m_String; }
    NSDictionary* attributes() const { return m_Attributes; }

protected:
    ~NSAttributedString() override;

private:
    NSString* m_String = nullptr;
    NSDictionary* m_Attributes = nullptr;
};

// A file URL.
class NATIVE_EXPORT NSURL : public NSObject {
    NATIVE_BUILTIN(NSURL, NSObject, "NSURL")
    NSURL() = default;
    NSURL* initFileURLWithPath(const char* path, BOOL isDirectory);
    const char* path() const { return m_Path.c_str(); }
    BOOL isDirectory() const { return m_IsDirectory; }

protected:
    ~NSURL() override = default;

private:
    std::string m_Path;
    BOOL m_IsDirectory = NO;
};

// One immortal object per thread.
class NATIVE_EXPORT NSThread : public NSObject {
    NATIVE_BUILTIN(NSThread, NSObject, "NSThread")
    NSThread() = default;
    static NSThread* currentThread();
    // The thread of the first NSApplicationLoad; nil before it.
    static NSThread* mainThread();
    static BOOL isMainThread();
    // False once the thread has ended.
    bool IsRunning() const { return m_Running.load(std::memory_order_acquire); }

protected:
    ~NSThread() override = default;

private:
    friend struct ThreadAccess;
    std::atomic<bool> m_Running{true};
};

// One per thread, made on demand, persistent. An iteration runs the due timers of its mode by fire date
// (ties in order of addition), then the performs queued before it began (first in first out), then the
// toolkit's other sources, then drains its own autorelease pool. Modes: default and modal; common is both.
class NATIVE_EXPORT NSRunLoop : public NSObject {
    NATIVE_BUILTIN(NSRunLoop, NSObject, "NSRunLoop")
    NSRunLoop();
    static NSRunLoop* currentRunLoop();
    // The GUI thread's (see NSApplicationLoad); nil before it.
    static NSRunLoop* mainRunLoop();
    CFRunLoopRef getCFRunLoop() { return this; }

    // The toolkit's own state of the loop.
    struct State;
    State& GetState() const { return *m_State; }

protected:
    ~NSRunLoop() override;

private:
    State* m_State;
};

// A posted notification: its name (retained) and object (not retained).
class NATIVE_EXPORT NSNotification : public NSObject {
    NATIVE_BUILTIN(NSNotification, NSObject, "NSNotification")
    NSNotification() = default;
    NSString* name() const { return m_Name; }
    id object() const { return m_Object; }

    // New, count 1.
    static NSNotification* Make(NSString* name, id object);

protected:
    ~NSNotification() override;

private:
    NSString* m_Name = nullptr;
    id m_Object = nullptr;
};

// Observers get void(id) with the notification, in order of registration, on the posting thread, with no
// lock held. A nil name or object matches every one. Nothing is retained: an entry goes when its observer
// or object is deallocated. One added during a post is not called by it; one removed is not called after.
class NATIVE_EXPORT NSNotificationCenter : public NSObject {
    NATIVE_BUILTIN(NSNotificationCenter, NSObject, "NSNotificationCenter")
    NSNotificationCenter();
    // Persistent.
    static NSNotificationCenter* defaultCenter();
    void addObserver(id observer, SEL sel, NSString* name, id object);
    // Entries of observer whose name and object match; nil matches every one.
    void removeObserver(id observer, NSString* name, id object);
    void removeObserver(id observer);
    void postNotificationName(NSString* name, id object);

    struct State;

protected:
    ~NSNotificationCenter() override;

private:
    friend void ForgetObserved(const NSObject* object);
    State* m_State;
};

// Idempotent; the first caller's thread becomes the GUI thread.
NATIVE_EXPORT BOOL NSApplicationLoad();

} // namespace Native

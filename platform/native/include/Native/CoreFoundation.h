#pragma once

// The CoreFoundation calls the GUI code uses; every CF object is one of the Foundation objects.

#include "Native/Foundation.h"

namespace Native {

constexpr CFStringEncoding kCFStringEncodingASCII = 0x0600;
constexpr CFStringEncoding kCFStringEncodingUTF8 = 0x08000100;

constexpr CFNumberType kCFNumberSInt32Type = 3;
constexpr CFNumberType kCFNumberSInt64Type = 4;
constexpr CFNumberType kCFNumberFloat32Type = 5;
constexpr CFNumberType kCFNumberFloat64Type = 6;
constexpr CFNumberType kCFNumberIntType = 9;
constexpr CFNumberType kCFNumberLongType = 10;
constexpr CFNumberType kCFNumberFloatType = 12;
constexpr CFNumberType kCFNumberDoubleType = 13;
constexpr CFNumberType kCFNumberCFIndexType = 14;

constexpr CFURLPathStyle kCFURLPOSIXPathStyle = 0;

// Ignored: every object comes from the one heap.
constexpr CFAllocatorRef kCFAllocatorDefault = nullptr;

// Dictionaries always retain and compare with CFEqual; the callback records only name that.
struct CFDictionaryKeyCallBacks {
    int version;
};
struct CFDictionaryValueCallBacks {
    int version;
};
NATIVE_EXPORT extern const CFDictionaryKeyCallBacks kCFTypeDictionaryKeyCallBacks;
NATIVE_EXPORT extern const CFDictionaryValueCallBacks kCFTypeDictionaryValueCallBacks;

// Immortal.
NATIVE_EXPORT extern const CFBooleanRef kCFBooleanTrue;
NATIVE_EXPORT extern const CFBooleanRef kCFBooleanFalse;

NATIVE_EXPORT CFTypeRef CFRetain(CFTypeRef object);
// NULL is reported.
NATIVE_EXPORT void CFRelease(CFTypeRef object);
NATIVE_EXPORT CFIndex CFGetRetainCount(CFTypeRef object);
// Strings by content, numbers by value, other objects by identity.
NATIVE_EXPORT Boolean CFEqual(CFTypeRef a, CFTypeRef b);

// Null when the text is null or not in the encoding (UTF-8 or ASCII).
NATIVE_EXPORT CFStringRef CFStringCreateWithCString(CFAllocatorRef allocator, const char* text,
                                                    CFStringEncoding encoding);
// In UTF-16 units.
NATIVE_EXPORT CFIndex CFStringGetLength(CFStringRef string);
// The text itself, only when it needs no conversion to the encoding; else NULL.
NATIVE_EXPORT const char* CFStringGetCStringPtr(CFStringRef string, CFStringEncoding encoding);
// False when the buffer cannot hold the text and its terminator, or the text is not representable.
NATIVE_EXPORT Boolean CFStringGetCString(CFStringRef string, char* buffer, CFIndex bufferSize,
                                         CFStringEncoding encoding);

NATIVE_EXPORT CFNumberRef CFNumberCreate(CFAllocatorRef allocator, CFNumberType type, const void* value);
// False when the type is unknown or the value does not fit exactly.
NATIVE_EXPORT Boolean CFNumberGetValue(CFNumberRef number, CFNumberType type, void* value);
NATIVE_EXPORT Boolean CFBooleanGetValue(CFBooleanRef boolean);

NATIVE_EXPORT CFDictionaryRef CFDictionaryCreate(CFAllocatorRef allocator, const CFTypeRef* keys,
                                                 const CFTypeRef* values, CFIndex count,
                                                 const CFDictionaryKeyCallBacks* keyCallBacks,
                                                 const CFDictionaryValueCallBacks* valueCallBacks);
NATIVE_EXPORT CFTypeRef CFDictionaryGetValue(CFDictionaryRef dictionary, CFTypeRef key);
NATIVE_EXPORT CFIndex CFDictionaryGetCount(CFDictionaryRef dictionary);

// One run over the whole string.
NATIVE_EXPORT CFAttributedStringRef CFAttributedStringCreate(CFAllocatorRef allocator, CFStringRef string,
                                                             CFDictionaryRef attributes);
NATIVE_EXPORT CFStringRef CFAttributedStringGetString(CFAttributedStringRef string);
NATIVE_EXPORT CFIndex CFAttributedStringGetLength(CFAttributedStringRef string);
NATIVE_EXPORT CFDictionaryRef CFAttributedStringGetAttributes(CFAttributedStringRef string, CFIndex location,
                                                              CFRange* effectiveRange);

// A relative path is taken against the current folder.
NATIVE_EXPORT CFURLRef CFURLCreateWithFileSystemPath(CFAllocatorRef allocator, CFStringRef path,
                                                     CFURLPathStyle style, Boolean isDirectory);
// False when the buffer cannot hold the path and its terminator.
NATIVE_EXPORT Boolean CFURLGetFileSystemRepresentation(CFURLRef url, Boolean resolveAgainstBase, UInt8* buffer,
                                                       CFIndex maxBufferLength);

// Time: seconds since 1 January 2001. On the harness's virtual clock it moves only while a loop runs
// for a time, and every thread reads the same value.
NATIVE_EXPORT CFAbsoluteTime CFAbsoluteTimeGetCurrent();

// Run loops and their modes. Common modes are the default and the modal one.
NATIVE_EXPORT extern const CFStringRef kCFRunLoopDefaultMode;
NATIVE_EXPORT extern const CFStringRef kCFRunLoopCommonModes;
NATIVE_EXPORT extern NSString* const NSModalPanelRunLoopMode;

using CFRunLoopRunResult = int32_t;
constexpr CFRunLoopRunResult kCFRunLoopRunFinished = 1;
constexpr CFRunLoopRunResult kCFRunLoopRunStopped = 2;
constexpr CFRunLoopRunResult kCFRunLoopRunTimedOut = 3;
constexpr CFRunLoopRunResult kCFRunLoopRunHandledSource = 4;

NATIVE_EXPORT CFRunLoopRef CFRunLoopGetCurrent();
// The GUI thread's; NULL before NSApplicationLoad.
NATIVE_EXPORT CFRunLoopRef CFRunLoopGetMain();
// Runs the calling thread's loop in one mode for seconds (0: until nothing is due now). With
// returnAfterSourceHandled it returns after the first iteration that ran a perform or another source.
NATIVE_EXPORT CFRunLoopRunResult CFRunLoopRunInMode(CFStringRef mode, CFTimeInterval seconds,
                                                    Boolean returnAfterSourceHandled);
// Ends a wait of the loop for work, so that it looks again.
NATIVE_EXPORT void CFRunLoopWakeUp(CFRunLoopRef loop);

struct CFRunLoopTimerContext {
    CFIndex version;
    void* info;
    const void* (*retain)(const void* info);
    void (*release)(const void* info);
    CFStringRef (*copyDescription)(const void* info);
};
using CFRunLoopTimerCallBack = void (*)(CFRunLoopTimerRef timer, void* info);

// A run-loop timer.
class NATIVE_EXPORT CFRunLoopTimer : public NSObject {
    NATIVE_BUILTIN(CFRunLoopTimer, NSObject, "CFRunLoopTimer")
    CFRunLoopTimer();

    // The toolkit's own state of the timer.
    struct State;
    State& GetState() const { return *m_State; }

protected:
    ~CFRunLoopTimer() override;

private:
    State* m_State;
};

// Count 1. The interval repeats it; 0 or less fires once. A NaN date or interval is reported and the
// timer never fires. The context's retain is called on info here and its release when the timer goes.
NATIVE_EXPORT CFRunLoopTimerRef CFRunLoopTimerCreate(CFAllocatorRef allocator, CFAbsoluteTime fireDate,
                                                     CFTimeInterval interval, CFOptionFlags flags, CFIndex order,
                                                     CFRunLoopTimerCallBack callout,
                                                     CFRunLoopTimerContext* context);
NATIVE_EXPORT CFAbsoluteTime CFRunLoopTimerGetNextFireDate(CFRunLoopTimerRef timer);
NATIVE_EXPORT CFTimeInterval CFRunLoopTimerGetInterval(CFRunLoopTimerRef timer);
// The first add to a loop retains the timer; more modes of the same loop add nothing. A timer belongs
// to one loop.
NATIVE_EXPORT void CFRunLoopAddTimer(CFRunLoopRef loop, CFRunLoopTimerRef timer, CFStringRef mode);
// Releases the timer once it is in none of the loop's modes; removed inside its own callout it never
// fires again and goes after the callout.
NATIVE_EXPORT void CFRunLoopRemoveTimer(CFRunLoopRef loop, CFRunLoopTimerRef timer, CFStringRef mode);
NATIVE_EXPORT Boolean CFRunLoopContainsTimer(CFRunLoopRef loop, CFRunLoopTimerRef timer, CFStringRef mode);

} // namespace Native

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

} // namespace Native

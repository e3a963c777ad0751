#include "Internal.h"

#include "Native/CoreFoundation.h"

#include <cmath>
#include <cstring>
#include <unistd.h>

namespace Native {

namespace {

NSObject* Mutable(CFTypeRef object)
{
    return const_cast<NSObject*>(object);
}

NSNumber* MakeBoolean(bool value)
{
    NSNumber* number = NSNumber::MakeInteger(value ? 1 : 0);
    RuntimeAccess::MakeImmortal(number);
    return number;
}

bool IsASCII(const std::string& text)
{
    for (unsigned char c : text)
        if (c >= 0x80)
            return false;
    return true;
}

// The string, or null after reporting a null argument of the named call.
const NSString* Checked(CFStringRef string, const char* call)
{
    if (!string)
        ReportF("%s(NULL)", call);
    return string;
}

} // namespace

const CFDictionaryKeyCallBacks kCFTypeDictionaryKeyCallBacks = {0};
const CFDictionaryValueCallBacks kCFTypeDictionaryValueCallBacks = {0};
const CFBooleanRef kCFBooleanTrue = MakeBoolean(true);
const CFBooleanRef kCFBooleanFalse = MakeBoolean(false);

NSNumber* NSNumber::numberWithBool(BOOL value)
{
    return const_cast<NSNumber*>(value ? kCFBooleanTrue : kCFBooleanFalse);
}

CFTypeRef CFRetain(CFTypeRef object)
{
    if (!object) {
        ReportF("CFRetain(NULL)");
        return nullptr;
    }
    return Mutable(object)->retain();
}

void CFRelease(CFTypeRef object)
{
    if (!object) {
        ReportF("CFRelease(NULL)");
        return;
    }
    Mutable(object)->release();
}

CFIndex CFGetRetainCount(CFTypeRef object)
{
    if (!object) {
        ReportF("CFGetRetainCount(NULL)");
        return 0;
    }
    return static_cast<CFIndex>(object->retainCount());
}

Boolean CFEqual(CFTypeRef a, CFTypeRef b)
{
    if (!a || !b) {
        ReportF("CFEqual with NULL");
        return false;
    }
    return a == b || a->isEqual(b);
}

// Strings

CFStringRef CFStringCreateWithCString(CFAllocatorRef, const char* text, CFStringEncoding encoding)
{
    if (!text) {
        ReportF("CFStringCreateWithCString(NULL)");
        return nullptr;
    }
    if (encoding != kCFStringEncodingUTF8 && encoding != kCFStringEncodingASCII) {
        ReportF("CFStringCreateWithCString: encoding 0x%x is not supported", encoding);
        return nullptr;
    }
    NSString* string = NSString::alloc()->initWithUTF8String(text);
    if (string && encoding == kCFStringEncodingASCII && !IsASCII(string->Text())) {
        string->release();
        return nullptr;
    }
    return string;
}

CFIndex CFStringGetLength(CFStringRef string)
{
    return Checked(string, "CFStringGetLength") ? static_cast<CFIndex>(string->length()) : 0;
}

const char* CFStringGetCStringPtr(CFStringRef string, CFStringEncoding encoding)
{
    if (!Checked(string, "CFStringGetCStringPtr"))
        return nullptr;
    if (encoding == kCFStringEncodingUTF8 || (encoding == kCFStringEncodingASCII && IsASCII(string->Text())))
        return string->UTF8String();
    return nullptr;
}

Boolean CFStringGetCString(CFStringRef string, char* buffer, CFIndex bufferSize, CFStringEncoding encoding)
{
    if (!Checked(string, "CFStringGetCString") || !buffer || bufferSize <= 0)
        return false;
    buffer[0] = '\0';
    const std::string& text = string->Text();
    bool representable = encoding == kCFStringEncodingUTF8 || (encoding == kCFStringEncodingASCII && IsASCII(text));
    if (!representable || text.size() + 1 > static_cast<size_t>(bufferSize))
        return false;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

// Numbers

CFNumberRef CFNumberCreate(CFAllocatorRef, CFNumberType type, const void* value)
{
    if (!value) {
        ReportF("CFNumberCreate: NULL value");
        return nullptr;
    }
    switch (type) {
    case kCFNumberSInt32Type:
    case kCFNumberIntType:
        return NSNumber::MakeInteger(*static_cast<const int32_t*>(value));
    case kCFNumberSInt64Type:
    case kCFNumberLongType:
    case kCFNumberCFIndexType:
        return NSNumber::MakeInteger(*static_cast<const int64_t*>(value));
    case kCFNumberFloat32Type:
    case kCFNumberFloatType:
        return NSNumber::MakeFloat(*static_cast<const float*>(value));
    case kCFNumberFloat64Type:
    case kCFNumberDoubleType:
        return NSNumber::MakeFloat(*static_cast<const double*>(value));
    default:
        ReportF("CFNumberCreate: number type %ld is not supported", type);
        return nullptr;
    }
}

Boolean CFNumberGetValue(CFNumberRef number, CFNumberType type, void* value)
{
    if (!number || !value) {
        ReportF("CFNumberGetValue with NULL");
        return false;
    }
    // Lossless only when the value converts back to itself.
    double asDouble = number->doubleValue();
    long asLong = number->longValue();
    bool integral = !number->IsFloat() || (asDouble == std::trunc(asDouble) && asDouble == static_cast<double>(asLong));
    switch (type) {
    case kCFNumberSInt32Type:
    case kCFNumberIntType: {
        auto result = static_cast<int32_t>(asLong);
        *static_cast<int32_t*>(value) = result;
        return integral && result == asLong;
    }
    case kCFNumberSInt64Type:
    case kCFNumberLongType:
    case kCFNumberCFIndexType:
        *static_cast<int64_t*>(value) = asLong;
        return integral;
    case kCFNumberFloat32Type:
    case kCFNumberFloatType: {
        auto result = static_cast<float>(asDouble);
        *static_cast<float*>(value) = result;
        return static_cast<double>(result) == asDouble || std::isnan(asDouble);
    }
    case kCFNumberFloat64Type:
    case kCFNumberDoubleType:
        *static_cast<double*>(value) = asDouble;
        return number->IsFloat() ||
               (std::fabs(asDouble) < 9.2233720368547758e18 && static_cast<long>(asDouble) == asLong);
    default:
        ReportF("CFNumberGetValue: number type %ld is not supported", type);
        return false;
    }
}

Boolean CFBooleanGetValue(CFBooleanRef boolean)
{
    if (!boolean) {
        ReportF("CFBooleanGetValue(NULL)");
        return false;
    }
    return boolean->boolValue() != NO;
}

// Dictionaries

CFDictionaryRef CFDictionaryCreate(CFAllocatorRef, const CFTypeRef* keys, const CFTypeRef* values, CFIndex count,
                                   const CFDictionaryKeyCallBacks*, const CFDictionaryValueCallBacks*)
{
    if (count < 0 || (count > 0 && (!keys || !values))) {
        ReportF("CFDictionaryCreate: %ld entries without keys or values", count);
        return nullptr;
    }
    for (CFIndex i = 0; i < count; ++i) {
        if (!keys[i] || !values[i]) {
            ReportF("CFDictionaryCreate: entry %ld has a NULL key or value", i);
            return nullptr;
        }
    }
    NSDictionary* dictionary = NSDictionary::alloc();
    for (CFIndex i = 0; i < count; ++i)
        dictionary->SetValue(keys[i], values[i]);
    return dictionary;
}

CFTypeRef CFDictionaryGetValue(CFDictionaryRef dictionary, CFTypeRef key)
{
    if (!dictionary) {
        ReportF("CFDictionaryGetValue(NULL)");
        return nullptr;
    }
    return dictionary->objectForKey(key);
}

CFIndex CFDictionaryGetCount(CFDictionaryRef dictionary)
{
    if (!dictionary) {
        ReportF("CFDictionaryGetCount(NULL)");
        return 0;
    }
    return static_cast<CFIndex>(dictionary->count());
}

// Attributed strings

CFAttributedStringRef CFAttributedStringCreate(CFAllocatorRef, CFStringRef string, CFDictionaryRef attributes)
{
    if (!Checked(string, "CFAttributedStringCreate"))
        return nullptr;
    return NSAttributedString::alloc()->initWithString(const_cast<NSString*>(string),
                                                       const_cast<NSDictionary*>(attributes));
}

CFStringRef CFAttributedStringGetString(CFAttributedStringRef string)
{
    if (!string) {
        ReportF("CFAttributedStringGetString(NULL)");
        return nullptr;
    }
    return string->string();
}

CFIndex CFAttributedStringGetLength(CFAttributedStringRef string)
{
    return string ? CFStringGetLength(string->string()) : (ReportF("CFAttributedStringGetLength(NULL)"), 0);
}

CFDictionaryRef CFAttributedStringGetAttributes(CFAttributedStringRef string, CFIndex location, CFRange* effectiveRange)
{
    CFIndex length = CFAttributedStringGetLength(string);
    if (!string || location < 0 || location >= length) {
        ReportF("CFAttributedStringGetAttributes: location %ld outside the length %ld", location, length);
        return nullptr;
    }
    if (effectiveRange)
        *effectiveRange = CFRange{0, length};
    return string->attributes();
}

// URLs

CFURLRef CFURLCreateWithFileSystemPath(CFAllocatorRef, CFStringRef path, CFURLPathStyle style, Boolean isDirectory)
{
    if (!Checked(path, "CFURLCreateWithFileSystemPath"))
        return nullptr;
    if (style != kCFURLPOSIXPathStyle) {
        ReportF("CFURLCreateWithFileSystemPath: path style %ld is not supported", style);
        return nullptr;
    }
    std::string full = path->Text();
    if (full.empty())
        return nullptr;
    if (full[0] != '/') {
        char folder[4096];
        if (!getcwd(folder, sizeof folder))
            return nullptr;
        full = std::string(folder) + "/" + full;
    }
    return NSURL::alloc()->initFileURLWithPath(full.c_str(), isDirectory ? YES : NO);
}

Boolean CFURLGetFileSystemRepresentation(CFURLRef url, Boolean, UInt8* buffer, CFIndex maxBufferLength)
{
    if (!url || !buffer) {
        ReportF("CFURLGetFileSystemRepresentation with NULL");
        return false;
    }
    size_t size = std::strlen(url->path()) + 1;
    if (maxBufferLength <= 0 || size > static_cast<size_t>(maxBufferLength))
        return false;
    std::memcpy(buffer, url->path(), size);
    return true;
}

} // namespace Native

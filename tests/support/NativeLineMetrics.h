#pragma once

#include "Native/CoreFoundation.h"
#include "Native/CoreText.h"

namespace VeltisTest {

// The metrics of one line of text in a native font, straight from the toolkit.
struct LineMetrics {
    double width;
    Native::CGFloat ascent;
    Native::CGFloat descent;
    Native::CGRect ink;
};

inline LineMetrics MeasureNative(const char* text, Native::CTFontRef font)
{
    Native::CFStringRef string = Native::CFStringCreateWithCString(nullptr, text, Native::kCFStringEncodingUTF8);
    const Native::CFTypeRef keys[] = {Native::kCTFontAttributeName};
    const Native::CFTypeRef values[] = {font};
    Native::CFDictionaryRef attributes = Native::CFDictionaryCreate(
        nullptr, keys, values, 1, &Native::kCFTypeDictionaryKeyCallBacks, &Native::kCFTypeDictionaryValueCallBacks);
    Native::CFAttributedStringRef attributed = Native::CFAttributedStringCreate(nullptr, string, attributes);
    Native::CTLineRef line = Native::CTLineCreateWithAttributedString(attributed);
    LineMetrics m{};
    m.width = Native::CTLineGetTypographicBounds(line, &m.ascent, &m.descent, nullptr);
    m.ink = Native::CTLineGetImageBounds(line, nullptr);
    for (Native::CFTypeRef object : {Native::CFTypeRef(line), Native::CFTypeRef(attributed),
                                     Native::CFTypeRef(attributes), Native::CFTypeRef(string)})
        Native::CFRelease(object);
    return m;
}

} // namespace VeltisTest

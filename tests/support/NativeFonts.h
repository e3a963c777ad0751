#pragma once

#include "Native/CoreFoundation.h"
#include "Native/CoreText.h"

#include <string>

namespace VeltisTest {

// The family the toolkit resolved a font to; empty when it has none.
inline std::string FamilyOf(Native::CTFontRef font)
{
    Native::CFStringRef family = Native::CTFontCopyFamilyName(font);
    std::string text = family ? family->UTF8String() : "";
    if (family)
        Native::CFRelease(family);
    return text;
}

} // namespace VeltisTest

#pragma once

// Fonts and single-run text lines over FreeType, fontconfig and cairo. Every requested name maps to a
// DejaVu family (Sans, Sans Mono or Serif); no other font is ever used. Objects are NSObjects released
// with CFRelease.

#include "Native/CoreGraphics.h"

namespace Native {

using CTFontSymbolicTraits = uint32_t;
constexpr CTFontSymbolicTraits kCTFontItalicTrait = 1;
constexpr CTFontSymbolicTraits kCTFontBoldTrait = 2;

using CTFontUIFontType = uint32_t;
constexpr CTFontUIFontType kCTFontSystemFontType = 2;

class NATIVE_EXPORT NSFont : public NSObject {
    NATIVE_BUILTIN(NSFont, NSObject, "NSFont")
protected:
    NSFont() = default;
    ~NSFont() override = default;
};

class NATIVE_EXPORT CTLine : public NSObject {
    NATIVE_BUILTIN(CTLine, NSObject, "CTLine")
protected:
    CTLine() = default;
    ~CTLine() override = default;
};

// Attribute keys: a CTFontRef, a CGColorRef, a CFNumber (1 single underline, 0 none).
NATIVE_EXPORT extern const CFStringRef kCTFontAttributeName;
NATIVE_EXPORT extern const CFStringRef kCTForegroundColorAttributeName;
NATIVE_EXPORT extern const CFStringRef kCTUnderlineStyleAttributeName;

// "bold" in the name asks for bold, "italic" or "oblique" for italic; a size of 0 or less gives 12; the
// matrix is ignored. NULL when the face is not installed (or hidden).
NATIVE_EXPORT CTFontRef CTFontCreateWithName(CFStringRef name, CGFloat size, const CGAffineTransform* matrix);
// The system font type (2) gives DejaVu Sans at 13 (or at the size, when positive).
NATIVE_EXPORT CTFontRef CTFontCreateUIFontForLanguage(CTFontUIFontType type, CGFloat size, CFStringRef language);
// The same family with the masked traits set to the value; size 0 or less keeps the size. NULL when
// that face is absent.
NATIVE_EXPORT CTFontRef CTFontCreateCopyWithSymbolicTraits(CTFontRef font, CGFloat size, const CGAffineTransform* matrix,
                                                           CTFontSymbolicTraits value, CTFontSymbolicTraits mask);
// "DejaVu Sans", "DejaVu Sans Mono" or "DejaVu Serif"; a new string the caller releases.
NATIVE_EXPORT CFStringRef CTFontCopyFamilyName(CTFontRef font);
NATIVE_EXPORT CGFloat CTFontGetSize(CTFontRef font);
NATIVE_EXPORT CTFontSymbolicTraits CTFontGetSymbolicTraits(CTFontRef font);
NATIVE_EXPORT CGFloat CTFontGetAscent(CTFontRef font);
NATIVE_EXPORT CGFloat CTFontGetDescent(CTFontRef font);

// One run, no shaping: glyphs of the font attribute (DejaVu Sans 12 without one), the colour attribute
// (black without one) and the underline attribute.
NATIVE_EXPORT CTLineRef CTLineCreateWithAttributedString(CFAttributedStringRef string);
// The advance width; ascent and descent of the font; leading 0. An empty line is all 0.
NATIVE_EXPORT double CTLineGetTypographicBounds(CTLineRef line, CGFloat* ascent, CGFloat* descent, CGFloat* leading);
// The ink box, origin on the baseline, y up; the context may be NULL.
NATIVE_EXPORT CGRect CTLineGetImageBounds(CTLineRef line, CGContextRef context);
// At the text position, through the text matrix and the CTM; colour times the global alpha, anti-aliased
// when the context is.
NATIVE_EXPORT void CTLineDraw(CTLineRef line, CGContextRef context);

} // namespace Native

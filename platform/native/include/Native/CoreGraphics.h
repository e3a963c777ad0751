#pragma once

// Drawing: bitmap and window contexts, colour spaces and colours, images over data providers.
// Device space is y-up with memory row 0 at the top; the current transform (CTM) maps user space to it.
// Every object is an NSObject released with CFRelease or its CG...Release call (those accept NULL).

#include "Native/Runtime.h"

namespace Native {

using CGBitmapInfo = uint32_t;
constexpr CGBitmapInfo kCGImageAlphaNone = 0;
constexpr CGBitmapInfo kCGImageAlphaPremultipliedFirst = 2;
// Straight (not premultiplied) alpha in the last byte: bytes r, g, b, a.
constexpr CGBitmapInfo kCGImageAlphaLast = 3;
constexpr CGBitmapInfo kCGImageAlphaNoneSkipFirst = 6;
constexpr CGBitmapInfo kCGBitmapAlphaInfoMask = 0x1F;
constexpr CGBitmapInfo kCGBitmapByteOrderDefault = 0;
constexpr CGBitmapInfo kCGBitmapByteOrder16Little = 0x1000;
constexpr CGBitmapInfo kCGBitmapByteOrder32Little = 0x2000;

enum CGColorRenderingIntent { kCGRenderingIntentDefault = 0 };

using CGDataProviderReleaseDataCallback = void (*)(void* info, const void* data, size_t size);

inline CGPoint CGPointMake(CGFloat x, CGFloat y)
{
    return CGPoint{x, y};
}
inline CGSize CGSizeMake(CGFloat width, CGFloat height)
{
    return CGSize{width, height};
}
inline CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat width, CGFloat height)
{
    return CGRect{{x, y}, {width, height}};
}
inline CGAffineTransform CGAffineTransformMake(CGFloat a, CGFloat b, CGFloat c, CGFloat d, CGFloat tx, CGFloat ty)
{
    return CGAffineTransform{a, b, c, d, tx, ty};
}
constexpr CGAffineTransform CGAffineTransformIdentity = {1, 0, 0, 1, 0, 0};

// The classes; objects come only from the calls below.
class NATIVE_EXPORT CGColorSpace : public NSObject {
    NATIVE_BUILTIN(CGColorSpace, NSObject, "CGColorSpace")
protected:
    CGColorSpace() = default;
    ~CGColorSpace() override = default;
};

class NATIVE_EXPORT CGColor : public NSObject {
    NATIVE_BUILTIN(CGColor, NSObject, "CGColor")
protected:
    CGColor() = default;
    ~CGColor() override = default;
};

class NATIVE_EXPORT CGDataProvider : public NSObject {
    NATIVE_BUILTIN(CGDataProvider, NSObject, "CGDataProvider")
protected:
    CGDataProvider() = default;
    ~CGDataProvider() override = default;
};

class NATIVE_EXPORT CGImage : public NSObject {
    NATIVE_BUILTIN(CGImage, NSObject, "CGImage")
protected:
    CGImage() = default;
    ~CGImage() override = default;
};

class NATIVE_EXPORT CGContext : public NSObject {
    NATIVE_BUILTIN(CGContext, NSObject, "CGContext")
protected:
    CGContext() = default;
    ~CGContext() override = default;
};

// Colour spaces and colours.
NATIVE_EXPORT CGColorSpaceRef CGColorSpaceCreateDeviceGray();
NATIVE_EXPORT CGColorSpaceRef CGColorSpaceCreateDeviceRGB();
NATIVE_EXPORT void CGColorSpaceRelease(CGColorSpaceRef space);
// 1 for grey, 3 for RGB, 0 for NULL.
NATIVE_EXPORT size_t CGColorSpaceGetNumberOfComponents(CGColorSpaceRef space);
// The space's components then alpha, each clamped to [0, 1]; NULL for a NULL space or components.
NATIVE_EXPORT CGColorRef CGColorCreate(CGColorSpaceRef space, const CGFloat* components);
NATIVE_EXPORT void CGColorRelease(CGColorRef color);
NATIVE_EXPORT size_t CGColorGetNumberOfComponents(CGColorRef color);
NATIVE_EXPORT const CGFloat* CGColorGetComponents(CGColorRef color);

// Bitmap contexts over caller memory, which the context never owns or frees. Exactly three layouts:
// 8 bits grey (grey space, info 0); 5 bits RGB (RGB space, info 0x1006: little-endian 16-bit words,
// r in bits 10-14, g 5-9, b 0-4); 8 bits RGB (RGB space, info 0x2002: premultiplied words with alpha
// on top, bytes b, g, r, a, 4-byte aligned rows). Anything else, NULL memory, a size that is not
// positive or above 32767, or too short a row gives NULL. Bytes written into the memory between two
// calls survive.
NATIVE_EXPORT CGContextRef CGBitmapContextCreate(void* data, size_t width, size_t height, size_t bitsPerComponent,
                                                 size_t bytesPerRow, CGColorSpaceRef space, CGBitmapInfo bitmapInfo);
// The getters answer 0 or NULL for NULL and for a window context.
NATIVE_EXPORT void* CGBitmapContextGetData(CGContextRef context);
NATIVE_EXPORT size_t CGBitmapContextGetWidth(CGContextRef context);
NATIVE_EXPORT size_t CGBitmapContextGetHeight(CGContextRef context);
NATIVE_EXPORT size_t CGBitmapContextGetBitsPerComponent(CGContextRef context);
NATIVE_EXPORT size_t CGBitmapContextGetBitsPerPixel(CGContextRef context);
NATIVE_EXPORT size_t CGBitmapContextGetBytesPerRow(CGContextRef context);
NATIVE_EXPORT CGBitmapInfo CGBitmapContextGetBitmapInfo(CGContextRef context);
// A copy of the pixels in the context's layout; NULL for a window context.
NATIVE_EXPORT CGImageRef CGBitmapContextCreateImage(CGContextRef context);
NATIVE_EXPORT void CGContextRelease(CGContextRef context);

// The toolkit's own: a context over toolkit-owned ARGB32 memory, as a window's backing store; it
// exposes no bitmap (CGBitmapContextGetData answers NULL). Transparent black at first.
NATIVE_EXPORT CGContextRef CreateWindowContext(size_t width, size_t height);

// Graphics state: CTM, clip, stroke and fill colours, alpha, anti-aliasing. A restore without a
// matching save does nothing. The text matrix and position are not part of it.
NATIVE_EXPORT void CGContextSaveGState(CGContextRef context);
NATIVE_EXPORT void CGContextRestoreGState(CGContextRef context);
// Each pre-multiplies the CTM: the new step applies to user coordinates first.
NATIVE_EXPORT void CGContextTranslateCTM(CGContextRef context, CGFloat tx, CGFloat ty);
NATIVE_EXPORT void CGContextScaleCTM(CGContextRef context, CGFloat sx, CGFloat sy);
// Counter-clockwise in y-up space, in radians.
NATIVE_EXPORT void CGContextRotateCTM(CGContextRef context, CGFloat angle);
NATIVE_EXPORT CGAffineTransform CGContextGetCTM(CGContextRef context);
NATIVE_EXPORT void CGContextSetTextMatrix(CGContextRef context, CGAffineTransform matrix);
NATIVE_EXPORT CGAffineTransform CGContextGetTextMatrix(CGContextRef context);
NATIVE_EXPORT void CGContextSetTextPosition(CGContextRef context, CGFloat x, CGFloat y);
NATIVE_EXPORT CGPoint CGContextGetTextPosition(CGContextRef context);
// Components are clamped to [0, 1].
NATIVE_EXPORT void CGContextSetRGBStrokeColor(CGContextRef context, CGFloat r, CGFloat g, CGFloat b, CGFloat alpha);
NATIVE_EXPORT void CGContextSetRGBFillColor(CGContextRef context, CGFloat r, CGFloat g, CGFloat b, CGFloat alpha);
// Multiplies fills, strokes and images.
NATIVE_EXPORT void CGContextSetAlpha(CGContextRef context, CGFloat alpha);
NATIVE_EXPORT void CGContextSetShouldAntialias(CGContextRef context, bool shouldAntialias);
// Intersects the clip with the rectangle in user space.
NATIVE_EXPORT void CGContextClipToRect(CGContextRef context, CGRect rect);
// In user space; the whole context until a clip is set.
NATIVE_EXPORT CGRect CGContextGetClipBoundingBox(CGContextRef context);

// Drawing. A transform that cannot be inverted draws nothing.
NATIVE_EXPORT void CGContextFillRect(CGContextRef context, CGRect rect);
// Independent segments from point pairs, 1 wide with butt caps; a zero-length one paints nothing.
NATIVE_EXPORT void CGContextStrokeLineSegments(CGContextRef context, const CGPoint* points, size_t count);
// The image's top row at the rectangle's max-y, scaled to the rectangle; the edges are padded. An
// image that would be scaled by more than 4096 either way (CTM included) is not drawn.
NATIVE_EXPORT void CGContextDrawImage(CGContextRef context, CGRect rect, CGImageRef image);
// No layer is ever made: these do nothing.
NATIVE_EXPORT void CGContextDrawLayerAtPoint(CGContextRef context, CGPoint point, CGLayerRef layer);
NATIVE_EXPORT void CGContextDrawLayerInRect(CGContextRef context, CGRect rect, CGLayerRef layer);

// The callback runs once, when the last holder of the provider (its creator, images, sub-images) goes.
NATIVE_EXPORT CGDataProviderRef CGDataProviderCreateWithData(void* info, const void* data, size_t size,
                                                             CGDataProviderReleaseDataCallback releaseData);
NATIVE_EXPORT void CGDataProviderRelease(CGDataProviderRef provider);

// An image reads its provider's memory whenever it is drawn. Five layouts: 32 bits premultiplied
// (RGB, 8 bits, info 0x2002), 32 bits straight RGBA (RGB, 8 bits, info 3: bytes r, g, b, a),
// 24 bits packed RGB (RGB, 8 bits, info 0: bytes r, g, b), 8 bits grey (grey, 8 bits, info 0) and
// 16 bits 555 (RGB, 5 bits, info 0x1006). Anything else, a decode array, a side above 32767, too
// short a row or too small a provider gives NULL.
NATIVE_EXPORT CGImageRef CGImageCreate(size_t width, size_t height, size_t bitsPerComponent, size_t bitsPerPixel,
                                       size_t bytesPerRow, CGColorSpaceRef space, CGBitmapInfo bitmapInfo,
                                       CGDataProviderRef provider, const CGFloat* decode, bool shouldInterpolate,
                                       CGColorRenderingIntent intent);
// The rectangle (top-left origin) intersected with the image and made integral; empty gives NULL.
// The sub-image keeps its parent alive.
NATIVE_EXPORT CGImageRef CGImageCreateWithImageInRect(CGImageRef image, CGRect rect);
NATIVE_EXPORT void CGImageRelease(CGImageRef image);
// The getters answer 0 for NULL.
NATIVE_EXPORT size_t CGImageGetWidth(CGImageRef image);
NATIVE_EXPORT size_t CGImageGetHeight(CGImageRef image);
NATIVE_EXPORT size_t CGImageGetBitsPerComponent(CGImageRef image);
NATIVE_EXPORT size_t CGImageGetBitsPerPixel(CGImageRef image);
NATIVE_EXPORT size_t CGImageGetBytesPerRow(CGImageRef image);
NATIVE_EXPORT CGBitmapInfo CGImageGetBitmapInfo(CGImageRef image);

} // namespace Native

#pragma once

// The drawing objects as the toolkit sees them: the C++ objects behind the CG and HIShape references.

#include "Internal.h"

#include "Native/CoreGraphics.h"
#include "Native/HIShape.h"

#include <cairo.h>

#include <climits>
#include <cmath>
#include <vector>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "ARGB32 words are used as bytes b, g, r, a");

namespace Native {

// The pixel layouts of images; the first three are also those of bitmap contexts.
enum class EPixelLayout { Premultiplied32, Grey8, Rgb555, Straight32, Packed24 };

struct PixelFormat {
    EPixelLayout layout;
    size_t bitsPerComponent;
    size_t bitsPerPixel;
    CGBitmapInfo info;
    // Of the colour space: 1 grey, 3 RGB.
    size_t components;
};

// The format with these parameters, or null.
const PixelFormat* FindPixelFormat(size_t bitsPerComponent, size_t bitsPerPixel, CGBitmapInfo info,
                                   size_t components);
const PixelFormat& FormatOf(EPixelLayout layout);

// One row of width pixels to cairo's premultiplied ARGB32 words, and back (grey and 555 only).
void RowToARGB(EPixelLayout layout, const uint8_t* source, uint32_t* target, size_t width);
void RowFromARGB(EPixelLayout layout, const uint32_t* source, uint8_t* target, size_t width);

// Cairo's own limit on image surfaces.
constexpr size_t kMaxSide = 32767;

// Pixels that cairo can hold: not empty, within its side limit, with rows its int strides can step over.
inline bool FitsImageSurface(size_t width, size_t height, size_t bytesPerRow)
{
    return width != 0 && height != 0 && width <= kMaxSide && height <= kMaxSide && bytesPerRow <= INT_MAX;
}

class CGColorSpaceImpl final : public CGColorSpace {
public:
    size_t components = 0;
};

class CGColorImpl final : public CGColor {
public:
    ~CGColorImpl() override;
    CGColorSpaceRef space = nullptr;
    CGFloat components[4] = {0, 0, 0, 0};
};

class CGDataProviderImpl final : public CGDataProvider {
public:
    ~CGDataProviderImpl() override;
    void* info = nullptr;
    const void* data = nullptr;
    size_t size = 0;
    CGDataProviderReleaseDataCallback releaseData = nullptr;
};

class CGImageImpl final : public CGImage {
public:
    ~CGImageImpl() override;
    // The first byte of the image's top row.
    const uint8_t* Pixels() const;
    // A surface that shows the pixels as ARGB32 (over the memory itself when it can); null on failure.
    cairo_surface_t* CreateSurface() const;

    const PixelFormat* format = nullptr;
    size_t width = 0;
    size_t height = 0;
    size_t bytesPerRow = 0;
    CGColorSpaceRef space = nullptr;
    CGDataProviderRef provider = nullptr;
    // Where the pixels start in the provider's memory (sub-images).
    size_t offset = 0;
    CGImageRef parent = nullptr;
};

struct GraphicsState {
    CGAffineTransform ctm = CGAffineTransformIdentity;
    CGFloat fill[4] = {0, 0, 0, 1};
    CGFloat stroke[4] = {0, 0, 0, 1};
    CGFloat alpha = 1;
    bool antialias = true;
    // The clip's bounding box in device space (y up).
    CGRect deviceClip = {{0, 0}, {0, 0}};
};

class CGContextImpl final : public CGContext {
public:
    ~CGContextImpl() override;
    // Sets cairo's matrix to the device flip times the CTM, or marks the CTM as singular.
    void ApplyTransform();
    // Around every drawing call: bring the caller's bytes into cairo, and cairo's drawing back out.
    void BeginDrawing();
    void EndDrawing();
    void ApplyAntialias();
    bool HasShadow() const { return bitmap && format->layout != EPixelLayout::Premultiplied32; }

    // Null for a window context.
    const PixelFormat* format = nullptr;
    bool bitmap = false;
    uint8_t* data = nullptr;
    size_t width = 0;
    size_t height = 0;
    size_t bytesPerRow = 0;
    CGColorSpaceRef space = nullptr;
    // Over the caller's memory (32 bits), a whole-size shadow (grey and 555) or the toolkit's own (window).
    cairo_surface_t* surface = nullptr;
    cairo_t* cairo = nullptr;
    GraphicsState state;
    std::vector<GraphicsState> saved;
    bool singular = false;
    CGAffineTransform textMatrix = CGAffineTransformIdentity;
    CGPoint textPosition = {0, 0};
};

class HIShapeImpl final : public HIShape {
public:
    ~HIShapeImpl() override;
    cairo_region_t* region = nullptr;
};

// The context, or null after reporting a NULL one (or one that no creation call made).
CGContextImpl* CheckedContext(CGContextRef context, const char* call);

// Holds a context for one drawing call, between BeginDrawing and EndDrawing; empty (false) when there
// is nothing to draw on: no context, or a transform that cannot be inverted.
class DrawingPass {
public:
    DrawingPass(CGContextRef context, const char* call);
    ~DrawingPass();
    DrawingPass(const DrawingPass&) = delete;
    DrawingPass& operator=(const DrawingPass&) = delete;

    explicit operator bool() const { return m_Context != nullptr; }
    CGContextImpl& Context() const { return *m_Context; }
    cairo_t* Cairo() const { return m_Context->cairo; }
    // The colour times the global alpha, and the state's anti-aliasing.
    void SetSource(const CGFloat (&rgba)[4]) const;

private:
    CGContextImpl* m_Context;
};

inline bool IsFinite(const CGRect& rect)
{
    return std::isfinite(rect.origin.x) && std::isfinite(rect.origin.y) && std::isfinite(rect.size.width) &&
           std::isfinite(rect.size.height);
}

// Cairo fails a whole context for good on a matrix it cannot invert, so every matrix is checked first.
inline bool IsInvertible(const cairo_matrix_t& m)
{
    const double determinant = m.xx * m.yy - m.yx * m.xy;
    return std::isfinite(determinant) && determinant != 0 && std::isfinite(1 / determinant) && std::isfinite(m.x0) &&
           std::isfinite(m.y0);
}

inline CGFloat Clamp01(CGFloat value)
{
    return value != value ? 0 : value < 0 ? 0 : value > 1 ? 1 : value;
}

// Every object of these classes is made by its factory, so it is the C++ object of the Impl class.
template <class Impl, class T>
Impl* ImplOf(const T* object)
{
    return static_cast<Impl*>(const_cast<T*>(object));
}

} // namespace Native

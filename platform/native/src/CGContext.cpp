#include "Graphics.h"

#include "Native/CoreFoundation.h"
#include "Native/Harness.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace Native {

namespace {

// Pixman samples images through a 16.16 fixed-point transform; near its limits cairo falls back on
// temporary images that can fail the whole context. No image is drawn scaled beyond 4096 times.
bool CanPlaceImage(const cairo_matrix_t& device)
{
    if (!IsInvertible(device))
        return false;
    cairo_matrix_t inverse = device;
    cairo_matrix_invert(&inverse);
    const double kMaxScale = 4096, kMaxOffset = 1 << 30;
    const cairo_matrix_t* const kBoth[] = {&device, &inverse};
    for (const cairo_matrix_t* m : kBoth)
        if (!(std::fabs(m->xx) <= kMaxScale && std::fabs(m->yx) <= kMaxScale && std::fabs(m->xy) <= kMaxScale &&
              std::fabs(m->yy) <= kMaxScale && std::fabs(m->x0) <= kMaxOffset && std::fabs(m->y0) <= kMaxOffset))
            return false;
    return true;
}

CGContextRef MakeContext(cairo_surface_t* surface, size_t width, size_t height)
{
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    CGContextImpl* context = ImplOf<CGContextImpl>(CGContext::alloc());
    context->surface = surface;
    context->width = width;
    context->height = height;
    context->state.deviceClip = CGRect{{0, 0}, {static_cast<CGFloat>(width), static_cast<CGFloat>(height)}};
    context->cairo = cairo_create(surface);
    if (cairo_status(context->cairo) != CAIRO_STATUS_SUCCESS) {
        context->release();
        return nullptr;
    }
    cairo_set_line_width(context->cairo, 1);
    cairo_set_line_cap(context->cairo, CAIRO_LINE_CAP_BUTT);
    context->ApplyTransform();
    return context;
}

void SetRGBA(CGFloat (&target)[4], CGFloat r, CGFloat g, CGFloat b, CGFloat alpha)
{
    target[0] = Clamp01(r);
    target[1] = Clamp01(g);
    target[2] = Clamp01(b);
    target[3] = Clamp01(alpha);
}

} // namespace

CGContextImpl* CheckedContext(CGContextRef context, const char* call)
{
    CGContextImpl* impl = context ? ImplOf<CGContextImpl>(context) : nullptr;
    if (!impl || !impl->cairo) {
        ReportF("%s: %s", call, context ? "not a drawing context" : "NULL context");
        return nullptr;
    }
    return impl;
}

DrawingPass::DrawingPass(CGContextRef context, const char* call) : m_Context(CheckedContext(context, call))
{
    if (m_Context && m_Context->singular)
        m_Context = nullptr;
    if (m_Context)
        m_Context->BeginDrawing();
}

DrawingPass::~DrawingPass()
{
    if (m_Context)
        m_Context->EndDrawing();
}

void DrawingPass::SetSource(const CGFloat (&rgba)[4]) const
{
    const GraphicsState& state = m_Context->state;
    cairo_set_source_rgba(m_Context->cairo, rgba[0], rgba[1], rgba[2], rgba[3] * state.alpha);
    m_Context->ApplyAntialias();
}

void CGContextImpl::ApplyAntialias()
{
    cairo_set_antialias(cairo, state.antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

CGContextImpl::~CGContextImpl()
{
    if (cairo)
        cairo_destroy(cairo);
    if (surface)
        cairo_surface_destroy(surface);
    CGColorSpaceRelease(space);
}

void CGContextImpl::ApplyTransform()
{
    const CGAffineTransform& t = state.ctm;
    cairo_matrix_t ctm = {t.a, t.b, t.c, t.d, t.tx, t.ty};
    cairo_matrix_t flip = {1, 0, 0, -1, 0, static_cast<double>(height)};
    cairo_matrix_t device;
    cairo_matrix_multiply(&device, &ctm, &flip);
    singular = !IsInvertible(device);
    if (!singular)
        cairo_set_matrix(cairo, &device);
}

void CGContextImpl::BeginDrawing()
{
    if (HasShadow()) {
        cairo_surface_flush(surface);
        uint8_t* shadow = cairo_image_surface_get_data(surface);
        size_t stride = static_cast<size_t>(cairo_image_surface_get_stride(surface));
        for (size_t y = 0; y < height; ++y)
            RowToARGB(format->layout, data + y * bytesPerRow, reinterpret_cast<uint32_t*>(shadow + y * stride), width);
    }
    cairo_surface_mark_dirty(surface);
}

void CGContextImpl::EndDrawing()
{
    cairo_surface_flush(surface);
    if (HasShadow()) {
        const uint8_t* shadow = cairo_image_surface_get_data(surface);
        size_t stride = static_cast<size_t>(cairo_image_surface_get_stride(surface));
        for (size_t y = 0; y < height; ++y)
            RowFromARGB(format->layout, reinterpret_cast<const uint32_t*>(shadow + y * stride), data + y * bytesPerRow,
                        width);
    }
    if (cairo_status(cairo) != CAIRO_STATUS_SUCCESS)
        ReportF("drawing failed: %s", cairo_status_to_string(cairo_status(cairo)));
}

// Creation

CGContextRef CGBitmapContextCreate(void* data, size_t width, size_t height, size_t bitsPerComponent,
                                   size_t bytesPerRow, CGColorSpaceRef space, CGBitmapInfo bitmapInfo)
{
    const PixelFormat* format =
        FindPixelFormat(bitsPerComponent, 0, bitmapInfo, CGColorSpaceGetNumberOfComponents(space));
    if (!format || format->layout == EPixelLayout::Straight32 || format->layout == EPixelLayout::Packed24)
        return nullptr;
    if (!data || !FitsImageSurface(width, height, bytesPerRow) || bytesPerRow < width * format->bitsPerPixel / 8)
        return nullptr;
    cairo_surface_t* surface;
    if (format->layout == EPixelLayout::Premultiplied32) {
        if (reinterpret_cast<uintptr_t>(data) % 4 != 0 || bytesPerRow % 4 != 0)
            return nullptr;
        surface = cairo_image_surface_create_for_data(static_cast<unsigned char*>(data), CAIRO_FORMAT_ARGB32,
                                                      static_cast<int>(width), static_cast<int>(height),
                                                      static_cast<int>(bytesPerRow));
    } else {
        surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
    }
    CGContextRef made = MakeContext(surface, width, height);
    if (made) {
        CGContextImpl* context = ImplOf<CGContextImpl>(made);
        context->bitmap = true;
        context->format = format;
        context->data = static_cast<uint8_t*>(data);
        context->bytesPerRow = bytesPerRow;
        context->space = space;
        space->retain();
    }
    return made;
}

CGContextRef CreateWindowContext(size_t width, size_t height)
{
    if (width > kMaxSide || height > kMaxSide) {
        ReportF("CreateWindowContext: %zu x %zu is too large", width, height);
        return nullptr;
    }
    return MakeContext(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height)), width,
        height);
}

void CGContextRelease(CGContextRef context)
{
    if (context)
        CFRelease(context);
}

// Bitmap queries

namespace {

// What read answers for a bitmap context; zero for NULL and for a window context.
template <class Read>
auto BitmapAnswer(CGContextRef context, Read read) -> decltype(read(std::declval<const CGContextImpl&>()))
{
    const CGContextImpl* impl = context ? ImplOf<CGContextImpl>(context) : nullptr;
    return impl && impl->bitmap ? read(*impl) : decltype(read(*impl)){};
}

} // namespace

void* CGBitmapContextGetData(CGContextRef context)
{
    return BitmapAnswer(context, [](const CGContextImpl& c) -> void* { return c.data; });
}

size_t CGBitmapContextGetWidth(CGContextRef context)
{
    return BitmapAnswer(context, [](const CGContextImpl& c) { return c.width; });
}

size_t CGBitmapContextGetHeight(CGContextRef context)
{
    return BitmapAnswer(context, [](const CGContextImpl& c) { return c.height; });
}

size_t CGBitmapContextGetBitsPerComponent(CGContextRef context)
{
    return BitmapAnswer(context, [](const CGContextImpl& c) { return c.format->bitsPerComponent; });
}

size_t CGBitmapContextGetBitsPerPixel(CGContextRef context)
{
    return BitmapAnswer(context, [](const CGContextImpl& c) { return c.format->bitsPerPixel; });
}

size_t CGBitmapContextGetBytesPerRow(CGContextRef context)
{
    return BitmapAnswer(context, [](const CGContextImpl& c) { return c.bytesPerRow; });
}

CGBitmapInfo CGBitmapContextGetBitmapInfo(CGContextRef context)
{
    return BitmapAnswer(context, [](const CGContextImpl& c) { return c.format->info; });
}

// Graphics state

void CGContextSaveGState(CGContextRef context)
{
    if (CGContextImpl* impl = CheckedContext(context, "CGContextSaveGState")) {
        impl->saved.push_back(impl->state);
        cairo_save(impl->cairo);
    }
}

void CGContextRestoreGState(CGContextRef context)
{
    CGContextImpl* impl = CheckedContext(context, "CGContextRestoreGState");
    if (!impl || impl->saved.empty())
        return;
    impl->state = impl->saved.back();
    impl->saved.pop_back();
    cairo_restore(impl->cairo);
    impl->ApplyTransform();
}

namespace {

// Pre-multiplies the CTM by the step (a, b, c, d, tx, ty): the step applies to user coordinates first.
void ConcatCTM(CGContextRef context, const char* call, const CGAffineTransform& step)
{
    CGContextImpl* impl = CheckedContext(context, call);
    if (!impl)
        return;
    const CGAffineTransform t = impl->state.ctm;
    impl->state.ctm = {step.a * t.a + step.b * t.c,   step.a * t.b + step.b * t.d,
                       step.c * t.a + step.d * t.c,   step.c * t.b + step.d * t.d,
                       step.tx * t.a + step.ty * t.c + t.tx, step.tx * t.b + step.ty * t.d + t.ty};
    impl->ApplyTransform();
}

} // namespace

void CGContextTranslateCTM(CGContextRef context, CGFloat tx, CGFloat ty)
{
    ConcatCTM(context, "CGContextTranslateCTM", {1, 0, 0, 1, tx, ty});
}

void CGContextScaleCTM(CGContextRef context, CGFloat sx, CGFloat sy)
{
    ConcatCTM(context, "CGContextScaleCTM", {sx, 0, 0, sy, 0, 0});
}

void CGContextRotateCTM(CGContextRef context, CGFloat angle)
{
    CGFloat c = std::cos(angle), s = std::sin(angle);
    ConcatCTM(context, "CGContextRotateCTM", {c, s, -s, c, 0, 0});
}

CGAffineTransform CGContextGetCTM(CGContextRef context)
{
    CGContextImpl* impl = CheckedContext(context, "CGContextGetCTM");
    return impl ? impl->state.ctm : CGAffineTransformIdentity;
}

void CGContextSetTextMatrix(CGContextRef context, CGAffineTransform matrix)
{
    if (CGContextImpl* impl = CheckedContext(context, "CGContextSetTextMatrix"))
        impl->textMatrix = matrix;
}

CGAffineTransform CGContextGetTextMatrix(CGContextRef context)
{
    CGContextImpl* impl = CheckedContext(context, "CGContextGetTextMatrix");
    return impl ? impl->textMatrix : CGAffineTransformIdentity;
}

void CGContextSetTextPosition(CGContextRef context, CGFloat x, CGFloat y)
{
    if (CGContextImpl* impl = CheckedContext(context, "CGContextSetTextPosition"))
        impl->textPosition = {x, y};
}

CGPoint CGContextGetTextPosition(CGContextRef context)
{
    CGContextImpl* impl = CheckedContext(context, "CGContextGetTextPosition");
    return impl ? impl->textPosition : CGPoint{0, 0};
}

void CGContextSetRGBStrokeColor(CGContextRef context, CGFloat r, CGFloat g, CGFloat b, CGFloat alpha)
{
    if (CGContextImpl* impl = CheckedContext(context, "CGContextSetRGBStrokeColor"))
        SetRGBA(impl->state.stroke, r, g, b, alpha);
}

void CGContextSetRGBFillColor(CGContextRef context, CGFloat r, CGFloat g, CGFloat b, CGFloat alpha)
{
    if (CGContextImpl* impl = CheckedContext(context, "CGContextSetRGBFillColor"))
        SetRGBA(impl->state.fill, r, g, b, alpha);
}

void CGContextSetAlpha(CGContextRef context, CGFloat alpha)
{
    if (CGContextImpl* impl = CheckedContext(context, "CGContextSetAlpha"))
        impl->state.alpha = Clamp01(alpha);
}

void CGContextSetShouldAntialias(CGContextRef context, bool shouldAntialias)
{
    if (CGContextImpl* impl = CheckedContext(context, "CGContextSetShouldAntialias"))
        impl->state.antialias = shouldAntialias;
}

namespace {

// The bounding box of the rectangle's corners mapped by the transform.
CGRect BoundsOfMapped(const CGRect& rect, const CGAffineTransform& t)
{
    double x0 = rect.origin.x, y0 = rect.origin.y;
    double x1 = x0 + rect.size.width, y1 = y0 + rect.size.height;
    const double kCorners[4][2] = {{x0, y0}, {x1, y0}, {x0, y1}, {x1, y1}};
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (int i = 0; i < 4; ++i) {
        double x = t.a * kCorners[i][0] + t.c * kCorners[i][1] + t.tx;
        double y = t.b * kCorners[i][0] + t.d * kCorners[i][1] + t.ty;
        minX = i == 0 ? x : std::min(minX, x);
        maxX = i == 0 ? x : std::max(maxX, x);
        minY = i == 0 ? y : std::min(minY, y);
        maxY = i == 0 ? y : std::max(maxY, y);
    }
    return CGRect{{minX, minY}, {maxX - minX, maxY - minY}};
}

} // namespace

void CGContextClipToRect(CGContextRef context, CGRect rect)
{
    CGContextImpl* impl = CheckedContext(context, "CGContextClipToRect");
    if (!impl)
        return;
    cairo_t* cairo = impl->cairo;
    cairo_new_path(cairo);
    CGRect& box = impl->state.deviceClip;
    // Without a usable transform or rectangle nothing stays visible (an empty path clips everything).
    if (!impl->singular && IsFinite(rect)) {
        cairo_rectangle(cairo, rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
        CGRect mapped = BoundsOfMapped(rect, impl->state.ctm);
        double x0 = std::max(box.origin.x, mapped.origin.x), y0 = std::max(box.origin.y, mapped.origin.y);
        double x1 = std::min(box.origin.x + box.size.width, mapped.origin.x + mapped.size.width);
        double y1 = std::min(box.origin.y + box.size.height, mapped.origin.y + mapped.size.height);
        box = x1 > x0 && y1 > y0 ? CGRect{{x0, y0}, {x1 - x0, y1 - y0}} : CGRect{{0, 0}, {0, 0}};
    } else {
        box = CGRect{{0, 0}, {0, 0}};
    }
    impl->ApplyAntialias();
    cairo_clip(cairo);
}

CGRect CGContextGetClipBoundingBox(CGContextRef context)
{
    CGContextImpl* impl = CheckedContext(context, "CGContextGetClipBoundingBox");
    if (!impl || impl->singular || impl->state.deviceClip.size.width <= 0)
        return CGRect{{0, 0}, {0, 0}};
    // Kept in device space, where cairo would round it to whole pixels.
    const CGAffineTransform& t = impl->state.ctm;
    double det = t.a * t.d - t.b * t.c;
    CGAffineTransform inverse = {t.d / det, -t.b / det, -t.c / det, t.a / det, (t.c * t.ty - t.d * t.tx) / det,
                                 (t.b * t.tx - t.a * t.ty) / det};
    return BoundsOfMapped(impl->state.deviceClip, inverse);
}

// Drawing

void CGContextFillRect(CGContextRef context, CGRect rect)
{
    DrawingPass pass(context, "CGContextFillRect");
    if (!pass || !IsFinite(rect))
        return;
    pass.SetSource(pass.Context().state.fill);
    cairo_new_path(pass.Cairo());
    cairo_rectangle(pass.Cairo(), rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
    cairo_fill(pass.Cairo());
}

void CGContextStrokeLineSegments(CGContextRef context, const CGPoint* points, size_t count)
{
    DrawingPass pass(context, "CGContextStrokeLineSegments");
    if (!pass)
        return;
    if (!points && count > 0) {
        ReportF("CGContextStrokeLineSegments: NULL points");
        return;
    }
    cairo_t* cairo = pass.Cairo();
    cairo_new_path(cairo);
    for (size_t i = 0; i + 1 < count; i += 2) {
        const CGPoint& from = points[i];
        const CGPoint& to = points[i + 1];
        bool finite = std::isfinite(from.x) && std::isfinite(from.y) && std::isfinite(to.x) && std::isfinite(to.y);
        if (!finite || (from.x == to.x && from.y == to.y))
            continue;
        cairo_move_to(cairo, from.x, from.y);
        cairo_line_to(cairo, to.x, to.y);
    }
    pass.SetSource(pass.Context().state.stroke);
    cairo_stroke(cairo);
}

void CGContextDrawImage(CGContextRef context, CGRect rect, CGImageRef image)
{
    DrawingPass pass(context, "CGContextDrawImage");
    if (!pass || !image || !IsFinite(rect) || rect.size.width <= 0 || rect.size.height <= 0)
        return;
    const CGImageImpl* source = ImplOf<CGImageImpl>(image);
    cairo_t* cairo = pass.Cairo();
    double width = static_cast<double>(source->width), height = static_cast<double>(source->height);
    // Image rows run downwards from the rectangle's top edge, which is its max-y in user space.
    cairo_matrix_t placement = {rect.size.width / width, 0, 0, -rect.size.height / height, rect.origin.x,
                                rect.origin.y + rect.size.height};
    cairo_matrix_t user, device;
    cairo_get_matrix(cairo, &user);
    cairo_matrix_multiply(&device, &placement, &user);
    cairo_surface_t* surface = CanPlaceImage(device) ? source->CreateSurface() : nullptr;
    if (!surface)
        return;
    cairo_save(cairo);
    cairo_set_matrix(cairo, &device);
    cairo_set_source_surface(cairo, surface, 0, 0);
    cairo_pattern_set_extend(cairo_get_source(cairo), CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(cairo_get_source(cairo), CAIRO_FILTER_GOOD);
    pass.Context().ApplyAntialias();
    cairo_new_path(cairo);
    cairo_rectangle(cairo, 0, 0, width, height);
    cairo_clip(cairo);
    cairo_paint_with_alpha(cairo, pass.Context().state.alpha);
    cairo_restore(cairo);
    cairo_surface_destroy(surface);
}

void CGContextDrawLayerAtPoint(CGContextRef context, CGPoint, CGLayerRef)
{
    CheckedContext(context, "CGContextDrawLayerAtPoint");
}

void CGContextDrawLayerInRect(CGContextRef context, CGRect, CGLayerRef)
{
    CheckedContext(context, "CGContextDrawLayerInRect");
}

namespace Harness {

uint32_t ContextPixelAt(CGContextRef context, int x, int y)
{
    CGContextImpl* impl = CheckedContext(context, "ContextPixelAt");
    if (!impl)
        return 0;
    if (x < 0 || y < 0 || static_cast<size_t>(x) >= impl->width || static_cast<size_t>(y) >= impl->height) {
        ReportF("ContextPixelAt(%d, %d): outside the %zu x %zu context", x, y, impl->width, impl->height);
        return 0;
    }
    uint32_t pixel = 0;
    if (impl->bitmap) {
        const uint8_t* row = impl->data + static_cast<size_t>(y) * impl->bytesPerRow;
        RowToARGB(impl->format->layout, row + static_cast<size_t>(x) * impl->format->bitsPerPixel / 8, &pixel, 1);
    } else {
        cairo_surface_flush(impl->surface);
        const uint8_t* row = cairo_image_surface_get_data(impl->surface) +
                             static_cast<size_t>(y) * static_cast<size_t>(cairo_image_surface_get_stride(impl->surface));
        std::memcpy(&pixel, row + 4 * static_cast<size_t>(x), 4);
    }
    return pixel;
}

} // namespace Harness

} // namespace Native

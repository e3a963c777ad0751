#include "Graphics.h"

#include "Native/CoreFoundation.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace Native {

namespace {

const PixelFormat kFormats[] = {
    {EPixelLayout::Premultiplied32, 8, 32, kCGBitmapByteOrder32Little | kCGImageAlphaPremultipliedFirst, 3},
    {EPixelLayout::Grey8, 8, 8, kCGImageAlphaNone, 1},
    {EPixelLayout::Rgb555, 5, 16, kCGBitmapByteOrder16Little | kCGImageAlphaNoneSkipFirst, 3},
    {EPixelLayout::Straight32, 8, 32, kCGImageAlphaLast, 3},
    {EPixelLayout::Packed24, 8, 24, kCGImageAlphaNone, 3},
};

uint32_t Opaque(uint32_t r, uint32_t g, uint32_t b)
{
    return 0xFF000000u | r << 16 | g << 8 | b;
}

uint8_t Premultiply(uint32_t channel, uint32_t alpha)
{
    return static_cast<uint8_t>((channel * alpha + 127) / 255);
}

CGColorSpaceRef MakeColorSpace(size_t components)
{
    CGColorSpaceImpl* space = ImplOf<CGColorSpaceImpl>(CGColorSpace::alloc());
    space->components = components;
    return space;
}

void FreeCopiedPixels(void*, const void* data, size_t)
{
    std::free(const_cast<void*>(data));
}

} // namespace

const PixelFormat* FindPixelFormat(size_t bitsPerComponent, size_t bitsPerPixel, CGBitmapInfo info, size_t components)
{
    for (const PixelFormat& format : kFormats)
        if (format.bitsPerComponent == bitsPerComponent && (bitsPerPixel == 0 || format.bitsPerPixel == bitsPerPixel) &&
            format.info == info && format.components == components)
            return &format;
    return nullptr;
}

const PixelFormat& FormatOf(EPixelLayout layout)
{
    for (const PixelFormat& format : kFormats)
        if (format.layout == layout)
            return format;
    return kFormats[0];
}

void RowToARGB(EPixelLayout layout, const uint8_t* source, uint32_t* target, size_t width)
{
    switch (layout) {
    case EPixelLayout::Premultiplied32:
        std::memcpy(target, source, width * 4);
        break;
    case EPixelLayout::Grey8:
        for (size_t x = 0; x < width; ++x)
            target[x] = Opaque(source[x], source[x], source[x]);
        break;
    case EPixelLayout::Rgb555:
        for (size_t x = 0; x < width; ++x) {
            uint32_t word = source[2 * x] | source[2 * x + 1] << 8;
            target[x] = Opaque((word >> 10 & 31) << 3, (word >> 5 & 31) << 3, (word & 31) << 3);
        }
        break;
    case EPixelLayout::Straight32:
        for (size_t x = 0; x < width; ++x) {
            const uint8_t* p = source + 4 * x;
            uint32_t a = p[3];
            target[x] = a << 24 | Premultiply(p[0], a) << 16 | Premultiply(p[1], a) << 8 | Premultiply(p[2], a);
        }
        break;
    case EPixelLayout::Packed24:
        for (size_t x = 0; x < width; ++x)
            target[x] = Opaque(source[3 * x], source[3 * x + 1], source[3 * x + 2]);
        break;
    }
}

void RowFromARGB(EPixelLayout layout, const uint32_t* source, uint8_t* target, size_t width)
{
    for (size_t x = 0; x < width; ++x) {
        uint32_t r = source[x] >> 16 & 0xFF, g = source[x] >> 8 & 0xFF, b = source[x] & 0xFF;
        if (layout == EPixelLayout::Grey8) {
            target[x] = static_cast<uint8_t>((r + 2 * g + b) / 4);
        } else if (layout == EPixelLayout::Rgb555) {
            uint32_t word = (r >> 3) << 10 | (g >> 3) << 5 | b >> 3;
            target[2 * x] = static_cast<uint8_t>(word);
            target[2 * x + 1] = static_cast<uint8_t>(word >> 8);
        }
    }
}

// Colour spaces and colours

CGColorSpaceRef CGColorSpaceCreateDeviceGray()
{
    return MakeColorSpace(1);
}

CGColorSpaceRef CGColorSpaceCreateDeviceRGB()
{
    return MakeColorSpace(3);
}

void CGColorSpaceRelease(CGColorSpaceRef space)
{
    if (space)
        CFRelease(space);
}

size_t CGColorSpaceGetNumberOfComponents(CGColorSpaceRef space)
{
    return space ? ImplOf<CGColorSpaceImpl>(space)->components : 0;
}

CGColorImpl::~CGColorImpl()
{
    CGColorSpaceRelease(space);
}

CGColorRef CGColorCreate(CGColorSpaceRef space, const CGFloat* components)
{
    if (!space || !components) {
        ReportF("CGColorCreate: NULL %s", space ? "components" : "colour space");
        return nullptr;
    }
    CGColorImpl* color = ImplOf<CGColorImpl>(CGColor::alloc());
    color->space = space;
    space->retain();
    for (size_t i = 0; i < CGColorSpaceGetNumberOfComponents(space) + 1; ++i)
        color->components[i] = Clamp01(components[i]);
    return color;
}

void CGColorRelease(CGColorRef color)
{
    if (color)
        CFRelease(color);
}

size_t CGColorGetNumberOfComponents(CGColorRef color)
{
    return color ? CGColorSpaceGetNumberOfComponents(ImplOf<CGColorImpl>(color)->space) + 1 : 0;
}

const CGFloat* CGColorGetComponents(CGColorRef color)
{
    return color ? ImplOf<CGColorImpl>(color)->components : nullptr;
}

// Data providers

CGDataProviderImpl::~CGDataProviderImpl()
{
    if (releaseData)
        releaseData(info, data, size);
}

CGDataProviderRef CGDataProviderCreateWithData(void* info, const void* data, size_t size,
                                               CGDataProviderReleaseDataCallback releaseData)
{
    CGDataProviderImpl* provider = ImplOf<CGDataProviderImpl>(CGDataProvider::alloc());
    provider->info = info;
    provider->data = data;
    provider->size = data ? size : 0;
    provider->releaseData = releaseData;
    return provider;
}

void CGDataProviderRelease(CGDataProviderRef provider)
{
    if (provider)
        CFRelease(provider);
}

// Images

CGImageImpl::~CGImageImpl()
{
    CGImageRelease(parent);
    CGDataProviderRelease(provider);
    CGColorSpaceRelease(space);
}

const uint8_t* CGImageImpl::Pixels() const
{
    return static_cast<const uint8_t*>(ImplOf<CGDataProviderImpl>(provider)->data) + offset;
}

cairo_surface_t* CGImageImpl::CreateSurface() const
{
    const uint8_t* pixels = Pixels();
    cairo_surface_t* surface;
    bool aligned = reinterpret_cast<uintptr_t>(pixels) % 4 == 0 && bytesPerRow % 4 == 0;
    if (format->layout == EPixelLayout::Premultiplied32 && aligned) {
        // Cairo only reads a source.
        surface = cairo_image_surface_create_for_data(const_cast<uint8_t*>(pixels), CAIRO_FORMAT_ARGB32,
                                                      static_cast<int>(width), static_cast<int>(height),
                                                      static_cast<int>(bytesPerRow));
    } else {
        surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
        if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
            uint8_t* target = cairo_image_surface_get_data(surface);
            size_t stride = static_cast<size_t>(cairo_image_surface_get_stride(surface));
            for (size_t y = 0; y < height; ++y)
                RowToARGB(format->layout, pixels + y * bytesPerRow, reinterpret_cast<uint32_t*>(target + y * stride),
                          width);
            cairo_surface_mark_dirty(surface);
        }
    }
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        ReportF("drawing an image: %s", cairo_status_to_string(cairo_surface_status(surface)));
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return surface;
}

CGImageRef CGImageCreate(size_t width, size_t height, size_t bitsPerComponent, size_t bitsPerPixel,
                         size_t bytesPerRow, CGColorSpaceRef space, CGBitmapInfo bitmapInfo, CGDataProviderRef provider,
                         const CGFloat* decode, bool, CGColorRenderingIntent)
{
    const PixelFormat* format =
        FindPixelFormat(bitsPerComponent, bitsPerPixel, bitmapInfo, CGColorSpaceGetNumberOfComponents(space));
    if (!format || !provider || decode || !FitsImageSurface(width, height, bytesPerRow))
        return nullptr;
    size_t rowBytes = width * format->bitsPerPixel / 8;
    if (bytesPerRow < rowBytes || ImplOf<CGDataProviderImpl>(provider)->size < bytesPerRow * (height - 1) + rowBytes)
        return nullptr;
    CGImageImpl* image = ImplOf<CGImageImpl>(CGImage::alloc());
    image->format = format;
    image->width = width;
    image->height = height;
    image->bytesPerRow = bytesPerRow;
    image->space = space;
    space->retain();
    image->provider = provider;
    provider->retain();
    return image;
}

CGImageRef CGImageCreateWithImageInRect(CGImageRef image, CGRect rect)
{
    if (!image)
        return nullptr;
    const CGImageImpl* parent = ImplOf<CGImageImpl>(image);
    double x0 = std::min(rect.origin.x, rect.origin.x + rect.size.width);
    double y0 = std::min(rect.origin.y, rect.origin.y + rect.size.height);
    double x1 = std::max(rect.origin.x, rect.origin.x + rect.size.width);
    double y1 = std::max(rect.origin.y, rect.origin.y + rect.size.height);
    // NaN fails every comparison, so it ends empty.
    x0 = std::floor(std::max(x0, 0.0));
    y0 = std::floor(std::max(y0, 0.0));
    x1 = std::ceil(std::min(x1, static_cast<double>(parent->width)));
    y1 = std::ceil(std::min(y1, static_cast<double>(parent->height)));
    if (!(x1 > x0 && y1 > y0))
        return nullptr;
    CGImageImpl* sub = ImplOf<CGImageImpl>(CGImage::alloc());
    sub->format = parent->format;
    sub->width = static_cast<size_t>(x1 - x0);
    sub->height = static_cast<size_t>(y1 - y0);
    sub->bytesPerRow = parent->bytesPerRow;
    sub->space = parent->space;
    sub->space->retain();
    sub->provider = parent->provider;
    sub->provider->retain();
    sub->offset = parent->offset + static_cast<size_t>(y0) * parent->bytesPerRow +
                  static_cast<size_t>(x0) * parent->format->bitsPerPixel / 8;
    sub->parent = image;
    image->retain();
    return sub;
}

void CGImageRelease(CGImageRef image)
{
    if (image)
        CFRelease(image);
}

size_t CGImageGetWidth(CGImageRef image)
{
    return image ? ImplOf<CGImageImpl>(image)->width : 0;
}

size_t CGImageGetHeight(CGImageRef image)
{
    return image ? ImplOf<CGImageImpl>(image)->height : 0;
}

size_t CGImageGetBitsPerComponent(CGImageRef image)
{
    return image ? ImplOf<CGImageImpl>(image)->format->bitsPerComponent : 0;
}

size_t CGImageGetBitsPerPixel(CGImageRef image)
{
    return image ? ImplOf<CGImageImpl>(image)->format->bitsPerPixel : 0;
}

size_t CGImageGetBytesPerRow(CGImageRef image)
{
    return image ? ImplOf<CGImageImpl>(image)->bytesPerRow : 0;
}

CGBitmapInfo CGImageGetBitmapInfo(CGImageRef image)
{
    return image ? ImplOf<CGImageImpl>(image)->format->info : 0;
}

CGImageRef CGBitmapContextCreateImage(CGContextRef context)
{
    if (!context || !ImplOf<CGContextImpl>(context)->bitmap)
        return nullptr;
    const CGContextImpl* source = ImplOf<CGContextImpl>(context);
    size_t size = source->bytesPerRow * source->height;
    void* copy = std::malloc(size);
    if (!copy) {
        ReportF("CGBitmapContextCreateImage: no memory for %zu bytes", size);
        return nullptr;
    }
    std::memcpy(copy, source->data, size);
    CGDataProviderRef provider = CGDataProviderCreateWithData(nullptr, copy, size, &FreeCopiedPixels);
    CGImageRef image = CGImageCreate(source->width, source->height, source->format->bitsPerComponent,
                                     source->format->bitsPerPixel, source->bytesPerRow, source->space,
                                     source->format->info, provider, nullptr, true, kCGRenderingIntentDefault);
    CGDataProviderRelease(provider);
    return image;
}

// The classes

void DefineGraphicsClasses(Class root)
{
    DefineBuiltinClassUnchecked(CGColorSpace::kClassName, root, &MakeBuiltin<CGColorSpaceImpl>, nullptr);
    DefineBuiltinClassUnchecked(CGColor::kClassName, root, &MakeBuiltin<CGColorImpl>, nullptr);
    DefineBuiltinClassUnchecked(CGDataProvider::kClassName, root, &MakeBuiltin<CGDataProviderImpl>, nullptr);
    DefineBuiltinClassUnchecked(CGImage::kClassName, root, &MakeBuiltin<CGImageImpl>, nullptr);
    DefineBuiltinClassUnchecked(CGContext::kClassName, root, &MakeBuiltin<CGContextImpl>, nullptr);
    DefineBuiltinClassUnchecked(HIShape::kClassName, root, &MakeBuiltin<HIShapeImpl>, nullptr);
}

} // namespace Native

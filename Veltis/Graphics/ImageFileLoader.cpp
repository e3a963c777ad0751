#include "Veltis/Graphics/ImageFileLoader.h"

#include "Veltis/CoreUtilities/CFilePath.h"
#include "Veltis/Graphics/BitmapContext.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreGraphics.h"
#include "Native/ImageIO.h"

#include <png.h>

#include <cctype>
#include <csetjmp>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

using namespace Native;

namespace Veltis {
namespace Graphics {

namespace {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "a pixel word is stored as the bytes b, g, r, alpha");

// A bitmap context never owns its pixels.
void DeleteBitmapContext(CGContextRef context)
{
    if (!context)
        return;
    delete[] static_cast<uint8_t*>(CGBitmapContextGetData(context));
    CFRelease(context);
}

// Regular files only: opening a FIFO or a device neither blocks nor reads from it.
std::FILE* OpenRegularFile(const char* path)
{
    int descriptor = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return nullptr;
    struct stat status;
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(descriptor);
        return nullptr;
    }
    std::FILE* file = fdopen(descriptor, "rb");
    if (!file)
        close(descriptor);
    return file;
}

// A, R, G, B samples become premultiplied words; true when one pixel is not opaque.
bool Premultiply(uint8_t* pixels, size_t count)
{
    bool transparent = false;
    for (size_t i = 0; i < count; ++i) {
        uint8_t* p = pixels + i * 4;
        uint32_t a = p[0];
        uint32_t word = a << 24 | (p[1] * a / 255) << 16 | (p[2] * a / 255) << 8 | p[3] * a / 255;
        transparent = transparent || a != 255;
        std::memcpy(p, &word, 4);
    }
    return transparent;
}

bool IsPngPath(const char* path)
{
    char* extension = CoreUtilities::CFilePath(path).GetExtension();
    for (char* c = extension; *c; ++c)
        *c = static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    bool png = std::strcmp(extension, ".png") == 0;
    delete[] extension;
    return png;
}

} // namespace

// libpng's errors jump back into this function: nothing here has a destructor, and what is assigned
// after setjmp and used on the way back is volatile.
CGContextRef ReadPNGBitmap(std::FILE* file, bool* hasAlpha)
{
    if (hasAlpha)
        *hasAlpha = false;
    if (!file)
        return nullptr;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return nullptr;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return nullptr;
    }
    CGContextRef volatile context = nullptr;
    png_bytep* volatile rows = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        DeleteBitmapContext(context);
        delete[] rows;
        return nullptr;
    }
    png_init_io(png, file);
    png_read_info(png, info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colorType = 0;
    int interlace = 0;
    int compression = 0;
    int filter = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &colorType, &interlace, &compression, &filter);
    // Refused quietly: the picture is valid, only too large.
    if (!WithinImageLimits(width, height))
        png_longjmp(png, 1);
    bool transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    if (colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (transparency)
        png_set_tRNS_to_alpha(png);
    if (depth == 16)
        png_set_strip_16(png);
    if (depth < 8)
        png_set_packing(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    if (transparency || (colorType & PNG_COLOR_MASK_ALPHA) != 0)
        png_set_swap_alpha(png);
    else
        png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != size_t(width) * 4)
        png_longjmp(png, 1);
    context = CreateBitmapContext(Core::C2DSize(int32_t(width), int32_t(height)), 32);
    if (!context)
        png_longjmp(png, 1);
    rows = new (std::nothrow) png_bytep[height];
    if (!rows)
        png_longjmp(png, 1);
    uint8_t* pixels = static_cast<uint8_t*>(CGBitmapContextGetData(context));
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = pixels + size_t(y) * width * 4;
    png_read_image(png, rows);
    png_destroy_read_struct(&png, &info, nullptr);
    delete[] rows;
    bool transparent = Premultiply(pixels, size_t(width) * height);
    if (hasAlpha)
        *hasAlpha = transparent;
    return context;
}

CGContextRef LoadPNGBitmap(const char* path, bool* hasAlpha)
{
    if (hasAlpha)
        *hasAlpha = false;
    std::FILE* file = path ? OpenRegularFile(path) : nullptr;
    if (!file)
        return nullptr;
    CGContextRef context = ReadPNGBitmap(file, hasAlpha);
    std::fclose(file);
    return context;
}

CGImageRef LoadImageWithImageIO(const char* path, bool* hasAlpha)
{
    if (hasAlpha)
        *hasAlpha = false;
    if (!path || !*path)
        return nullptr;
    CFStringRef string = CFStringCreateWithCString(nullptr, path, kCFStringEncodingUTF8);
    if (!string)
        return nullptr;
    CFURLRef url = CFURLCreateWithFileSystemPath(nullptr, string, kCFURLPOSIXPathStyle, false);
    CGImageSourceRef source = url ? CGImageSourceCreateWithURL(url, nullptr) : nullptr;
    CGImageRef image = nullptr;
    if (source) {
        CFStringRef preferRGB32 =
            CFStringCreateWithCString(nullptr, "kCGImageSourceShouldPreferRGB32", kCFStringEncodingUTF8);
        const CFTypeRef keys[] = {kCGImageSourceShouldCache, preferRGB32};
        const CFTypeRef values[] = {kCFBooleanTrue, kCFBooleanTrue};
        CFDictionaryRef options = CFDictionaryCreate(nullptr, keys, values, 2, &kCFTypeDictionaryKeyCallBacks,
                                                     &kCFTypeDictionaryValueCallBacks);
        image = CGImageSourceCreateImageAtIndex(source, 0, options);
        CFRelease(options);
        CFRelease(preferRGB32);
        CFRelease(source);
    }
    if (image && CGImageGetBitsPerPixel(image) == 24) {
        double width = double(CGImageGetWidth(image));
        double height = double(CGImageGetHeight(image));
        CGContextRef context =
            CreateRawBitmapContext(Core::C2DSize(int32_t(width + 0.5), int32_t(height + 0.5)), 24);
        if (context) {
            CGContextDrawImage(context, CGRectMake(0, 0, width, height), image);
            CGImageRelease(image);
            image = CreateImageFromBitmap(context, true, nullptr, nullptr);
        }
    } else if (image && CGImageGetBitsPerPixel(image) == 32 && hasAlpha) {
        *hasAlpha = true;
    }
    if (url)
        CFRelease(url);
    CFRelease(string);
    return image;
}

CGImageRef LoadImageFile(const char* path, bool* hasAlpha)
{
    if (!path || !*path)
        return nullptr;
    if (!IsPngPath(path))
        return LoadImageWithImageIO(path, hasAlpha);
    CGContextRef context = LoadPNGBitmap(path, hasAlpha);
    CGImageRef image = context ? CreateImageFromBitmap(context, true, nullptr, nullptr) : nullptr;
    if (!image && hasAlpha)
        *hasAlpha = false;
    return image;
}

} // namespace Graphics
} // namespace Veltis

// Decodes untrusted image file bytes (PNG, JPEG, BMP, GIF) and draws what comes out: no crash, no
// leak, no image beyond the limits, and every object released.
#include "Native/Harness.h"
#include "Native/ImageIO.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace Native;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool quiet = [] {
        Harness::SetPolicy(Harness::EPolicy::Lenient);
        return true;
    }();
    (void)quiet;
    CGImageRef image = CreateImageFromFileData(data, size);
    if (!image)
        return 0;
    size_t width = CGImageGetWidth(image);
    size_t height = CGImageGetHeight(image);
    size_t depth = CGImageGetBitsPerPixel(image);
    if (width == 0 || height == 0 || width > kMaxImageSide || height > kMaxImageSide ||
        width * height > kMaxImagePixels || (depth != 24 && depth != 32))
        std::abort();
    // Every pixel is read once by drawing into a small context.
    std::vector<uint32_t> memory(16 * 16);
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    CGContextRef context = CGBitmapContextCreate(memory.data(), 16, 16, 8, 64, space, 0x2002);
    CGColorSpaceRelease(space);
    CGContextDrawImage(context, CGRectMake(0, 0, 16, 16), image);
    CGContextRelease(context);
    CGImageRelease(image);
    return 0;
}

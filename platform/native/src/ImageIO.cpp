#include "Graphics.h"

#include "Native/CoreFoundation.h"
#include "Native/Foundation.h"
#include "Native/ImageIO.h"

#include <png.h>
#include <stb_image.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <jpeglib.h>
#include <jerror.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Native {

namespace {

// A file larger than this is not read: no picture within the pixel limits needs it.
constexpr size_t kMaxFileSize = size_t(1) << 28;

class CGImageSourceImpl final : public CGImageSource {
public:
    std::vector<uint8_t> bytes;
};

bool WithinLimits(size_t width, size_t height)
{
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

void FreePixels(void*, const void* data, size_t)
{
    std::free(const_cast<void*>(data));
}

// Hands malloc'ed pixels (3 or 4 bytes a pixel, rows packed) to a new image, or frees them.
CGImageRef MakeImage(uint8_t* pixels, size_t width, size_t height, size_t channels)
{
    size_t bytesPerRow = width * channels;
    CGDataProviderRef provider = CGDataProviderCreateWithData(nullptr, pixels, bytesPerRow * height, &FreePixels);
    if (!provider) {
        std::free(pixels);
        return nullptr;
    }
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    CGImageRef image = CGImageCreate(width, height, 8, channels * 8, bytesPerRow, space,
                                     channels == 4 ? kCGImageAlphaLast : kCGImageAlphaNone, provider, nullptr, true,
                                     kCGRenderingIntentDefault);
    CGColorSpaceRelease(space);
    CGDataProviderRelease(provider);
    return image;
}

// PNG

struct PngInput {
    const uint8_t* data;
    size_t size;
    size_t offset;
};

void ReadPng(png_structp png, png_bytep target, png_size_t count)
{
    PngInput* input = static_cast<PngInput*>(png_get_io_ptr(png));
    if (count > input->size - input->offset)
        png_error(png, "truncated");
    std::memcpy(target, input->data + input->offset, count);
    input->offset += count;
}

void PngError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp)
{
}

// Nothing with a destructor lives in this function: libpng's errors jump back into it.
CGImageRef DecodePng(const uint8_t* data, size_t size)
{
    PngInput input{data, size, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, &PngError, &PngWarning);
    if (!png)
        return nullptr;
    png_infop info = png_create_info_struct(png);
    uint8_t* volatile pixels = nullptr;
    png_bytep* volatile rows = nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        std::free(pixels);
        std::free(rows);
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        return nullptr;
    }
    png_set_read_fn(png, &input, &ReadPng);
    png_read_info(png, info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colorType = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &colorType, nullptr, nullptr, nullptr);
    if (!WithinLimits(width, height))
        png_error(png, "too large");
    bool transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || transparency;
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
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    size_t channels = alpha ? 4 : 3;
    if (png_get_rowbytes(png, info) != width * channels)
        png_error(png, "unexpected layout");
    pixels = static_cast<uint8_t*>(std::malloc(size_t(width) * height * channels));
    rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * height));
    if (!pixels || !rows)
        png_error(png, "out of memory");
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = pixels + size_t(y) * width * channels;
    png_read_image(png, rows);
    png_destroy_read_struct(&png, &info, nullptr);
    std::free(rows);
    return MakeImage(pixels, width, height, channels);
}

// JPEG

struct JpegError {
    jpeg_error_mgr manager;
    jmp_buf back;
};

void JpegExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->back, 1);
}

void JpegMessage(j_common_ptr)
{
}

// libjpeg only warns of damaged or missing data, and goes on to fill the rest of the picture: a file cut
// off after its header would decode as a whole grey picture. Such a file is refused at the first warning;
// only the two warnings about unknown header versions are let through.
void JpegWarning(j_common_ptr info, int level)
{
    const int code = info->err->msg_code;
    if (level < 0 && code != JWRN_JFIF_MAJOR && code != JWRN_ADOBE_XFORM)
        std::longjmp(reinterpret_cast<JpegError*>(info->err)->back, 1);
}

// Nothing with a destructor lives in this function: libjpeg's errors jump back into it.
CGImageRef DecodeJpeg(const uint8_t* data, size_t size)
{
    jpeg_decompress_struct jpeg;
    std::memset(&jpeg, 0, sizeof jpeg);
    JpegError error;
    jpeg.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = &JpegExit;
    error.manager.output_message = &JpegMessage;
    error.manager.emit_message = &JpegWarning;
    uint8_t* volatile pixels = nullptr;
    if (setjmp(error.back)) {
        std::free(pixels);
        jpeg_destroy_decompress(&jpeg);
        return nullptr;
    }
    jpeg_create_decompress(&jpeg);
    jpeg_mem_src(&jpeg, data, static_cast<unsigned long>(size));
    jpeg_read_header(&jpeg, TRUE);
    if (!WithinLimits(jpeg.image_width, jpeg.image_height) || jpeg.jpeg_color_space == JCS_CMYK ||
        jpeg.jpeg_color_space == JCS_YCCK || jpeg.num_components == 4) {
        jpeg_destroy_decompress(&jpeg);
        return nullptr;
    }
    jpeg.out_color_space = JCS_RGB;
    jpeg_start_decompress(&jpeg);
    size_t width = jpeg.output_width;
    size_t height = jpeg.output_height;
    if (jpeg.output_components != 3 || !WithinLimits(width, height)) {
        jpeg_destroy_decompress(&jpeg);
        return nullptr;
    }
    pixels = static_cast<uint8_t*>(std::malloc(width * height * 3));
    if (!pixels) {
        jpeg_destroy_decompress(&jpeg);
        return nullptr;
    }
    while (jpeg.output_scanline < jpeg.output_height) {
        JSAMPROW row = pixels + size_t(jpeg.output_scanline) * width * 3;
        jpeg_read_scanlines(&jpeg, &row, 1);
    }
    jpeg_finish_decompress(&jpeg);
    jpeg_destroy_decompress(&jpeg);
    return MakeImage(pixels, width, height, 3);
}

// BMP and GIF

uint32_t ReadLittleEndian(const uint8_t* p, int bytes)
{
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

// Whether the file holds the rows its header's size and depth need, from the pixel data offset on:
// stb's reader gives zeros past the end of the data, so a cut file would decode as a whole picture.
bool HoldsBmpPixels(const uint8_t* data, size_t size)
{
    if (size < 26)
        return false;
    const uint64_t offset = ReadLittleEndian(data + 10, 4);
    const bool core = ReadLittleEndian(data + 14, 4) == 12;
    if (!core && size < 30)
        return false;
    const uint64_t width = core ? ReadLittleEndian(data + 18, 2) : ReadLittleEndian(data + 18, 4);
    int64_t height = core ? ReadLittleEndian(data + 20, 2) : static_cast<int32_t>(ReadLittleEndian(data + 22, 4));
    const uint64_t depth = ReadLittleEndian(data + (core ? 24 : 28), 2);
    if (height < 0)
        height = -height;
    // Rows are padded to whole 32-bit words. The header's limits were checked: no product overflows.
    const uint64_t rowBytes = (width * depth + 31) / 32 * 4;
    return offset + rowBytes * static_cast<uint64_t>(height) <= size;
}

CGImageRef DecodeWithStb(const uint8_t* data, size_t size)
{
    if (size > INT_MAX)
        return nullptr;
    int width = 0;
    int height = 0;
    int components = 0;
    int length = static_cast<int>(size);
    // The size of a GIF is its logical screen, which may be far larger than its frames: it is the
    // screen that takes memory, so it is the screen that the limits are checked against.
    if (!stbi_info_from_memory(data, length, &width, &height, &components) || !WithinLimits(width, height))
        return nullptr;
    if (data[0] == 'B' && !HoldsBmpPixels(data, size))
        return nullptr;
    // Grey with alpha and RGBA (every GIF) keep their alpha channel.
    int channels = components == 2 || components == 4 ? 4 : 3;
    int decodedWidth = 0;
    int decodedHeight = 0;
    stbi_uc* pixels = stbi_load_from_memory(data, length, &decodedWidth, &decodedHeight, &components, channels);
    if (!pixels)
        return nullptr;
    if (decodedWidth != width || decodedHeight != height) {
        stbi_image_free(pixels);
        return nullptr;
    }
    // stb allocates with malloc, so the image frees its pixels as every other decoder's.
    return MakeImage(pixels, width, height, channels);
}

bool StartsWith(const uint8_t* data, size_t size, const char* signature, size_t length)
{
    return size >= length && std::memcmp(data, signature, length) == 0;
}

// The whole regular file, or false. Opening never blocks (FIFOs, devices).
bool ReadRegularFile(const char* path, std::vector<uint8_t>& bytes)
{
    int file = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file < 0)
        return false;
    struct stat status;
    bool ok = fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_size >= 0 &&
              static_cast<uint64_t>(status.st_size) <= kMaxFileSize;
    if (ok) {
        bytes.resize(static_cast<size_t>(status.st_size));
        size_t done = 0;
        while (ok && done < bytes.size()) {
            ssize_t got = read(file, bytes.data() + done, bytes.size() - done);
            if (got < 0 && errno == EINTR)
                continue;
            ok = got > 0;
            done += ok ? static_cast<size_t>(got) : 0;
        }
    }
    close(file);
    return ok;
}

} // namespace

const CFStringRef kCGImageSourceShouldCache = MakeConstant("kCGImageSourceShouldCache");

void DefineImageSourceClasses(Class root)
{
    DefineBuiltinClassUnchecked(CGImageSource::kClassName, root, &MakeBuiltin<CGImageSourceImpl>, nullptr);
}

CGImageRef CreateImageFromFileData(const void* data, size_t size)
{
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    if (!bytes)
        return nullptr;
    if (StartsWith(bytes, size, "\x89PNG\r\n\x1a\n", 8))
        return DecodePng(bytes, size);
    if (StartsWith(bytes, size, "\xFF\xD8\xFF", 3))
        return DecodeJpeg(bytes, size);
    if (StartsWith(bytes, size, "BM", 2) || StartsWith(bytes, size, "GIF8", 4))
        return DecodeWithStb(bytes, size);
    return nullptr;
}

CGImageSourceRef CGImageSourceCreateWithURL(CFURLRef url, CFDictionaryRef)
{
    if (!url) {
        ReportF("CGImageSourceCreateWithURL(NULL)");
        return nullptr;
    }
    std::vector<uint8_t> bytes;
    if (!ReadRegularFile(url->path(), bytes))
        return nullptr;
    CGImageSourceImpl* source = ImplOf<CGImageSourceImpl>(CGImageSource::alloc());
    source->bytes.swap(bytes);
    return source;
}

CGImageRef CGImageSourceCreateImageAtIndex(CGImageSourceRef source, size_t index, CFDictionaryRef)
{
    if (!source) {
        ReportF("CGImageSourceCreateImageAtIndex(NULL)");
        return nullptr;
    }
    if (index != 0)
        return nullptr;
    const std::vector<uint8_t>& bytes = ImplOf<CGImageSourceImpl>(source)->bytes;
    return CreateImageFromFileData(bytes.data(), bytes.size());
}

} // namespace Native

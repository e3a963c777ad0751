#pragma once

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Small PNG files for the tests, written with libpng's write side: the samples of each row in the
// colour type's own order (grey, grey + alpha, palette index, RGB, RGBA), packed at the bit depth
// (16-bit samples high byte first).
namespace VeltisTest {

struct PngPicture {
    uint32_t width = 1;
    uint32_t height = 1;
    int colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<uint8_t> samples;
    // Palette entries (r, g, b) for palette pictures.
    std::vector<uint8_t> palette;
    // The tRNS chunk: alpha per palette entry, or one colour (grey or r, g, b as 16-bit values) that
    // is transparent.
    std::vector<uint8_t> paletteAlpha;
    std::vector<uint16_t> transparentColor;
};

inline int PngChannels(int colorType)
{
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB:
        return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return 4;
    default:
        return 1;
    }
}

// Nothing with a destructor lives across libpng's error jump.
inline bool WritePngFile(std::FILE* file, const PngPicture& picture)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colorType,
                 picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (picture.colorType == PNG_COLOR_TYPE_PALETTE) {
        png_color colors[256];
        int count = int(picture.palette.size() / 3);
        for (int i = 0; i < count; ++i)
            colors[i] = png_color{picture.palette[size_t(i) * 3], picture.palette[size_t(i) * 3 + 1],
                                  picture.palette[size_t(i) * 3 + 2]};
        png_set_PLTE(png, info, colors, count);
    }
    if (!picture.paletteAlpha.empty())
        png_set_tRNS(png, info, picture.paletteAlpha.data(), int(picture.paletteAlpha.size()), nullptr);
    if (!picture.transparentColor.empty()) {
        png_color_16 color{};
        color.gray = picture.transparentColor[0];
        if (picture.transparentColor.size() == 3) {
            color.red = picture.transparentColor[0];
            color.green = picture.transparentColor[1];
            color.blue = picture.transparentColor[2];
        }
        png_set_tRNS(png, info, nullptr, 0, &color);
    }
    png_write_info(png, info);
    size_t rowBytes = (size_t(picture.width) * PngChannels(picture.colorType) * picture.bitDepth + 7) / 8;
    int passes = png_set_interlace_handling(png);
    for (int pass = 0; pass < passes; ++pass)
        for (uint32_t y = 0; y < picture.height; ++y)
            png_write_row(png, const_cast<png_bytep>(picture.samples.data() + y * rowBytes));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

inline bool WritePngFile(const std::string& path, const PngPicture& picture)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool written = WritePngFile(file, picture);
    return std::fclose(file) == 0 && written;
}

// The bytes of the file.
inline std::vector<uint8_t> PngBytes(const PngPicture& picture)
{
    std::vector<uint8_t> bytes;
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* file = open_memstream(&buffer, &size);
    if (!file)
        return bytes;
    bool written = WritePngFile(file, picture);
    std::fclose(file);
    if (written)
        bytes.assign(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

// PNG's chunk checksum.
inline uint32_t PngCrc(const uint8_t* bytes, size_t size)
{
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? 0xEDB88320 ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

// Rewrites the width and height in a PNG file's header, with its checksum, so that libpng reads the
// header as valid whatever follows.
inline void SetPngHeaderSize(std::vector<uint8_t>& bytes, uint32_t width, uint32_t height)
{
    for (int i = 0; i < 4; ++i) {
        bytes[16 + size_t(i)] = uint8_t(width >> (24 - 8 * i));
        bytes[20 + size_t(i)] = uint8_t(height >> (24 - 8 * i));
    }
    uint32_t crc = PngCrc(bytes.data() + 12, 17);
    for (int i = 0; i < 4; ++i)
        bytes[29 + size_t(i)] = uint8_t(crc >> (24 - 8 * i));
}

} // namespace VeltisTest

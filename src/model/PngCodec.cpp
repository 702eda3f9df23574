// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/PngCodec.h"

#include "model/GraphicLimits.h"
#include "model/StreamError.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace {

constexpr uchar kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
// Ancillary chunks (text, ICC profiles) larger than this are not loaded.
constexpr png_alloc_size_t kMaxChunkBytes = 8 * 1024 * 1024;

quint32 BigEndian32(const uchar* p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

bool IsChunkType(const uchar* type, const char* name)
{
    return std::memcmp(type, name, 4) == 0;
}

bool ValidBitDepth(int colorType, int bitDepth)
{
    switch (colorType) {
    case 0: return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
    case 3: return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
    case 2:
    case 4:
    case 6: return bitDepth == 8 || bitDepth == 16;
    default: return false;
    }
}

PngHeader ParseHeader(const uchar* body)
{
    PngHeader header;
    const quint32 width = BigEndian32(body);
    const quint32 height = BigEndian32(body + 4);
    CheckPictureSize(width, height);
    header.width = int(width);
    header.height = int(height);
    header.bitDepth = body[8];
    header.colorType = body[9];
    if (!ValidBitDepth(header.colorType, header.bitDepth))
        throw StreamError::BadData("PNG bit depth does not fit the colour type");
    // Compression and filter method 0 are the only ones defined; interlace is none or Adam7.
    if (body[10] != 0 || body[11] != 0 || body[12] > 1) throw StreamError::BadData("PNG header has an unknown method");
    return header;
}

// libpng reports through these; an error never returns to libpng.
[[noreturn]] void OnPngError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

struct PngSource {
    const png_byte* data;
    size_t size;
    size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t count)
{
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (count > source->size - source->pos) png_error(png, "data ends early");
    std::memcpy(out, source->data + source->pos, count);
    source->pos += count;
}

void WriteToArray(png_structp png, png_bytep data, size_t count)
{
    auto* out = static_cast<QByteArray*>(png_get_io_ptr(png));
    bool written = true;
    try {
        out->append(reinterpret_cast<const char*>(data), qsizetype(count));
    } catch (...) {
        written = false;
    }
    // Raised outside the handler: the jump must not leave a live exception behind.
    if (!written) png_error(png, "out of memory");
}

void FlushNothing(png_structp) {}

// Runs libpng; no object with a destructor may live in this frame, since an
// error jumps back to the setjmp here.
bool ReadPng(const QByteArray& bytes, QImage& image)
{
    PngSource source{reinterpret_cast<const png_byte*>(bytes.constData()), size_t(bytes.size()), 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &source, ReadFromMemory);
    png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
    png_set_chunk_malloc_max(png, kMaxChunkBytes);
    png_read_info(png, info);

    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colorType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
    if (!PictureSizeAllowed(width, height)) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }

    // Everything becomes 8-bit BGRA or BGRX in memory order, which is how
    // QImage keeps ARGB32 and RGB32 pixels.
    const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    const bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) || hasTrns;
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (hasTrns) png_set_tRNS_to_alpha(png);
    if (bitDepth == 16) png_set_scale_16(png);
    if (!(colorType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(png);
    if (!alpha) png_set_filler(png, 0xff, PNG_FILLER_AFTER);
#else
    if (alpha) png_set_swap_alpha(png);
    else png_set_filler(png, 0xff, PNG_FILLER_BEFORE);
#endif
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != size_t(width) * 4) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }

    image = QImage(int(width), int(height), alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    // Each Adam7 pass fills in only its own pixels of a row, so reading
    // every pass into the same rows leaves the full picture.
    for (int pass = 0; pass < passes; ++pass) {
        for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, image.scanLine(int(y)), nullptr);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

// As ReadPng: the frame holds no object with a destructor.
bool WritePng(const QImage& image, bool alpha, QByteArray& out)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    // A flush function must be given: libpng's default treats the target as a FILE.
    png_set_write_fn(png, &out, WriteToArray, FlushNothing);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(png);
    if (!alpha) png_set_filler(png, 0, PNG_FILLER_AFTER);
#else
    if (alpha) png_set_swap_alpha(png);
    else png_set_filler(png, 0, PNG_FILLER_BEFORE);
#endif
    for (int y = 0; y < image.height(); ++y) png_write_row(png, image.constScanLine(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

PngHeader CheckPng(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < qsizetype(sizeof kSignature)) throw StreamError::Truncated();
    if (std::memcmp(data, kSignature, sizeof kSignature) != 0) throw StreamError::BadData("not a PNG file");

    PngHeader header;
    bool first = true;
    bool palette = false;
    bool imageData = false;
    qsizetype pos = sizeof kSignature;
    for (;;) {
        // Length, type and CRC frame every chunk.
        if (size - pos < 12) throw StreamError::Truncated();
        const quint32 length = BigEndian32(data + pos);
        const uchar* type = data + pos + 4;
        if (length > 0x7fffffffu) throw StreamError::BadData("PNG chunk length out of range");
        if (qint64(length) > size - pos - 12) throw StreamError::Truncated();
        for (int i = 0; i < 4; ++i) {
            const uchar c = type[i] | 0x20;
            if (c < 'a' || c > 'z') throw StreamError::BadData("PNG chunk type is not a name");
        }
        const uchar* body = type + 4;
        pos += 12 + qsizetype(length);

        if (first != IsChunkType(type, "IHDR")) throw StreamError::BadData("PNG header chunk misplaced");
        if (first) {
            if (length != 13) throw StreamError::BadData("PNG header chunk has the wrong size");
            header = ParseHeader(body);
            first = false;
        } else if (IsChunkType(type, "PLTE")) {
            if (length == 0 || length > 768 || length % 3 != 0) throw StreamError::BadData("PNG palette size");
            palette = true;
        } else if (IsChunkType(type, "IDAT")) {
            if (header.colorType == 3 && !palette) throw StreamError::BadData("PNG palette missing");
            imageData = true;
        } else if (IsChunkType(type, "IEND")) {
            if (!imageData) throw StreamError::BadData("PNG has no image data");
            return header;
        }
    }
}

QImage DecodePng(const QByteArray& bytes)
{
    QImage image;
    if (!ReadPng(bytes, image)) return QImage();
    return image;
}

QByteArray EncodePng(const QImage& image)
{
    if (image.isNull()) throw StreamError::BadData("no picture to write");
    const bool alpha = image.hasAlphaChannel();
    const QImage pixels = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QByteArray out;
    if (pixels.isNull() || !WritePng(pixels, alpha, out)) throw StreamError::BadData("PNG encoder failed");
    return out;
}

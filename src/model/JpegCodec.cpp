// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/JpegCodec.h"

#include "model/GraphicLimits.h"
#include "model/StreamError.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// Real progressive files have about ten scans; thousands of tiny scans
// would make decoding take very long for little data.
constexpr int kMaxScans = 500;

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kQImageOrder = JCS_EXT_BGRA;
constexpr J_COLOR_SPACE kQImageOrderOpaque = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kQImageOrder = JCS_EXT_ARGB;
constexpr J_COLOR_SPACE kQImageOrderOpaque = JCS_EXT_XRGB;
#endif

struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void OnJpegError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<JpegErrorManager*>(cinfo->err)->jump, 1);
}

void OnJpegMessage(j_common_ptr) {}

void LimitScans(j_common_ptr cinfo)
{
    if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
        OnJpegError(cinfo);
}

void UseErrorManager(jpeg_error_mgr* err)
{
    jpeg_std_error(err);
    err->error_exit = OnJpegError;
    err->output_message = OnJpegMessage;
}

int BigEndian16(const uchar* p)
{
    return p[0] << 8 | p[1];
}

// Start-of-frame markers; C4, C8 and CC share the range but are tables.
bool IsFrameMarker(uchar marker)
{
    return marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
}

// Colour from CMYK samples. Adobe's files store the inks inverted (255 is
// no ink); without its marker the samples are plain ink amounts.
void CmykToRgb(const JSAMPLE* cmyk, QRgb* out, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
    }
}

// Runs libjpeg; no object with a destructor may live in this frame, since
// an error jumps back to the setjmp here.
bool ReadJpeg(const QByteArray& bytes, QImage& image)
{
    jpeg_decompress_struct cinfo;
    JpegErrorManager err;
    jpeg_progress_mgr progress;
    cinfo.err = &err.pub;
    UseErrorManager(&err.pub);
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    progress.progress_monitor = LimitScans;
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()), (unsigned long)bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    if (!PictureSizeAllowed(cinfo.image_width, cinfo.image_height)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }

    bool cmyk = false;
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB: cinfo.out_color_space = kQImageOrder; break;
    case JCS_CMYK:
    case JCS_YCCK:
        cinfo.out_color_space = JCS_CMYK;
        cmyk = true;
        break;
    default: jpeg_destroy_decompress(&cinfo); return false;
    }
    jpeg_start_decompress(&cinfo);
    image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    if (image.isNull() || cinfo.output_components != 4) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    // Freed with the decompressor, so an error cannot leak it.
    JSAMPARRAY cmykRow = cmyk ? (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                            cinfo.output_width * 4, 1)
                              : nullptr;
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        JSAMPROW row = cmyk ? cmykRow[0] : image.scanLine(y);
        // The memory source never suspends, so a short read is a failure.
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) {
            jpeg_destroy_decompress(&cinfo);
            return false;
        }
        if (cmyk)
            CmykToRgb(row, reinterpret_cast<QRgb*>(image.scanLine(y)), cinfo.output_width, cinfo.saw_Adobe_marker);
    }
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// The buffer jpeg_mem_dest grows; it is released with malloc's free.
struct JpegOutput {
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    JpegOutput() = default;
    JpegOutput(const JpegOutput&) = delete;
    JpegOutput& operator=(const JpegOutput&) = delete;
    ~JpegOutput() { std::free(buffer); }
};

// As ReadJpeg: the frame holds no object with a destructor.
bool WriteJpeg(const QImage& image, int quality, JpegOutput& output)
{
    jpeg_compress_struct cinfo;
    JpegErrorManager err;
    cinfo.err = &err.pub;
    UseErrorManager(&err.pub);
    if (setjmp(err.jump)) {
        // After a failure the memory destination holds its newest buffer
        // privately; ending the destination hands it over to be freed.
        if (output.buffer && cinfo.dest) cinfo.dest->term_destination(&cinfo);
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &output.buffer, &output.size);
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = 4;
    cinfo.in_color_space = kQImageOrderOpaque;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        // libjpeg only reads the row, though its type is not const.
        JSAMPROW row = const_cast<JSAMPLE*>(image.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

QSize CheckJpeg(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 2) throw StreamError::Truncated();
    if (data[0] != 0xff || data[1] != 0xd8) throw StreamError::BadData("not a JPEG stream");

    QSize picture;
    qsizetype pos = 2;
    for (;;) {
        if (pos >= size) throw StreamError::Truncated();
        if (data[pos] != 0xff) throw StreamError::BadData("JPEG marker expected");
        // Any number of FF fill bytes may come before a marker code.
        while (pos < size && data[pos] == 0xff) ++pos;
        if (pos >= size) throw StreamError::Truncated();
        const uchar marker = data[pos++];
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7)) continue; // no length follows
        if (marker == 0x00 || marker == 0xd8 || marker == 0xd9) throw StreamError::BadData("JPEG has no scan");

        if (size - pos < 2) throw StreamError::Truncated();
        const int length = BigEndian16(data + pos);
        if (length < 2) throw StreamError::BadData("JPEG segment length out of range");
        if (length > size - pos) throw StreamError::Truncated();
        const uchar* body = data + pos + 2;
        pos += length;

        if (IsFrameMarker(marker)) {
            if (picture.isValid()) throw StreamError::BadData("JPEG has two frame headers");
            if (length < 8) throw StreamError::BadData("JPEG frame header too short");
            const int height = BigEndian16(body + 1);
            const int width = BigEndian16(body + 3);
            const int components = body[5];
            // A zero height would be given by a DNL marker inside the scan.
            if (height == 0) throw StreamError::BadData("JPEG height follows the scan");
            if (components == 0 || length < 8 + 3 * components)
                throw StreamError::BadData("JPEG frame header has the wrong size");
            CheckPictureSize(width, height);
            picture = QSize(width, height);
        } else if (marker == 0xda) {
            if (!picture.isValid()) throw StreamError::BadData("JPEG scan before the frame header");
            break;
        }
    }

    // The entropy-coded data is not read; the stream must end with EOI,
    // optionally followed by zero padding.
    qsizetype end = size;
    while (end > pos && data[end - 1] == 0) --end;
    if (end - pos < 2 || data[end - 2] != 0xff || data[end - 1] != 0xd9) throw StreamError::Truncated();
    return picture;
}

QImage DecodeJpeg(const QByteArray& bytes)
{
    if (bytes.isEmpty()) return QImage();
    QImage image;
    if (!ReadJpeg(bytes, image)) return QImage();
    return image;
}

QByteArray EncodeJpeg(const QImage& image, int quality)
{
    if (image.isNull()) throw StreamError::BadData("no picture to write");
    if (image.width() > JPEG_MAX_DIMENSION || image.height() > JPEG_MAX_DIMENSION)
        throw StreamError::TooLarge("picture too large for JPEG");
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    if (pixels.isNull()) throw StreamError::BadData("JPEG encoder failed");
    JpegOutput output;
    if (!WriteJpeg(pixels, qBound(1, quality, 100), output)) throw StreamError::BadData("JPEG encoder failed");
    return QByteArray(reinterpret_cast<const char*>(output.buffer), qsizetype(output.size));
}

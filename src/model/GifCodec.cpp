// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/GifCodec.h"

#include "model/GraphicLimits.h"
#include "model/StreamError.h"

#include <QHash>

#include <gif_lib.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kMaxGifSide = 65535;

int LittleEndian16(const uchar* p)
{
    return p[0] | p[1] << 8;
}

// Bytes in a colour table whose size field is the low three bits of flags.
qsizetype ColourTableBytes(uchar flags)
{
    return (flags & 0x80) ? qsizetype(3) << ((flags & 7) + 1) : 0;
}

// Steps over a chain of sub-blocks up to its empty terminating block.
void SkipSubBlocks(const uchar* data, qsizetype size, qsizetype& pos)
{
    for (;;) {
        if (pos >= size) throw StreamError::Truncated();
        const int length = data[pos++];
        if (length == 0) return;
        if (length > size - pos) throw StreamError::Truncated();
        pos += length;
    }
}

struct GifSource {
    const uchar* data;
    qsizetype size;
    qsizetype pos;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int count)
{
    auto* source = static_cast<GifSource*>(gif->UserData);
    const qsizetype n = qBound(qsizetype(0), qsizetype(count), source->size - source->pos);
    std::memcpy(out, source->data + source->pos, size_t(n));
    source->pos += n;
    return int(n);
}

int WriteToArray(GifFileType* gif, const GifByteType* data, int count)
{
    try {
        static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), count);
    } catch (...) {
        return 0; // giflib fails the write on a short count
    }
    return count;
}

struct DecoderCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

struct EncoderCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct MapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// The image just described, its rows read and placed on a transparent
// screen; rows and columns outside the screen are dropped.
QImage ComposeFrame(GifFileType* gif, int transparent)
{
    const GifImageDesc& desc = gif->Image;
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map || !map->Colors || map->ColorCount <= 0) return QImage();
    if (!PictureSizeAllowed(desc.Width, desc.Height) || desc.Left < 0 || desc.Top < 0) return QImage();
    const bool screenGiven = gif->SWidth > 0 && gif->SHeight > 0;
    const int screenWidth = screenGiven ? gif->SWidth : desc.Left + desc.Width;
    const int screenHeight = screenGiven ? gif->SHeight : desc.Top + desc.Height;
    if (!PictureSizeAllowed(screenWidth, screenHeight)) return QImage();

    const bool covers = desc.Left == 0 && desc.Top == 0 && desc.Width >= screenWidth && desc.Height >= screenHeight;
    const bool opaque = covers && transparent < 0;
    QImage image(screenWidth, screenHeight, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    if (image.isNull()) return QImage();
    image.fill(opaque ? qRgb(0, 0, 0) : 0u);

    // Indices beyond the colour table show as the screen behind them.
    QRgb colours[256];
    for (int i = 0; i < 256; ++i) {
        const GifColorType* c = i < map->ColorCount ? &map->Colors[i] : nullptr;
        colours[i] = c ? qRgb(c->Red, c->Green, c->Blue) : (opaque ? qRgb(0, 0, 0) : 0u);
    }
    if (transparent >= 0 && transparent < 256) colours[transparent] = 0;

    // Interlaced rows come as every 8th from 0, every 8th from 4, every 4th
    // from 2, then every 2nd from 1.
    static constexpr int kFirstRow[4] = {0, 4, 2, 1};
    static constexpr int kRowStep[4] = {8, 8, 4, 2};
    const int passes = desc.Interlace ? 4 : 1;
    const int visible = qMin(desc.Width, screenWidth - desc.Left);
    std::vector<GifPixelType> line(size_t(desc.Width));
    for (int pass = 0; pass < passes; ++pass) {
        const int first = desc.Interlace ? kFirstRow[pass] : 0;
        const int step = desc.Interlace ? kRowStep[pass] : 1;
        for (int y = first; y < desc.Height; y += step) {
            if (DGifGetLine(gif, line.data(), desc.Width) != GIF_OK) return QImage();
            const int screenY = desc.Top + y;
            if (screenY >= screenHeight) continue;
            QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(screenY)) + desc.Left;
            for (int x = 0; x < visible; ++x) out[x] = colours[line[size_t(x)]];
        }
    }
    return image;
}

struct IndexedPicture {
    std::vector<QRgb> palette; // opaque colours; the transparent entry is 0
    std::vector<GifPixelType> pixels;
    int transparent = -1;
};

// GIF knows no partial transparency: pixels at least half opaque become opaque.
QRgb GifColour(QRgb pixel)
{
    return qAlpha(pixel) < 128 ? 0u : (pixel | 0xff000000u);
}

// The exact colours, or false when there are more than 256.
bool IndexExactly(const QImage& image, IndexedPicture& picture)
{
    QHash<QRgb, int> index;
    const int width = image.width();
    picture.pixels.resize(size_t(width) * size_t(image.height()));
    GifPixelType* out = picture.pixels.data();
    QRgb last = 0;
    int lastIndex = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb colour = GifColour(row[x]);
            if (colour != last || lastIndex < 0) {
                auto it = index.constFind(colour);
                if (it == index.constEnd()) {
                    if (picture.palette.size() == 256) return false;
                    it = index.insert(colour, int(picture.palette.size()));
                    picture.palette.push_back(colour);
                    if (colour == 0) picture.transparent = *it;
                }
                last = colour;
                lastIndex = *it;
            }
            *out++ = GifPixelType(lastIndex);
        }
    }
    return true;
}

// Median cut over the opaque pixels, leaving the last index for
// transparency when there is any.
void Quantise(const QImage& image, IndexedPicture& picture)
{
    const int width = image.width();
    const size_t total = size_t(width) * size_t(image.height());
    std::vector<GifByteType> red, green, blue;
    red.reserve(total);
    green.reserve(total);
    blue.reserve(total);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb colour = GifColour(row[x]);
            if (colour == 0) continue;
            red.push_back(GifByteType(qRed(colour)));
            green.push_back(GifByteType(qGreen(colour)));
            blue.push_back(GifByteType(qBlue(colour)));
        }
    }
    const size_t opaque = red.size();
    int colourCount = opaque < total ? 255 : 256;
    std::vector<GifByteType> mapped(opaque);
    GifColorType colours[256] = {};
    if (GifQuantizeBuffer(unsigned(opaque), 1, &colourCount, red.data(), green.data(), blue.data(), mapped.data(),
                          colours) != GIF_OK)
        throw StreamError::TooLarge("not enough memory to reduce the colours");

    // giflib averages colours cut to five bits per channel, which darkens
    // them; the mean of the real pixels of each entry replaces them.
    std::vector<quint64> sums(size_t(colourCount) * 4, 0);
    for (size_t i = 0; i < opaque; ++i) {
        quint64* sum = &sums[size_t(mapped[i]) * 4];
        sum[0] += red[i];
        sum[1] += green[i];
        sum[2] += blue[i];
        ++sum[3];
    }
    for (int i = 0; i < colourCount; ++i) {
        const quint64* sum = &sums[size_t(i) * 4];
        const quint64 n = sum[3];
        picture.palette.push_back(n ? qRgb(int((sum[0] + n / 2) / n), int((sum[1] + n / 2) / n),
                                           int((sum[2] + n / 2) / n))
                                    : qRgb(colours[i].Red, colours[i].Green, colours[i].Blue));
    }
    if (opaque < total) {
        picture.transparent = colourCount;
        picture.palette.push_back(0);
    }

    picture.pixels.resize(total);
    size_t next = 0;
    GifPixelType* out = picture.pixels.data();
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            *out++ = GifColour(row[x]) == 0 ? GifPixelType(picture.transparent) : mapped[next++];
    }
}

} // namespace

QSize CheckGif(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 6) throw StreamError::Truncated();
    if (std::memcmp(data, "GIF87a", 6) != 0 && std::memcmp(data, "GIF89a", 6) != 0)
        throw StreamError::BadData("not a GIF file");
    if (size < 13) throw StreamError::Truncated();
    const int screenWidth = LittleEndian16(data + 6);
    const int screenHeight = LittleEndian16(data + 8);
    const bool screenGiven = screenWidth > 0 && screenHeight > 0;
    if (screenGiven) CheckPictureSize(screenWidth, screenHeight);
    qsizetype pos = 13 + ColourTableBytes(data[10]);
    if (pos > size) throw StreamError::Truncated();

    QSize firstExtent;
    for (;;) {
        if (pos >= size) throw StreamError::Truncated();
        switch (data[pos++]) {
        case 0x21: // extension: label, then sub-blocks
            if (pos >= size) throw StreamError::Truncated();
            ++pos;
            SkipSubBlocks(data, size, pos);
            break;
        case 0x2c: { // image descriptor
            if (size - pos < 9) throw StreamError::Truncated();
            const int left = LittleEndian16(data + pos);
            const int top = LittleEndian16(data + pos + 2);
            const int width = LittleEndian16(data + pos + 4);
            const int height = LittleEndian16(data + pos + 6);
            CheckPictureSize(width, height);
            if (!firstExtent.isValid()) firstExtent = QSize(left + width, top + height);
            pos += 9 + ColourTableBytes(data[pos + 8]);
            if (pos >= size) throw StreamError::Truncated();
            const int codeSize = data[pos++];
            if (codeSize < 2 || codeSize > 8) throw StreamError::BadData("GIF code size out of range");
            SkipSubBlocks(data, size, pos);
            break;
        }
        case 0x3b: // trailer
            if (!firstExtent.isValid()) throw StreamError::BadData("GIF has no image");
            if (screenGiven) return QSize(screenWidth, screenHeight);
            CheckPictureSize(firstExtent.width(), firstExtent.height());
            return firstExtent;
        default: throw StreamError::BadData("unknown GIF block");
        }
    }
}

QImage DecodeGif(const QByteArray& bytes)
{
    GifSource source{reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(), 0};
    int error = 0;
    std::unique_ptr<GifFileType, DecoderCloser> gif(DGifOpen(&source, ReadFromMemory, &error));
    if (!gif) return QImage();
    // A graphic control extension applies to the image that follows it.
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) != GIF_OK) return QImage();
        switch (record) {
        case EXTENSION_RECORD_TYPE: {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) != GIF_OK) return QImage();
            GraphicsControlBlock control;
            if (code == GRAPHICS_EXT_FUNC_CODE && block && DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
                transparent = control.TransparentColor;
            while (block) {
                if (DGifGetExtensionNext(gif.get(), &block) != GIF_OK) return QImage();
            }
            break;
        }
        case IMAGE_DESC_RECORD_TYPE:
            if (DGifGetImageDesc(gif.get()) != GIF_OK) return QImage();
            return ComposeFrame(gif.get(), transparent);
        case TERMINATE_RECORD_TYPE: return QImage();
        default: break;
        }
    }
}

QByteArray EncodeGif(const QImage& image)
{
    if (image.isNull()) throw StreamError::BadData("no picture to write");
    if (image.width() > kMaxGifSide || image.height() > kMaxGifSide)
        throw StreamError::TooLarge("picture too large for GIF");
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    if (pixels.isNull()) throw StreamError::TooLarge("not enough memory for the picture");

    IndexedPicture picture;
    if (!IndexExactly(pixels, picture)) {
        picture = IndexedPicture();
        Quantise(pixels, picture);
    }
    // giflib takes colour tables of a power of two entries, at least two.
    const int bits = qMax(1, GifBitSize(int(picture.palette.size())));
    std::vector<GifColorType> table(size_t(1) << bits, GifColorType{0, 0, 0});
    for (size_t i = 0; i < picture.palette.size(); ++i) {
        const QRgb c = picture.palette[i];
        table[i] = GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(int(table.size()), table.data()));
    if (!map) throw StreamError::TooLarge("not enough memory for the colour table");

    QByteArray out;
    int error = 0;
    std::unique_ptr<GifFileType, EncoderCloser> gif(EGifOpen(&out, WriteToArray, &error));
    if (!gif) throw StreamError::BadData("GIF encoder failed");
    const auto fail = [] { return StreamError::BadData("GIF encoder failed"); };
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), pixels.width(), pixels.height(), bits, 0, map.get()) != GIF_OK) throw fail();
    if (picture.transparent >= 0) {
        GraphicsControlBlock control{}; // no disposal, no delay
        control.TransparentColor = picture.transparent;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_OK) throw fail();
    }
    if (EGifPutImageDesc(gif.get(), 0, 0, pixels.width(), pixels.height(), false, nullptr) != GIF_OK) throw fail();
    for (int y = 0; y < pixels.height(); ++y) {
        if (EGifPutLine(gif.get(), picture.pixels.data() + size_t(y) * size_t(pixels.width()), pixels.width()) !=
            GIF_OK)
            throw fail();
    }
    // Closing writes the trailer; giflib frees the handle either way.
    if (EGifCloseFile(gif.release(), &error) != GIF_OK) throw fail();
    return out;
}

// SPDX-License-Identifier: GPL-2.0-or-later
// Metafiles on Windows are drawn by the system's own metafile player into a
// device-independent bitmap.
#include "model/MetafileCodec.h"

#include "model/GraphicLimits.h"
#include "model/LittleEndian.h"
#include "model/MetafileHeader.h"
#include "model/StreamError.h"

#include <QPainter>
#include <QRectF>

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// The records that name an object of the metafile's handle table, and how
// many such indices each carries first. The table holds as many objects as
// the header says; an index beyond it is refused before the system player
// looks it up.
struct WmfObjectRecord {
    quint32 function;
    int indices;
};
constexpr WmfObjectRecord kWmfObjectRecords[] = {
    {0x012D, 1}, // SELECTOBJECT
    {0x01F0, 1}, // DELETEOBJECT
    {0x0234, 1}, // SELECTPALETTE
    {0x012C, 1}, // SELECTCLIPREGION
    {0x012A, 1}, // INVERTREGION
    {0x012B, 1}, // PAINTREGION
    {0x0228, 2}, // FILLREGION
    {0x0429, 2}, // FRAMEREGION
};

// The records were walked by WmfRecordsFit.
bool WmfObjectsFit(const QByteArray& bytes)
{
    const qint64 objects = LeU16(bytes, kPlaceableSize + 10);
    qint64 at = kPlaceableSize + kMetaHeaderSize;
    while (at + 6 <= bytes.size()) {
        const qint64 words = LeU32(bytes, at);
        const quint32 function = LeU16(bytes, at + 4);
        if (words < 3 || (words == 3 && function == 0)) break;
        for (const WmfObjectRecord& record : kWmfObjectRecords) {
            if (record.function != function) continue;
            if (words < 3 + record.indices) return false;
            for (int i = 0; i < record.indices; ++i)
                if (LeU16(bytes, at + 6 + 2 * i) >= objects) return false;
        }
        at += words * 2;
    }
    return true;
}

// EMF records that make an object in the handle table (at its index) and
// those that use one (an index, or a stock object with the top bit set).
constexpr quint32 kEmfMakesObject[] = {38, 39, 49, 82, 93, 94, 95, 99, 122};
constexpr quint32 kEmfUsesObject[] = {37, 40, 48, 50, 51, 100, 101};
constexpr quint32 kStockObject = 0x80000000;
constexpr quint32 kLastStockObject = 0x80000013;

// Where bitmap records keep how their colours are given: as colours or as
// palette indices, nothing else.
struct EmfUsageField {
    quint32 type;
    int at;
};
constexpr EmfUsageField kEmfUsageFields[] = {
    {76, 80}, {77, 80}, {78, 80}, {78, 108}, {79, 92}, {80, 64},
    {81, 64}, {93, 12}, {94, 12}, {114, 80}, {116, 80},
};
constexpr quint32 kEmrExtCreatePen = 95;

// Records whose points (and, for the poly-poly kinds, counts) follow a
// count at offset 24; the player reads as many as the count says.
struct EmfPointList {
    quint32 type;
    int pointSize;
    bool polyPoly;
    bool drawTypes;
};
constexpr EmfPointList kEmfPointLists[] = {
    {2, 8, false, false},  {3, 8, false, false},  {4, 8, false, false},  {5, 8, false, false},
    {6, 8, false, false},  {7, 8, true, false},   {8, 8, true, false},   {56, 8, false, true},
    {85, 4, false, false}, {86, 4, false, false}, {87, 4, false, false}, {88, 4, false, false},
    {89, 4, false, false}, {90, 4, true, false},  {91, 4, true, false},  {92, 4, false, true},
};
constexpr quint32 kEmrExtTextOutA = 83;
constexpr quint32 kEmrExtTextOutW = 84;
// Several strings each with its own offsets, which few writers ever made;
// refused rather than checked.
constexpr quint32 kEmrPolyTextOutA = 96;
constexpr quint32 kEmrPolyTextOutW = 97;

bool EmfRecordFits(const QByteArray& bytes, qint64 at, qint64 size, qint64 handles)
{
    const quint32 type = LeU32(bytes, at);
    auto field = [&](qint64 offset) { return offset + 4 <= size ? LeU32(bytes, at + offset) : ~quint32(0); };
    if (type == kEmrPolyTextOutA || type == kEmrPolyTextOutW) return false;
    for (const EmfPointList& list : kEmfPointLists) {
        if (type != list.type) continue;
        if (!list.polyPoly) {
            const qint64 points = field(24);
            if (28 + points * (list.pointSize + (list.drawTypes ? 1 : 0)) > size) return false;
            continue;
        }
        const qint64 polygons = field(24);
        const qint64 points = field(28);
        if (32 + polygons * 4 + points * list.pointSize > size) return false;
        qint64 counted = 0;
        for (qint64 i = 0; i < polygons; ++i) counted += field(32 + 4 * i);
        if (counted != points) return false;
    }
    if (type == kEmrExtTextOutA || type == kEmrExtTextOutW) {
        const qint64 characters = field(44);
        const qint64 offString = field(48);
        const qint64 offDx = field(72);
        if (offString + characters * (type == kEmrExtTextOutW ? 2 : 1) > size) return false;
        if (offDx && offDx + characters * 8 > size) return false;
    }
    for (quint32 maker : kEmfMakesObject)
        if (type == maker && (field(8) == 0 || field(8) >= handles)) return false;
    for (quint32 user : kEmfUsesObject)
        if (type == user && field(8) >= handles && (field(8) < kStockObject || field(8) > kLastStockObject))
            return false;
    for (const EmfUsageField& usage : kEmfUsageFields)
        if (type == usage.type && field(usage.at) > DIB_PAL_COLORS) return false;
    // A pen's pattern bitmap lies within its record.
    if (type == kEmrExtCreatePen) {
        const qint64 offBmi = field(12);
        const qint64 cbBmi = field(16);
        const qint64 offBits = field(20);
        const qint64 cbBits = field(24);
        if (cbBmi && (offBmi + cbBmi > size || offBits + cbBits > size)) return false;
    }
    return true;
}

// The records up to end were walked by CheckEmf. The system player looks
// up object indices and bitmap fields as they come; those are checked here.
bool EmfRecordsFit(const QByteArray& bytes, qint64 end)
{
    // The reference device, in pixels and in millimetres, scales the whole
    // drawing: a resolution no device has is refused rather than played.
    for (qint64 at : {72, 76}) {
        const qint64 pixels = LeI32(bytes, at);
        const qint64 millimetres = LeI32(bytes, at + 8);
        if (pixels <= 0 || millimetres <= 0 || pixels > kMaxPictureSide * 16 || millimetres > 100000 ||
            pixels * 25 > millimetres * 100000 || pixels * 100 < millimetres)
            return false;
    }
    const qint64 handles = LeU16(bytes, 56);
    qint64 at = LeU32(bytes, 4);
    while (at < end) {
        const qint64 size = LeU32(bytes, at + 4);
        if (!EmfRecordFits(bytes, at, size, handles)) return false;
        at += size;
    }
    return EmfBitmapsFit(bytes, end);
}

// A 32-bit top-down bitmap selected into a memory device context.
class TDibCanvas {
public:
    explicit TDibCanvas(QSize size) : m_size(size)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size.width();
        info.bmiHeader.biHeight = -size.height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_dc = CreateCompatibleDC(nullptr);
        if (!m_dc) return;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
        if (m_bitmap) m_old = SelectObject(m_dc, m_bitmap);
    }
    ~TDibCanvas()
    {
        if (m_old) SelectObject(m_dc, m_old);
        if (m_bitmap) DeleteObject(m_bitmap);
        if (m_dc) DeleteDC(m_dc);
    }
    TDibCanvas(const TDibCanvas&) = delete;
    TDibCanvas& operator=(const TDibCanvas&) = delete;

    bool Valid() const { return m_bits != nullptr && m_old != nullptr; }
    HDC Dc() const { return m_dc; }
    // Every byte of every pixel set to value: 0xFF white, 0 black.
    void Fill(unsigned char value)
    {
        std::memset(m_bits, value, size_t(m_size.width()) * size_t(m_size.height()) * 4);
    }
    const quint32* Pixels()
    {
        GdiFlush();
        return static_cast<const quint32*>(m_bits);
    }

private:
    QSize m_size;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    void* m_bits = nullptr;
};

// A metafile handle of either kind, ready to play into a device context.
class TSystemMetafile {
public:
    explicit TSystemMetafile(const QByteArray& bytes)
    {
        const auto* data = reinterpret_cast<const BYTE*>(bytes.constData());
        if (LeU32(bytes, 0) == kEmrHeader) {
            // Only the records up to the end-of-file record, which the
            // header check found inside the data.
            qint64 end = 0;
            CheckEmf(bytes, &end);
            if (EmfRecordsFit(bytes, end)) m_emf = SetEnhMetaFileBits(UINT(end), data);
            return;
        }
        CheckPlaceableWmf(bytes);
        // The placeable header's box, in the metafile's logical units,
        // becomes the picture; the records after the header are a plain
        // Windows metafile.
        m_box = QRect(QPoint(int(LeI16(bytes, 6)), int(LeI16(bytes, 8))),
                      QPoint(int(LeI16(bytes, 10)) - 1, int(LeI16(bytes, 12)) - 1));
        // The system player goes by the size in the metafile's header,
        // which the header check found inside the data; every record must
        // lie within it.
        const QByteArray metafile = bytes.left(qsizetype(kPlaceableSize + LeU32(bytes, kPlaceableSize + 6) * 2));
        QPoint origin;
        if (!WmfRecordsFit(metafile, &origin) || !WmfObjectsFit(metafile)) return;
        m_wmf = SetMetaFileBitsEx(UINT(metafile.size() - kPlaceableSize), data + kPlaceableSize);
    }
    ~TSystemMetafile()
    {
        if (m_emf) DeleteEnhMetaFile(m_emf);
        if (m_wmf) DeleteMetaFile(m_wmf);
    }
    TSystemMetafile(const TSystemMetafile&) = delete;
    TSystemMetafile& operator=(const TSystemMetafile&) = delete;

    bool Valid() const { return m_emf || m_wmf; }

    void Play(HDC dc, QSize size) const
    {
        const int saved = SaveDC(dc);
        if (m_emf) {
            const RECT target{0, 0, size.width(), size.height()};
            PlayEnhMetaFile(dc, m_emf, &target);
        } else {
            // The box maps onto the whole bitmap, as a placeable metafile
            // is meant to be shown; records of the file that set the
            // window themselves still take precedence.
            SetMapMode(dc, MM_ANISOTROPIC);
            SetWindowOrgEx(dc, m_box.left(), m_box.top(), nullptr);
            SetWindowExtEx(dc, m_box.width(), m_box.height(), nullptr);
            SetViewportOrgEx(dc, 0, 0, nullptr);
            SetViewportExtEx(dc, size.width(), size.height(), nullptr);
            PlayMetaFile(dc, m_wmf);
        }
        RestoreDC(dc, saved);
    }

private:
    HENHMETAFILE m_emf = nullptr;
    HMETAFILE m_wmf = nullptr;
    QRect m_box;
};

// GDI writes colours only and leaves the alpha bytes meaningless, so the
// drawing is played twice, over white and over black. A pixel the drawing
// covers comes out the same on both; one it leaves alone differs by the
// full 255; one it blends (an alpha-blended bitmap) differs by what shows
// through. Over black the pixel is the premultiplied colour itself, and
// white minus black is 255 times the part that shows through.
QImage CombineAlpha(const quint32* onWhite, const quint32* onBlack, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return QImage();
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        const qsizetype row = qsizetype(y) * size.width();
        for (int x = 0; x < size.width(); ++x) {
            const quint32 white = onWhite[row + x];
            const quint32 black = onBlack[row + x];
            int showThrough = 0;
            for (int shift : {0, 8, 16})
                showThrough = std::max(showThrough, int((white >> shift) & 0xFF) - int((black >> shift) & 0xFF));
            const int alpha = 255 - showThrough;
            // Raster operations that are no blend (an inverting pen) can
            // give a colour above the alpha; it is held to it.
            const quint32 red = quint32(std::min(alpha, int((black >> 16) & 0xFF)));
            const quint32 green = quint32(std::min(alpha, int((black >> 8) & 0xFF)));
            const quint32 blue = quint32(std::min(alpha, int(black & 0xFF)));
            line[x] = quint32(alpha) << 24 | red << 16 | green << 8 | blue;
        }
    }
    return image;
}

} // namespace

QByteArray MetafileToSvg(const QByteArray&)
{
    return QByteArray();
}

QImage RenderMetafile(const QByteArray& bytes, QSize size)
{
    try {
        CheckPictureSize(size.width(), size.height());
        const TSystemMetafile metafile(bytes);
        if (!metafile.Valid()) return QImage();
        TDibCanvas white(size);
        TDibCanvas black(size);
        if (!white.Valid() || !black.Valid()) return QImage();
        white.Fill(0xFF);
        black.Fill(0);
        metafile.Play(white.Dc(), size);
        metafile.Play(black.Dc(), size);
        return CombineAlpha(white.Pixels(), black.Pixels(), size);
    } catch (const StreamError&) {
        return QImage();
    }
}

void DrawMetafile(QPainter& painter, const QRectF& target, const QByteArray& bytes)
{
    // Drawn at the size the target has on the device, so a scaled painter
    // gets a sharp picture rather than a stretched one.
    const QSize size = painter.worldTransform().mapRect(target).size().toSize().expandedTo(QSize(1, 1));
    const QImage image = RenderMetafile(bytes, size);
    if (!image.isNull()) painter.drawImage(target, image);
}

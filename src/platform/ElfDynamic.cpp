// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ElfDynamic.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

namespace {

constexpr quint32 kPtLoad = 1;
constexpr quint32 kPtDynamic = 2;
constexpr qint64 kEntrySize = 16;
constexpr qint64 kProgramHeaderSize = 56;
// No real program has more; a larger count is a damaged header.
constexpr quint16 kMostProgramHeaders = 4096;
constexpr qint64 kMostStringTable = 64 << 20;

bool Fail(QString* error, const QString& reason)
{
    if (error) *error = reason;
    return false;
}

bool InFile(quint64 offset, quint64 size, qint64 fileSize)
{
    return offset <= quint64(fileSize) && size <= quint64(fileSize) - offset;
}

bool ReadAt(QFile& file, qint64 offset, char* buffer, qint64 count)
{
    return file.seek(offset) && file.read(buffer, count) == count;
}

struct Segment {
    quint32 type;
    quint64 offset, address, fileSize;
};

constexpr qint64 kDtVerneed = 0x6ffffffe;
constexpr qint64 kDtVerneedNum = 0x6fffffff;
// More version records than any real file has: a damaged count.
constexpr quint64 kMostVersionRecords = 4096;

} // namespace

QList<QByteArray> ElfDynamic::Needed() const
{
    QList<QByteArray> needed;
    for (const ElfDynamicEntry& entry : entries)
        if (entry.tag == kDtNeeded) needed.append(String(entry.value));
    return needed;
}

QByteArray ElfDynamic::SearchPath() const
{
    QByteArray runpath;
    for (const ElfDynamicEntry& entry : entries) {
        if (entry.tag == kDtRpath) return String(entry.value);
        if (entry.tag == kDtRunpath) runpath = String(entry.value);
    }
    return runpath;
}

QByteArray ElfDynamic::String(quint64 offset) const
{
    if (offset >= quint64(strings.size())) return {};
    const char* start = strings.constData() + offset;
    return QByteArray(start, qsizetype(qstrnlen(start, size_t(strings.size() - qsizetype(offset)))));
}

bool ReadElfDynamic(QFile& file, ElfDynamic& dynamic, QString* error)
{
    dynamic = {};
    const qint64 fileSize = file.size();
    uchar header[64];
    if (!ReadAt(file, 0, reinterpret_cast<char*>(header), sizeof header)
        || std::memcmp(header, "\x7F" "ELF", 4) != 0)
        return Fail(error, QStringLiteral("not an ELF file"));
    if (header[4] != 2 || header[5] != 1) return Fail(error, QStringLiteral("not a 64-bit little-endian ELF file"));

    const quint64 tableOffset = qFromLittleEndian<quint64>(header + 0x20);
    const quint16 entrySize = qFromLittleEndian<quint16>(header + 0x36);
    const quint16 count = qFromLittleEndian<quint16>(header + 0x38);
    if (entrySize < kProgramHeaderSize || count > kMostProgramHeaders
        || !InFile(tableOffset, quint64(entrySize) * count, fileSize))
        return Fail(error, QStringLiteral("damaged program headers"));
    QByteArray table(qsizetype(entrySize) * count, Qt::Uninitialized);
    if (!ReadAt(file, qint64(tableOffset), table.data(), table.size()))
        return Fail(error, QStringLiteral("damaged program headers"));

    bool hasDynamic = false;
    Segment found{};
    for (int i = 0; i < count; ++i) {
        const auto* p = reinterpret_cast<const uchar*>(table.constData()) + i * entrySize;
        const Segment segment{qFromLittleEndian<quint32>(p), qFromLittleEndian<quint64>(p + 8),
                              qFromLittleEndian<quint64>(p + 16), qFromLittleEndian<quint64>(p + 32)};
        if (segment.type == kPtLoad) dynamic.loads.append({segment.offset, segment.address, segment.fileSize});
        if (segment.type == kPtDynamic) {
            found = segment;
            hasDynamic = true;
        }
    }
    if (!hasDynamic) return Fail(error, QStringLiteral("no dynamic section"));
    if (!InFile(found.offset, found.fileSize, fileSize)) return Fail(error, QStringLiteral("damaged dynamic section"));

    dynamic.tableOffset = qint64(found.offset);
    dynamic.capacity = qint64(found.fileSize) / kEntrySize;
    QByteArray entries(dynamic.capacity * kEntrySize, Qt::Uninitialized);
    if (!ReadAt(file, dynamic.tableOffset, entries.data(), entries.size()))
        return Fail(error, QStringLiteral("damaged dynamic section"));
    quint64 stringsAddress = 0, stringsSize = 0;
    bool terminated = false;
    for (qint64 i = 0; i < dynamic.capacity; ++i) {
        const auto* p = reinterpret_cast<const uchar*>(entries.constData()) + i * kEntrySize;
        const ElfDynamicEntry entry{qFromLittleEndian<qint64>(p), qFromLittleEndian<quint64>(p + 8)};
        if (entry.tag == kDtNull) {
            terminated = true;
            break;
        }
        if (entry.tag == kDtStrtab) stringsAddress = entry.value;
        if (entry.tag == kDtStrsz) stringsSize = entry.value;
        dynamic.entries.append(entry);
    }
    if (!terminated) return Fail(error, QStringLiteral("the dynamic section has no end"));

    // The string table is named by its address once loaded; the load
    // segment that holds it gives its place in the file.
    for (const ElfLoadSegment& load : dynamic.loads) {
        if (stringsAddress < load.address || stringsAddress - load.address >= load.fileSize) continue;
        const quint64 offset = load.offset + (stringsAddress - load.address);
        if (stringsSize > quint64(kMostStringTable) || stringsSize > load.fileSize - (stringsAddress - load.address)
            || !InFile(offset, stringsSize, fileSize))
            break;
        dynamic.stringsOffset = qint64(offset);
        dynamic.strings.resize(qsizetype(stringsSize));
        if (!ReadAt(file, dynamic.stringsOffset, dynamic.strings.data(), dynamic.strings.size())) break;
        return true;
    }
    return Fail(error, QStringLiteral("damaged string table"));
}

namespace {

bool WriteEntries(QFile& file, const ElfDynamic& dynamic, const QList<ElfDynamicEntry>& entries, QString* error)
{
    // Every slot is written: the entries, then DT_NULL to the end.
    QByteArray bytes(dynamic.capacity * kEntrySize, '\0');
    auto* p = reinterpret_cast<uchar*>(bytes.data());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        qToLittleEndian<qint64>(entries[i].tag, p + i * kEntrySize);
        qToLittleEndian<quint64>(entries[i].value, p + i * kEntrySize + 8);
    }
    if (!file.seek(dynamic.tableOffset) || file.write(bytes) != bytes.size() || !file.flush())
        return Fail(error, file.errorString());
    return true;
}

// Where a whole text stands in the string table, as a dynamic entry names
// it; -1 when it does not.
qint64 StringOffset(const QByteArray& strings, const QByteArray& text)
{
    for (qsizetype from = 0;;) {
        const qsizetype at = strings.indexOf(text, from);
        if (at < 0) return -1;
        const bool starts = at == 0 || strings[at - 1] == '\0';
        const bool ends = at + text.size() < strings.size() && strings[at + text.size()] == '\0';
        if (starts && ends) return at;
        from = at + 1;
    }
}

} // namespace

bool ParkSearchPath(QFile& file, QString* error)
{
    ElfDynamic dynamic;
    if (!ReadElfDynamic(file, dynamic, error)) return false;
    QList<ElfDynamicEntry> kept;
    for (const ElfDynamicEntry& entry : dynamic.entries)
        if (entry.tag != kDtRpath && entry.tag != kDtRunpath) kept.append(entry);
    if (kept.size() == dynamic.entries.size()) return Fail(error, QStringLiteral("no search path to park"));
    return WriteEntries(file, dynamic, kept, error);
}

bool RestoreSearchPath(QFile& file, const QByteArray& path, QString* error)
{
    ElfDynamic dynamic;
    if (!ReadElfDynamic(file, dynamic, error)) return false;
    if (dynamic.SearchPath() == path) return true;
    for (const ElfDynamicEntry& entry : dynamic.entries)
        if (entry.tag == kDtRpath || entry.tag == kDtRunpath)
            return Fail(error, QStringLiteral("the program has another search path"));
    const qint64 offset = StringOffset(dynamic.strings, path);
    if (offset < 0) return Fail(error, QStringLiteral("the program carries no parked search path"));
    // The new entry and the DT_NULL that still ends the array.
    if (dynamic.entries.size() + 2 > dynamic.capacity)
        return Fail(error, QStringLiteral("the dynamic section has no spare slot"));
    QList<ElfDynamicEntry> entries = dynamic.entries;
    entries.append({kDtRpath, quint64(offset)});
    return WriteEntries(file, dynamic, entries, error);
}

bool PointSearchPathAtOrigin(QFile& file, QString* error)
{
    static const QByteArray origin = QByteArrayLiteral("$ORIGIN");
    ElfDynamic dynamic;
    if (!ReadElfDynamic(file, dynamic, error)) return false;
    bool changed = false;
    for (const ElfDynamicEntry& entry : dynamic.entries) {
        if (entry.tag != kDtRpath && entry.tag != kDtRunpath) continue;
        const QByteArray path = dynamic.String(entry.value);
        if (path == origin) continue;
        if (path.size() < origin.size()) return Fail(error, QStringLiteral("the search path is too short to rewrite"));
        // Another entry naming the tail of this text would change with it.
        for (const ElfDynamicEntry& other : dynamic.entries)
            if (&other != &entry && other.value > entry.value && other.value <= entry.value + quint64(path.size())
                && (other.tag == kDtNeeded || other.tag == kDtSoname || other.tag == kDtRpath || other.tag == kDtRunpath))
                return Fail(error, QStringLiteral("the search path shares its text"));
        QByteArray replacement = origin;
        replacement.append(path.size() - origin.size() + 1, '\0');
        if (!file.seek(dynamic.stringsOffset + qint64(entry.value)) || file.write(replacement) != replacement.size())
            return Fail(error, file.errorString());
        changed = true;
    }
    if (changed && !file.flush()) return Fail(error, file.errorString());
    return true;
}

namespace {

// The file offset of a loaded address; -1 outside every load segment.
qint64 FileOffset(const ElfDynamic& dynamic, quint64 address, quint64 size)
{
    for (const ElfLoadSegment& load : dynamic.loads)
        if (address >= load.address && address - load.address < load.fileSize
            && size <= load.fileSize - (address - load.address))
            return qint64(load.offset + (address - load.address));
    return -1;
}

} // namespace

QList<std::pair<QByteArray, QByteArray>> NeededVersions(QFile& file, const ElfDynamic& dynamic)
{
    QList<std::pair<QByteArray, QByteArray>> versions;
    quint64 address = 0, count = 0;
    for (const ElfDynamicEntry& entry : dynamic.entries) {
        if (entry.tag == kDtVerneed) address = entry.value;
        if (entry.tag == kDtVerneedNum) count = entry.value;
    }
    const qint64 fileSize = file.size();
    quint64 records = 0;
    // Each record names a file and chains its versions; the next record
    // and the next version are at offsets from the current one.
    for (quint64 i = 0; i < count && address != 0; ++i) {
        uchar need[16];
        const qint64 at = FileOffset(dynamic, address, sizeof need);
        if (at < 0 || !InFile(quint64(at), sizeof need, fileSize) || !ReadAt(file, at, reinterpret_cast<char*>(need), sizeof need))
            return {};
        const QByteArray fileName = dynamic.String(qFromLittleEndian<quint32>(need + 4));
        const quint16 auxCount = qFromLittleEndian<quint16>(need + 2);
        quint64 auxAddress = address + qFromLittleEndian<quint32>(need + 8);
        for (quint16 j = 0; j < auxCount; ++j) {
            if (++records > kMostVersionRecords) return {};
            uchar aux[16];
            const qint64 auxAt = FileOffset(dynamic, auxAddress, sizeof aux);
            if (auxAt < 0 || !ReadAt(file, auxAt, reinterpret_cast<char*>(aux), sizeof aux)) return {};
            versions.append({fileName, dynamic.String(qFromLittleEndian<quint32>(aux + 8))});
            const quint32 next = qFromLittleEndian<quint32>(aux + 12);
            if (next == 0) break;
            auxAddress += next;
        }
        const quint32 next = qFromLittleEndian<quint32>(need + 12);
        if (next == 0) break;
        address += next;
        if (++records > kMostVersionRecords) return {};
    }
    return versions;
}

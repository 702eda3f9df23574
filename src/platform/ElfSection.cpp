// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ElfSection.h"

#include "platform/PatchError.h"

#include <QByteArray>
#include <QtEndian>

#include <algorithm>

namespace {

constexpr uchar kMagic[4] = {0x7F, 'E', 'L', 'F'};
constexpr uchar kClass32 = 1;
constexpr uchar kClass64 = 2;
constexpr uchar kLittleEndian = 1;
constexpr quint32 kNoBits = 8;
constexpr quint32 kExtendedIndex = 0xFFFF;

// The fields of the file header and of one section header used here, at
// their offsets for one ELF class.
struct ElfLayout {
    int headerSize;
    int shoff, shentsize, shnum, shstrndx;
    int sectionSize;
    int name, type, offset, size, link;
    bool wide;
};

constexpr ElfLayout kElf32{52, 0x20, 0x2E, 0x30, 0x32, 40, 0, 4, 16, 20, 24, false};
constexpr ElfLayout kElf64{64, 0x28, 0x3A, 0x3C, 0x3E, 64, 0, 4, 24, 32, 40, true};

quint64 Word(const uchar* p, bool wide)
{
    return wide ? qFromLittleEndian<quint64>(p) : qFromLittleEndian<quint32>(p);
}

struct Section {
    quint32 name, type, link;
    quint64 offset, size;
};

Section ReadSection(const QByteArray& table, qint64 index, qint64 entrySize, const ElfLayout& elf)
{
    const auto* p = reinterpret_cast<const uchar*>(table.constData()) + index * entrySize;
    return {qFromLittleEndian<quint32>(p + elf.name), qFromLittleEndian<quint32>(p + elf.type),
            qFromLittleEndian<quint32>(p + elf.link), Word(p + elf.offset, elf.wide),
            Word(p + elf.size, elf.wide)};
}

bool InFile(quint64 offset, quint64 size, qint64 fileSize)
{
    return offset <= quint64(fileSize) && size <= quint64(fileSize) - offset;
}

QByteArray ReadSpan(TFile& file, quint64 offset, quint64 size)
{
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    file.Seek(qint64(offset));
    file.ReadExact(bytes.data(), bytes.size());
    return bytes;
}

} // namespace

bool HasElfMagic(TFile& file)
{
    uchar magic[4];
    file.Seek(0);
    return file.Read(magic, 4) == 4 && std::equal(magic, magic + 4, kMagic);
}

FileSpan FindElfSection(TFile& file, QByteArrayView name)
{
    uchar header[64];
    file.Seek(0);
    file.ReadExact(header, 52);
    if (header[5] != kLittleEndian || (header[4] != kClass32 && header[4] != kClass64))
        throw EPatchError("File isn't a supported ELF file (1)");
    const ElfLayout& elf = header[4] == kClass64 ? kElf64 : kElf32;
    file.ReadExact(header + 52, elf.headerSize - 52);

    const qint64 fileSize = file.Size();
    const quint64 tableOffset = Word(header + elf.shoff, elf.wide);
    const quint16 entrySize = qFromLittleEndian<quint16>(header + elf.shentsize);
    if (tableOffset == 0) throw EPatchError("No version section (1)");
    if (entrySize < elf.sectionSize || !InFile(tableOffset, entrySize, fileSize))
        throw EPatchError("File isn't a supported ELF file (2)");

    // Section 0 holds the count and the string table index when they do
    // not fit the file header.
    const Section first = ReadSection(ReadSpan(file, tableOffset, entrySize), 0, entrySize, elf);
    quint64 count = qFromLittleEndian<quint16>(header + elf.shnum);
    if (count == 0) count = first.size;
    quint64 namesIndex = qFromLittleEndian<quint16>(header + elf.shstrndx);
    if (namesIndex == kExtendedIndex) namesIndex = first.link;
    if (count > quint64(fileSize) / entrySize || !InFile(tableOffset, count * entrySize, fileSize)
        || namesIndex >= count)
        throw EPatchError("File isn't a supported ELF file (2)");

    const QByteArray table = ReadSpan(file, tableOffset, count * entrySize);
    const Section names = ReadSection(table, qint64(namesIndex), entrySize, elf);
    if (names.type == kNoBits || !InFile(names.offset, names.size, fileSize))
        throw EPatchError("File isn't a supported ELF file (2)");
    const QByteArray strings = ReadSpan(file, names.offset, names.size);

    for (quint64 i = 1; i < count; ++i) {
        const Section section = ReadSection(table, qint64(i), entrySize, elf);
        if (section.name >= quint64(strings.size())) continue;
        const char* start = strings.constData() + section.name;
        const qsizetype room = strings.size() - qsizetype(section.name);
        const qsizetype length = qsizetype(qstrnlen(start, size_t(room)));
        if (length == room || QByteArrayView(start, length) != name) continue;
        if (section.type == kNoBits || section.size == 0) throw EPatchError("No version section (2)");
        if (!InFile(section.offset, section.size, fileSize)) throw EPatchError("Invalid version section (1)");
        return {qint64(section.offset), qint64(section.size)};
    }
    throw EPatchError("No version section (1)");
}

// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/PeResources.h"

#include "platform/PatchError.h"

#include <QByteArray>
#include <QtEndian>

namespace {

constexpr quint16 kMz = 0x5A4D;
constexpr quint32 kPeSignature = 0x4550;
constexpr quint16 kPe32OptionalSize = 224;
constexpr quint16 kPe32PlusOptionalSize = 240;
constexpr quint16 kPe32Magic = 0x10B;
constexpr quint16 kPe32PlusMagic = 0x20B;
// Where data directory entry 2 (resources) sits in each optional header.
constexpr int kPe32ResourceDirectory = 112;
constexpr int kPe32PlusResourceDirectory = 128;
constexpr int kSectionHeaderSize = 40;
constexpr int kDirectoryEntrySize = 8;
constexpr quint32 kSubDirectoryBit = 0x80000000u;

quint16 Le16(const uchar* p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 Le32(const uchar* p)
{
    return qFromLittleEndian<quint32>(p);
}

template <int N>
void ReadInto(TFile& file, uchar (&bytes)[N])
{
    file.ReadExact(bytes, N);
}

} // namespace

PeResourceSection LocateResourceSection(TFile& file, PeImageKinds kinds)
{
    file.Seek(0);
    uchar mz[2];
    ReadInto(file, mz);
    if (Le16(mz) != kMz) throw EPatchError("File isn't an EXE file (1)");

    file.Seek(60);
    uchar offset[4];
    ReadInto(file, offset);
    if (Le32(offset) == 0) throw EPatchError("File isn't a PE file (1)");

    file.Seek(Le32(offset));
    uchar signature[4];
    ReadInto(file, signature);
    if (Le32(signature) != kPeSignature) throw EPatchError("File isn't a PE file (2)");

    uchar header[20];
    ReadInto(file, header);
    const quint16 optionalSize = Le16(header + 16);
    const bool plus = kinds == PeImageKinds::Pe32AndPe32Plus && optionalSize == kPe32PlusOptionalSize;
    if (optionalSize != kPe32OptionalSize && !plus) throw EPatchError("File isn't a PE file (3)");

    uchar optional[kPe32PlusOptionalSize];
    file.ReadExact(optional, optionalSize);
    if (Le16(optional) != (plus ? kPe32PlusMagic : kPe32Magic)) throw EPatchError("File isn't a PE file (4)");
    const uchar* directory = optional + (plus ? kPe32PlusResourceDirectory : kPe32ResourceDirectory);
    const quint32 resourceAddress = Le32(directory);
    if (resourceAddress == 0 || Le32(directory + 4) == 0) throw EPatchError("No resources (1)");

    const quint16 sectionCount = Le16(header + 2);
    for (int i = 0; i < sectionCount; ++i) {
        uchar section[kSectionHeaderSize];
        ReadInto(file, section);
        const quint32 rawSize = Le32(section + 16);
        if (Le32(section + 12) != resourceAddress || rawSize == 0) continue;
        const quint32 rawOffset = Le32(section + 20);
        if (rawOffset == 0) break;
        return {resourceAddress, rawOffset, rawSize};
    }
    throw EPatchError("No resources (2)");
}

std::optional<quint32> FindDirectoryEntry(TFile& file, bool takeFirst, quint32 id, bool wantDirectory)
{
    uchar header[16];
    ReadInto(file, header);
    const quint16 namedCount = Le16(header + 12);
    const quint16 idCount = Le16(header + 14);

    QByteArray named(qsizetype(namedCount) * kDirectoryEntrySize, Qt::Uninitialized);
    file.ReadExact(named.data(), named.size());

    for (int i = 0; i < idCount; ++i) {
        uchar entry[kDirectoryEntrySize];
        ReadInto(file, entry);
        const quint32 target = Le32(entry + 4);
        const bool isDirectory = (target & kSubDirectoryBit) != 0;
        if ((takeFirst || Le32(entry) == id) && isDirectory == wantDirectory)
            return target & ~kSubDirectoryBit;
    }
    return std::nullopt;
}

quint32 LocateResourceData(TFile& file, quint32 resType, quint32 resId, PeImageKinds kinds)
{
    const PeResourceSection section = LocateResourceSection(file, kinds);
    file.Seek(section.rawOffset);

    const auto type = FindDirectoryEntry(file, false, resType, true);
    if (!type) throw EPatchError("Can't find resource (1)");
    file.Seek(qint64(section.rawOffset) + *type);

    const auto name = FindDirectoryEntry(file, false, resId, true);
    if (!name) throw EPatchError("Can't find resource (2)");
    file.Seek(qint64(section.rawOffset) + *name);

    const auto language = FindDirectoryEntry(file, true, 0, false);
    if (!language) throw EPatchError("Can't find resource (3).");
    file.Seek(qint64(section.rawOffset) + *language);

    uchar data[16];
    ReadInto(file, data);
    const quint32 address = Le32(data);
    const quint32 size = Le32(data + 4);
    if (address < section.virtualAddress) throw EPatchError("Invalid resource (1)");
    // Summed in 64 bits so that a huge size cannot wrap round into range.
    if (quint64(address - section.virtualAddress) + size > section.rawSize)
        throw EPatchError("Invalid resource (2)");
    file.Seek(qint64(section.rawOffset) + (address - section.virtualAddress));
    return size;
}

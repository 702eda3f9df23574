// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ExeVersionTree.h"

#include "platform/ElfSection.h"
#include "platform/VersionTree.h"

namespace {

constexpr quint32 kVersionResourceType = 16;
constexpr quint32 kVersionResourceId = 1;

} // namespace

ExeVersionTree LoadExeVersionTree(TFile& file, PeImageKinds kinds)
{
    ExeVersionTree tree;
    qint64 size = 0;
    if (HasElfMagic(file)) {
        const FileSpan span = FindElfSection(file, kVersionSectionName);
        tree.offset = span.offset;
        size = span.size;
        file.Seek(tree.offset);
    } else {
        size = LocateResourceData(file, kVersionResourceType, kVersionResourceId, kinds);
        tree.offset = file.Position();
    }
    // A size beyond the end of the file would fail the read anyway; failing
    // first keeps a damaged size from allocating.
    if (size > file.Size() - tree.offset) throw EFileError::ShortRead();
    tree.bytes.resize(qsizetype(size));
    file.ReadExact(tree.bytes.data(), size);
    return tree;
}

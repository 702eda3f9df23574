// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "platform/ExeFile.h"

#include <QtGlobal>

#include <optional>

// The resources of a PE image, walked through its headers and resource
// directory with plain file reads. Failures raise EPatchError or EFileError.

// The in-place patch takes 32-bit images only; reading also takes 64-bit
// ones, whose version resource the system reads just the same.
enum class PeImageKinds { Pe32Only, Pe32AndPe32Plus };

struct PeResourceSection {
    quint32 virtualAddress = 0;
    quint32 rawOffset = 0;
    quint32 rawSize = 0;
};

// The section holding the resource directory, which must begin at its
// start.
PeResourceSection LocateResourceSection(TFile& file, PeImageKinds kinds);

// Reads the directory at the file position. The first id entry that matches
// (any id when takeFirst, else that id) and leads to a sub-directory or to
// data as wantDirectory says; its offset from the section start, or nothing.
// Named entries never match.
std::optional<quint32> FindDirectoryEntry(TFile& file, bool takeFirst, quint32 id, bool wantDirectory);

// Leaves the file at the first byte of the data of the resource of that
// type and id, first language, and returns its size in bytes.
quint32 LocateResourceData(TFile& file, quint32 resType, quint32 resId,
                           PeImageKinds kinds = PeImageKinds::Pe32Only);

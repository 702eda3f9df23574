// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "platform/ExeFile.h"

#include <QByteArrayView>
#include <QtGlobal>

// Where a section's bytes lie in the file.
struct FileSpan {
    qint64 offset = 0;
    qint64 size = 0;
};

// True when the file starts with the ELF magic; leaves the position anywhere.
bool HasElfMagic(TFile& file);

// The section of that name in a little-endian ELF file of either class,
// found through the section headers and their string table, which a
// stripped file keeps. Raises EPatchError when the file is another kind of
// ELF, its headers are damaged or the section is missing or empty.
FileSpan FindElfSection(TFile& file, QByteArrayView name);

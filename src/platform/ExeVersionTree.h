// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "platform/ExeFile.h"
#include "platform/PeResources.h"

#include <QByteArray>
#include <QtGlobal>

// The version tree of an executable and where it lies in the file.
struct ExeVersionTree {
    qint64 offset = 0;
    QByteArray bytes;
};

// A PE file's version resource (type 16, id 1, first language), or the
// version section of an ELF file. Raises EPatchError when there is none
// or the file is of neither kind, EFileError when reading fails; the
// buffer never exceeds what the file holds.
ExeVersionTree LoadExeVersionTree(TFile& file, PeImageKinds kinds);

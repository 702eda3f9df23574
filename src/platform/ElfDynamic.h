// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <utility>

class QFile;

// The dynamic section of a 64-bit little-endian ELF file (a program or a
// shared library of this machine), found through the program headers, so
// stripped files work too. Every offset read from the file is checked
// against its size before it is used.
struct ElfDynamicEntry {
    qint64 tag = 0;
    quint64 value = 0;
};

struct ElfLoadSegment {
    quint64 offset = 0, address = 0, fileSize = 0;
};

struct ElfDynamic {
    QList<ElfDynamicEntry> entries; // up to and without the first DT_NULL
    qint64 capacity = 0;            // room in the dynamic segment, in entries
    qint64 tableOffset = 0;         // file offset of the dynamic array
    qint64 stringsOffset = 0;       // file offset of its string table
    QByteArray strings;             // the string table itself
    QList<ElfLoadSegment> loads;    // to find what entries name by address

    QList<QByteArray> Needed() const;
    QByteArray SearchPath() const;  // DT_RPATH, else DT_RUNPATH; empty without
    QByteArray String(quint64 offset) const;
};

constexpr qint64 kDtNull = 0;
constexpr qint64 kDtNeeded = 1;
constexpr qint64 kDtStrtab = 5;
constexpr qint64 kDtStrsz = 10;
constexpr qint64 kDtSoname = 14;
constexpr qint64 kDtRpath = 15;
constexpr qint64 kDtRunpath = 29;

// Reads the dynamic section; false with a reason in *error when the file is
// no such ELF file, has no dynamic section or its tables are damaged.
bool ReadElfDynamic(QFile& file, ElfDynamic& dynamic, QString* error = nullptr);

// The symbol versions the file needs of other files ("GLIBC_2.34" of
// "libc.so.6"), as pairs of file and version; empty where it needs none
// or the table is damaged.
QList<std::pair<QByteArray, QByteArray>> NeededVersions(QFile& file, const ElfDynamic& dynamic);

// The library search path of a program that is linked with one and then
// parked (see ParkSearchPath) can be switched on in a copy of it: these
// edit a file opened for reading and writing, and return false with a
// reason, changing nothing, when they cannot.
//
// ParkSearchPath takes the DT_RPATH entry out of the dynamic array, moving
// the later entries up and leaving a spare DT_NULL at its end; the path's
// text stays in the string table, unused. The program then has no search
// path.
bool ParkSearchPath(QFile& file, QString* error = nullptr);
// RestoreSearchPath gives a parked program the DT_RPATH `path`, which must
// be a text of its string table, in the spare slot. A program that has
// that search path already is left alone.
bool RestoreSearchPath(QFile& file, const QByteArray& path, QString* error = nullptr);
// PointSearchPathAtOrigin makes a library's own DT_RPATH or DT_RUNPATH the
// folder it lies in ("$ORIGIN"), overwriting the text in place: a copied
// library then finds the copies beside it instead of the system's folder
// it was built for.
bool PointSearchPathAtOrigin(QFile& file, QString* error = nullptr);

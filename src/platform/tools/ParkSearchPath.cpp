// SPDX-License-Identifier: GPL-2.0-or-later
// Parks the library search path a program was linked with, so the program
// itself uses none while copies of it can have it switched back on.
//
//   velomni_park_search_path PROGRAM
#include "platform/ElfDynamic.h"

#include <QFile>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: velomni_park_search_path PROGRAM\n");
        return 2;
    }
    QFile program(QString::fromLocal8Bit(argv[1]));
    QString error;
    if (!program.open(QIODevice::ReadWrite) || !ParkSearchPath(program, &error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(error.isEmpty() ? program.errorString() : error));
        return 1;
    }
    return 0;
}

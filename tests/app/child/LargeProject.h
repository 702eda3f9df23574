// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>

class TWindowlessProject;

// A large project that every process builds alike: image objects with big
// uncompressed pictures, text objects with click actions and start actions,
// about 9 MB on disc. Saves of it differ only in the generation number,
// which the window caption carries.
void MakeLargeProject(TWindowlessProject& document);
void SetGeneration(TWindowlessProject& document, int generation);
// -1 when the caption carries no generation.
int GenerationOf(TWindowlessProject& document);

// The project body as a save writes it: the bytes after the scrambled
// header, which every save draws anew.
QByteArray ProjectBodyBytes(TWindowlessProject& document);
// The body part of a data file's bytes; empty when the header is damaged.
QByteArray BodyOfDataFile(const QByteArray& bytes);

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Graphic.h"

#include <QString>

#include <optional>

class TPicture;

// Pictures read from and written to files in their own formats. The file
// name's extension decides the format, as the file dialogs offer it.

// The open-dialog filter (stored form) listing every picture format the
// program reads, all of them first.
QString PictureOpenFilter();
// The open-dialog filter for icons alone.
QString IconOpenFilter();

// The save-dialog filter and default extension of a graphic's own format.
struct PictureSaveFormat {
    QString filter;
    QString suffix;
};
PictureSaveFormat SaveFormatOf(const TGraphic& graphic);

// The graphic class a file name's extension stands for, ignoring case.
std::optional<GraphicKind> GraphicKindOfFile(const QString& path);

// Files larger than this are refused before they are read.
constexpr qint64 kMaxPictureFileBytes = qint64(256) * 1024 * 1024;

// Replaces the picture's graphic with the file's. Throws std::runtime_error
// with a text for the user when the file cannot be opened, has an unknown
// extension, or holds data that does not decode; the picture is then
// unchanged.
void LoadPictureFile(TPicture& picture, const QString& path);
// Writes the graphic's bytes to the file. Throws std::runtime_error with a
// text for the user on failure.
void SavePictureFile(const TPicture& picture, const QString& path);

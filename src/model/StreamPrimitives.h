// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/VoFont.h"

#include <QByteArray>
#include <QString>

class TVoStream;
class TPicture;

// The stored encodings of strings, fonts and pictures. Each function
// returns true on success; a failure is reported once, by the innermost
// function that met it, with that function's code, and gives false.
//
// string:  signed 32-bit length n, then n bytes (Windows-1252), no terminator
// font:    string face, 4 colour, 4 size, 1 character set, 1 style bits
// picture: string class tag ("" for no graphic); if not empty, signed
//          32-bit n and the n bytes of the graphic's file

bool WriteString(TVoStream& stream, const QString& text);      // code 1003
bool ReadString(TVoStream& stream, QString& text);             // code 1004
// The same layout with the bytes as they are, for callers that transform
// them before decoding.
bool WriteRawString(TVoStream& stream, const QByteArray& bytes); // code 1003
bool ReadRawString(TVoStream& stream, QByteArray& bytes);        // code 1004

bool WriteFont(TVoStream& stream, const TVoFont& font); // code 1001
// Applies face, colour, size, character set and style in that order, each
// as soon as it has been read.
bool ReadFont(TVoStream& stream, TVoFont& font); // code 1002

bool WritePicture(TVoStream& stream, const TPicture& picture); // code 1005
// The picture is empty from the start; on success it holds the graphic.
bool ReadPicture(TVoStream& stream, TPicture& picture); // code 1006

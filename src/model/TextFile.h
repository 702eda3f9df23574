// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Plain text files as the text editor loads and saves them.
//
// Reading: a byte-order mark decides (UTF-8, UTF-16 LE or BE); without one
// the bytes are UTF-8 when they are valid UTF-8, which is what today's
// editors write and what plain ASCII also is, and Windows-1252 otherwise,
// the code page older files of this kind were written in. Line breaks
// (CR LF, LF or a lone CR) become CR LF, the form stored texts use.
//
// Writing: UTF-8 without a byte-order mark, each line ended by CR LF.

QString DecodeTextFileBytes(const QByteArray& bytes);
QByteArray EncodeTextFileBytes(const QString& text);

// Files larger than this are refused before they are read.
constexpr qint64 kMaxTextFileBytes = qint64(16) * 1024 * 1024;

// Throw std::runtime_error with a text for the user on failure.
QString ReadTextFile(const QString& path);
void WriteTextFile(const QString& path, const QString& text);

// The text with every CR LF, lone LF and lone CR turned into CR LF.
QString WithCrLfBreaks(const QString& text);

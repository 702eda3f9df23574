// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The OriginalFilename values that tell the studio from the player copy; the
// player's is padded with blanks to the length of the studio's, so the
// patch rewrites the value in place.
inline constexpr char kStudioOriginalFilename[] = "VelomniStudio.exe";
inline constexpr char kPlayerOriginalFilename[] = "velomni.exe      ";

// The version information of an executable (PE resource or ELF section):
// reading its string values and rewriting one of them in place.

// The string value StringFileInfo\040904E4\<key>; empty when the file is
// missing, carries no version information or has no such value.
QString ReadVersionValue(const QString& file, const QString& key);
// The OriginalFilename value, untrimmed; it tells the studio from the player.
QString ReadVersionFileName(const QString& file);
QString ReadFileVersion(const QString& file);

// Overwrites the OriginalFilename value of the file in place; the file
// keeps its size. A shorter text leaves the old value's tail, so callers
// pad it with blanks to the old length. Raises EFileError when the file
// cannot be opened, read or written, EPatchError ("Resource update error:
// ...") when it has no version information to patch or the text is too
// long.
void PatchExeVersionText(const QString& file, const QString& newText);

// Without leading and trailing blanks and control characters.
QString TrimVersionText(const QString& text);

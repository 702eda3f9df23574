// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/VoAction.h"

#include <QString>

#include <functional>

class TProjectHost;
class TVoStream;
struct TVoObject;

// The project data file: magic F4 13 26 00, format version 0, a scrambled
// header text, a header value, then the project body. Every function
// returns true on success and reports its own failure once.

constexpr quint32 kProjectMagic = 0x002613F4;
constexpr qint32 kProjectFormatVersion = 0;

// Writes the whole file. The file is replaced only when the new one is
// complete: a failed save leaves the old file as it was.
bool SaveProject(TProjectHost& host, const QString& path);
// Reads the whole file into the host.
bool LoadProject(TProjectHost& host, const QString& path);
// The same on a stream already open; path names it in file errors.
bool LoadProjectStream(TProjectHost& host, TVoStream& stream, const QString& path);

bool WriteScrambledString(TVoStream& stream, const QString& text); // code 2001
bool ReadScrambledString(TVoStream& stream, QString& text);        // code 2002

bool WriteProjectBody(TProjectHost& host, TVoStream& stream); // code 2004
bool ReadProjectBody(TProjectHost& host, TVoStream& stream);  // code 2003

bool WriteActionList(TVoStream& stream, const TVoActions& list); // codes 2007, 2005
bool ReadActionList(TVoStream& stream, TVoActions& list);        // codes 2008, 2006

bool WriteObjectRecord(TVoStream& stream, const TVoObject& entry); // code 2009
// The entry is a fresh one already placed in the host's object list.
bool ReadObjectRecord(TVoStream* stream, TVoObject* entry, TProjectHost* host); // code 2010

// Appends the objects of a clipboard block (a 32-bit count, then that many
// object records) to the host's list, calling placed with each new entry's
// index as soon as it is read. A record that fails to read has shown its
// message: every entry the block added is removed again and the result is
// false. A short block or a count below 1 adds nothing, silently; added
// tells how many were added.
bool ReadObjectBlock(TVoStream& stream, TProjectHost& host, const std::function<void(int index)>& placed,
                     int& added);

// Gives the entry a new control of its kind (freeing any old one) and,
// with a stream, reads the kind record into it; without one, places the
// control at (left, top).
bool CreateObjectControl(TVoObject* entry, TProjectHost* host, TVoStream* stream, int top,
                         int left);

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class TVoStream;

// Every kind record starts with a signed 32-bit version; only 0 exists.
void WriteKindVersion(TVoStream& stream);
// Reads the version. Any other version than 0 is shown as a data error
// and gives false; a read past the end throws.
bool ReadKindVersion(TVoStream& stream);

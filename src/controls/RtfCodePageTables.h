// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The characters of bytes 0x80-0xFF in a single-byte code page (437, 850, 874, 1250-1258,
// 10000), indexed by byte - 0x80; nullptr for any other code page. Bytes below 0x80 are ASCII
// in all of them.
const char16_t* SingleByteCodePageTable(int codePage);

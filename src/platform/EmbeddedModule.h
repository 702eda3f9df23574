// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>

// Loads a shared module whose bytes are built into the program (see
// cmake/EmbeddedModule.cmake): from a file in memory, so nothing is written
// to the disk, which may be a read-only disc; where memory files are not
// available, through a temporary file. Returns the module's handle for
// ModuleFunction, or null after a warning naming the module.
void* LoadEmbeddedModule(const char* name, QByteArrayView image);
// The address of an exported function of a loaded module; null if absent.
void* ModuleFunction(void* module, const char* function);

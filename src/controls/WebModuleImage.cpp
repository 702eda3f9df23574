// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/WebModuleImage.h"

// The module file is included by the assembler as it is; the build passes
// its path and rebuilds this file when the module changes.
asm(".pushsection .rodata\n"
    ".balign 64\n"
    ".hidden velomni_web_module_begin\n"
    ".hidden velomni_web_module_end\n"
    "velomni_web_module_begin:\n"
    ".incbin \"" VELOMNI_WEB_MODULE_FILE "\"\n"
    "velomni_web_module_end:\n"
    ".popsection\n");

extern "C" const char velomni_web_module_begin[];
extern "C" const char velomni_web_module_end[];

QByteArrayView WebModuleImage()
{
    return QByteArrayView(velomni_web_module_begin, velomni_web_module_end - velomni_web_module_begin);
}

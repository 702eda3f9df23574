# SPDX-License-Identifier: GPL-2.0-or-later
# Shared modules the program carries inside itself and loads from memory
# when first needed (see src/platform/EmbeddedModule.h):
#
#   velomni_module(<target> <source>... LINK <libraries>...)
#
# builds the module into ${CMAKE_BINARY_DIR}/modules, without debug
# information, and
#
#   velomni_embed_module(<library> <module target> <function>)
#
# gives the library a function `QByteArrayView <function>()` that returns
# the module's bytes, included by the assembler when the library is built.

function(velomni_module target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LINK")
  add_library(${target} MODULE ${arg_UNPARSED_ARGUMENTS})
  target_link_libraries(${target} PRIVATE ${arg_LINK})
  set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/modules)
  if(CMAKE_STRIP)
    add_custom_command(TARGET ${target} POST_BUILD COMMAND ${CMAKE_STRIP} --strip-debug $<TARGET_FILE:${target}>)
  endif()
endfunction()

function(velomni_embed_module library module function)
  set(file ${CMAKE_BINARY_DIR}/modules/lib${module}.so)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${function}.cpp)
  file(CONFIGURE OUTPUT ${source} @ONLY CONTENT [[
// Generated: the bytes of the module @module@.
#include <QByteArrayView>

asm(".pushsection .rodata\n"
    ".balign 64\n"
    ".hidden @function@_begin\n"
    ".hidden @function@_end\n"
    "@function@_begin:\n"
    ".incbin \"@file@\"\n"
    "@function@_end:\n"
    ".popsection\n");

extern "C" const char @function@_begin[];
extern "C" const char @function@_end[];

QByteArrayView @function@()
{
    return QByteArrayView(@function@_begin, @function@_end - @function@_begin);
}
]])
  target_sources(${library} PRIVATE ${source})
  set_source_files_properties(${source} PROPERTIES OBJECT_DEPENDS ${file})
  add_dependencies(${library} ${module})
endfunction()

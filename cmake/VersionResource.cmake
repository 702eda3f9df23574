# SPDX-License-Identifier: GPL-2.0-or-later
# Version information built into an executable from the project version.
#
#   velomni_embed_version(<target> [PLAYER] [ICON <file.ico>])
#
# gives the target the VS_VERSIONINFO tree that ReadVersionValue reads and
# PatchExeVersionText rewrites: on Windows a VERSIONINFO resource, elsewhere
# the same tree, byte for byte, in the ELF section ".velomni_version" of a
# generated source file. The host tool velomni_version_gen writes that file
# with the tree builder of src/platform, so both share one layout. PLAYER
# gives the player's texts instead of the studio's; ICON (Windows only)
# adds the program's icon.
#
#   velomni_file_version(<variable>)
#
# sets the variable to the project version padded to four parts (0.1.0 ->
# 0.1.0.0), the FileVersion and ProductVersion of the tree.

set(VELOMNI_VERSION_SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}/../src")

function(velomni_file_version out_var)
  string(REPLACE "." ";" parts "${PROJECT_VERSION}")
  list(LENGTH parts count)
  while(count LESS 4)
    list(APPEND parts 0)
    math(EXPR count "${count} + 1")
  endwhile()
  list(JOIN parts "." version)
  set(${out_var} "${version}" PARENT_SCOPE)
endfunction()

function(velomni_embed_version target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "PLAYER" "ICON" "")
  velomni_file_version(version)
  # The player's own version text: "velomni.exe" and six blanks, the width
  # of the studio's, so the studio's patch of a copy fits in place.
  if(arg_PLAYER)
    set(description "Velomni")
    set(internal_name "velomni")
    set(original_filename "velomni.exe      ")
  else()
    set(description "Velomni Studio")
    set(internal_name "VelomniStudio")
    set(original_filename "VelomniStudio.exe")
  endif()
  if(WIN32)
    string(REPLACE "." "," numbers "${version}")
    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc")
    file(CONFIGURE OUTPUT "${rc}" @ONLY CONTENT [[
1 VERSIONINFO
FILEVERSION @numbers@
PRODUCTVERSION @numbers@
FILEFLAGSMASK 0x3f
FILEFLAGS 0x0
FILEOS 0x40004
FILETYPE 0x1
FILESUBTYPE 0x0
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040904E4"
    BEGIN
      VALUE "CompanyName", "Velomni"
      VALUE "FileDescription", "@description@"
      VALUE "FileVersion", "@version@"
      VALUE "InternalName", "@internal_name@"
      VALUE "LegalCopyright", "GPL-2.0-or-later"
      VALUE "OriginalFilename", "@original_filename@"
      VALUE "ProductName", "Velomni Studio"
      VALUE "ProductVersion", "@version@"
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x409, 1252
  END
END
]])
    if(arg_ICON)
      # Qt gives its windows the icon of this name; the shell shows it for
      # the file.
      file(APPEND "${rc}" "IDI_ICON1 ICON \"${arg_ICON}\"\n")
    endif()
    target_sources(${target} PRIVATE "${rc}")
    return()
  endif()

  if(NOT TARGET velomni_version_gen)
    add_executable(velomni_version_gen
      "${VELOMNI_VERSION_SOURCE_DIR}/platform/tools/VersionGen.cpp"
      "${VELOMNI_VERSION_SOURCE_DIR}/platform/VersionTree.cpp")
    target_include_directories(velomni_version_gen PRIVATE "${VELOMNI_VERSION_SOURCE_DIR}")
    target_link_libraries(velomni_version_gen PRIVATE Qt6::Core)
    set_target_properties(velomni_version_gen PROPERTIES AUTOMOC OFF)
  endif()
  set(source "${CMAKE_CURRENT_BINARY_DIR}/${target}_version_tree.cpp")
  add_custom_command(OUTPUT "${source}"
    COMMAND velomni_version_gen "${source}"
      "CompanyName=Velomni"
      "FileDescription=${description}"
      "FileVersion=${version}"
      "InternalName=${internal_name}"
      "LegalCopyright=GPL-2.0-or-later"
      "OriginalFilename=${original_filename}"
      "ProductName=Velomni Studio"
      "ProductVersion=${version}"
    DEPENDS velomni_version_gen
    COMMENT "Version information of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE "${source}")
endfunction()

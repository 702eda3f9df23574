# SPDX-License-Identifier: GPL-2.0-or-later
# Version information built into an executable from the project version.
#
#   velomni_embed_version(<target>)
#
# gives the target the VS_VERSIONINFO tree that ReadVersionValue reads and
# PatchExeVersionText rewrites: on Windows a VERSIONINFO resource, elsewhere
# the same tree, byte for byte, in the ELF section ".velomni_version" of a
# generated source file. The host tool velomni_version_gen writes that file
# with the tree builder of src/platform, so both share one layout.
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
  velomni_file_version(version)
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
      VALUE "FileDescription", "Velomni Studio"
      VALUE "FileVersion", "@version@"
      VALUE "InternalName", "VelomniStudio"
      VALUE "LegalCopyright", "GPL-2.0-or-later"
      VALUE "OriginalFilename", "VelomniStudio.exe"
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
      "FileDescription=Velomni Studio"
      "FileVersion=${version}"
      "InternalName=VelomniStudio"
      "LegalCopyright=GPL-2.0-or-later"
      "OriginalFilename=VelomniStudio.exe"
      "ProductName=Velomni Studio"
      "ProductVersion=${version}"
    DEPENDS velomni_version_gen
    COMMENT "Version information of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE "${source}")
endfunction()

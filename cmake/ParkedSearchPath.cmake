# SPDX-License-Identifier: GPL-2.0-or-later
# A library search path that a program carries without using it:
#
#   velomni_park_search_path(<target> <path>)
#
# links the program with the search path <path> (a DT_RPATH, which also
# serves the libraries that plug-ins and modules load) and then takes the
# entry out of its dynamic section again (src/platform/tools/ParkSearchPath),
# leaving the text and a spare slot. The program searches nothing of its
# own; a copy of it can have the path switched back on (RestoreSearchPath).

set(VELOMNI_PARK_SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}/../src")

function(velomni_park_search_path target path)
  if(NOT TARGET velomni_park_search_path)
    add_executable(velomni_park_search_path "${VELOMNI_PARK_SOURCE_DIR}/platform/tools/ParkSearchPath.cpp"
      "${VELOMNI_PARK_SOURCE_DIR}/platform/ElfDynamic.cpp")
    target_include_directories(velomni_park_search_path PRIVATE "${VELOMNI_PARK_SOURCE_DIR}")
    target_link_libraries(velomni_park_search_path PRIVATE Qt6::Core)
    set_target_properties(velomni_park_search_path PROPERTIES AUTOMOC OFF)
  endif()
  # CMake writes "$ORIGIN" into the link line safely only as an RPATH
  # property; linked with it, the program is installed as it was built.
  set_target_properties(${target} PROPERTIES BUILD_WITH_INSTALL_RPATH TRUE INSTALL_RPATH "${path}")
  target_link_options(${target} PRIVATE "LINKER:--disable-new-dtags")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND velomni_park_search_path $<TARGET_FILE:${target}>
    VERBATIM)
  add_dependencies(${target} velomni_park_search_path)
endfunction()

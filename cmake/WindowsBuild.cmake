# SPDX-License-Identifier: GPL-2.0-or-later
# The Windows player (cmake/WindowsPlayer.cmake), built beside the Linux
# programs when this machine can: the MinGW-w64 compiler, a static Qt for
# Windows and giflib's source must be there. It lands in the programs'
# folder as "velomni.exe", where the studio finds it for a project's root.
#
# VELOMNI_WINDOWS_QT names the Qt; by default the ready copy beside the
# checkout (../shared/qt6-mingw) or the one scripts/windows-qt.sh builds.

set(VELOMNI_WINDOWS_QT "" CACHE PATH "A static Qt 6 for Windows (x86-64, MinGW-w64)")
set(VELOMNI_WINDOWS_CACHE "/var/cache/velomni-windows" CACHE PATH "Where scripts/windows-*.sh keep their results")

set(windows_qt "${VELOMNI_WINDOWS_QT}")
if(NOT windows_qt)
  foreach(candidate "${CMAKE_SOURCE_DIR}/../shared/qt6-mingw" "${VELOMNI_WINDOWS_CACHE}/qt6-mingw")
    if(EXISTS "${candidate}/lib/cmake/Qt6/qt.toolchain.cmake")
      get_filename_component(windows_qt "${candidate}" ABSOLUTE)
      break()
    endif()
  endforeach()
endif()
find_program(VELOMNI_MINGW_CXX x86_64-w64-mingw32-g++-posix)
set(windows_giflib "${VELOMNI_WINDOWS_CACHE}/giflib")

set(VELOMNI_WINDOWS_PLAYER "")
set(VELOMNI_WINDOWS_MISSING "")
if(NOT windows_qt)
  set(VELOMNI_WINDOWS_MISSING "no static Qt for Windows (../shared/qt6-mingw, or run scripts/windows-qt.sh)")
elseif(NOT EXISTS "${windows_qt}/lib/cmake/Qt6/qt.toolchain.cmake")
  set(VELOMNI_WINDOWS_MISSING "${windows_qt} is not a static Qt for Windows")
elseif(NOT VELOMNI_MINGW_CXX)
  set(VELOMNI_WINDOWS_MISSING "no MinGW-w64 compiler (run scripts/install-deps.sh)")
elseif(NOT EXISTS "${windows_giflib}/gif_lib.h")
  set(VELOMNI_WINDOWS_MISSING "no giflib source in ${windows_giflib} (run scripts/windows-deps.sh)")
endif()

if(VELOMNI_WINDOWS_MISSING)
  message(STATUS "The Windows player is not built: ${VELOMNI_WINDOWS_MISSING}")
  return()
endif()
message(STATUS "The Windows player is built with the Qt in ${windows_qt}")

include(ExternalProject)
set(windows_dir "${CMAKE_BINARY_DIR}/windows")
set(windows_args
  -DCMAKE_BUILD_TYPE=Release
  "-DCMAKE_TOOLCHAIN_FILE=${windows_qt}/lib/cmake/Qt6/qt.toolchain.cmake"
  "-DQT_CHAINLOAD_TOOLCHAIN_FILE=${windows_qt}/mingw-w64-x86_64.cmake"
  "-DVELOMNI_GIFLIB_SOURCE_DIR=${windows_giflib}")
if(CMAKE_CXX_COMPILER_LAUNCHER)
  list(APPEND windows_args "-DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}"
                           "-DCMAKE_C_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}")
endif()
ExternalProject_Add(velomni_windows
  SOURCE_DIR "${CMAKE_SOURCE_DIR}"
  BINARY_DIR "${windows_dir}"
  CMAKE_GENERATOR Ninja
  CMAKE_ARGS ${windows_args}
  BUILD_COMMAND ${CMAKE_COMMAND} --build "${windows_dir}" -j 2
  BUILD_ALWAYS ON
  INSTALL_COMMAND ${CMAKE_COMMAND} -E copy_if_different "${windows_dir}/velomni.exe" "${CMAKE_BINARY_DIR}/bin/velomni.exe"
  BUILD_BYPRODUCTS "${windows_dir}/velomni.exe"
  USES_TERMINAL_BUILD ON)
set(VELOMNI_WINDOWS_PLAYER "${CMAKE_BINARY_DIR}/bin/velomni.exe")
# The studio's project build puts it at a project's root: built with it.
add_dependencies(velomni-studio velomni_windows)
add_dependencies(velomni-cli velomni_windows)

#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the static Qt 6 for Windows (x86-64, MinGW-w64, POSIX threads)
# that the Windows player links, from Debian's own qt6-base source package:
# Core, Gui, Widgets, the Windows platform plug-in and styles, and the GIF,
# ICO and JPEG image plug-ins; no OpenGL, network, SQL or D-Bus. It takes
# about 50 minutes on two cores, so it is not part of `make test`: the
# build uses a ready copy beside the checkout (../shared/qt6-mingw) where
# one exists, else the result of this script.
#
#   scripts/windows-qt.sh [cache folder]
#
# The result goes to <cache folder>/qt6-mingw (default
# /var/cache/velomni-windows). Does nothing when it is already there.
set -eu

CACHE=${1:-${VELOMNI_WINDOWS_CACHE:-/var/cache/velomni-windows}}
PREFIX=$CACHE/qt6-mingw
here=$(cd "$(dirname "$0")" && pwd)

if [ -f "$PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
  echo "windows-qt: $PREFIX is there"
  exit 0
fi
# The deb-src entry and the MinGW compiler come with the other sources.
"$here/windows-deps.sh" "$CACHE"

work=$CACHE/qt6-build
rm -rf "$work"
mkdir -p "$work/build"
cd "$work"
apt-get source -q --download-only qt6-base
dpkg-source -x --no-check qt6-base_*.dsc qtbase

cat >"$work/mingw-w64-x86_64.cmake" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN

cd "$work/build"
# With OpenGL off, the Windows plug-in compiles only with dynamic GL off too.
cmake -G Ninja "$work/qtbase" \
  -DCMAKE_TOOLCHAIN_FILE="$work/mingw-w64-x86_64.cmake" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_INSTALL_PREFIX="$PREFIX" \
  -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
  -DFEATURE_testlib=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_tabletevent=OFF -DINPUT_libpng=qt -DINPUT_libjpeg=qt -DINPUT_freetype=qt \
  -DINPUT_harfbuzz=qt -DINPUT_pcre=qt
cmake --build . --parallel 2
cmake --install .
cp "$work/mingw-w64-x86_64.cmake" "$PREFIX/"
rm -rf "$work"
echo "windows-qt: the static Qt for Windows is in $PREFIX"

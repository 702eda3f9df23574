// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>

// The libraries that every desktop Linux system has, and that the player's
// runtime therefore never carries: the C library and the compiler's run
// time, X11 and xcb, OpenGL and EGL, the font stack, glib, D-Bus and ALSA.
// Copies of these would fight the system's own (the graphics drivers are
// loaded into the player and link them), so the player uses the system's.
// The name is a library's soname ("libX11.so.6").
bool IsBaseSetLibrary(QByteArrayView soname);

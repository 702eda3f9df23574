// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>

// The bytes of the web-view module, built into the program.
QByteArrayView WebModuleImage();

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The message shown for a failed shell result (32 or less).
QString ShellErrorText(int result);

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <Qt>

class QWidget;

// The studio's small modal windows: a fixed single border with only the
// close button, centred on the screen.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                     Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                                     Qt::WindowSystemMenuHint;
void CentreOnScreen(QWidget* window);

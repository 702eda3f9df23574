// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QWidget>

// A borderless 1 x 1 window just off the left of the screen, shown for as
// long as it lives, so a message box raised before any real window exists
// still has a visible owner.
class TMessageAnchorWindow final : public QWidget {
public:
    TMessageAnchorWindow();
    ~TMessageAnchorWindow() override;
};

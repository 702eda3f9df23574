// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "platform/MessageBoxes.h"

// The message boxes a user sees: modal QMessageBox windows.
class QtMessageBoxes final : public MessageBoxes {
public:
    // Boxes are centred on this window when one is set.
    void SetAnchor(QWidget* anchor) override { m_anchor = anchor; }
    MsgAnswer Show(const QString& caption, const QString& text, MsgIcon icon,
                   MsgButtons buttons) override;

private:
    QWidget* m_anchor = nullptr;
};

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QComboBox>

class QPainter;

constexpr int kActionKindItemHeight = 18;

// Draws one entry of the kind selector: the action image at the left
// edge, one pixel down, and the kind text 18 pixels to its right.
void DrawActionKindEntry(QPainter& painter, const QRect& rect, const QString& text);

// The action editor's owner-drawn kind selector: the ten kind texts, each
// with the action image, 18 pixels high, 16 entries in the drop-down.
class TActionKindSelector final : public QComboBox {
public:
    explicit TActionKindSelector(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

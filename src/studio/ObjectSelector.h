// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QComboBox>

class QPainter;

// One entry of the object selector: the project (kind -1, its title) or
// an object (its kind code and name).
struct TSelectorEntry {
    int kind = -1;
    QString text;
};

constexpr int kSelectorItemHeight = 18;

// Where the grey "[kind]" text starts: after the name, at least as far as
// a short name would reach, so the kinds of short names line up.
int SelectorKindTextX(int left, int textWidth, bool project);

// Draws an entry as the selector shows it: image, text and, grey unless
// drawn selected, the bracketed kind.
void DrawSelectorEntry(QPainter& painter, const QRect& rect, const TSelectorEntry& entry, bool selected);

// The owner-drawn object selector: entry 0 is the project, entry i + 1
// object i of the menu window's list.
class TObjectSelector final : public QComboBox {
public:
    explicit TObjectSelector(QWidget* parent = nullptr);
    void AddEntry(const TSelectorEntry& entry);
    TSelectorEntry Entry(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

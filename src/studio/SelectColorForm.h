// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Color.h"

#include <QDialog>
#include <QImage>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

// The colour picker "Select Color": a colour list, a palette of 70
// swatches, a preview swatch with the value label and the system colour
// dialog behind "Custom...". It works on its own selection; the caller's
// colour changes only through ApplyTo.
class TSelectColorForm final : public QDialog {
    Q_OBJECT

public:
    explicit TSelectColorForm(QWidget* parent = nullptr);

    // Makes the caller's colour the selection; a colour the list lacks
    // goes into the custom entry.
    void Open(TColor color);
    // The selected colour, as stored.
    TColor Selected() const;
    void SetSelected(TColor color);
    // True, with color receiving the selection, only when the form was
    // accepted and the selection differs from color.
    bool ApplyTo(TColor& color) const;

    // The drawn palette, as a click reads it.
    const QImage& PalettePicture() const { return m_palette; }

    QComboBox* ColorBox1 = nullptr;
    QLabel* Image1 = nullptr;        // the palette
    QImage Image2;                   // one pixel per swatch
    QFrame* ScrollBox1 = nullptr;    // the preview swatch
    QLabel* Label1 = nullptr;        // the value label
    QPushButton* CustomButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ColorBox1Change();
    void Image1MouseDown(QPoint point);
    void Image1DblClick();
    void CustomButtonClick();
    void UpdateColor();
    void SetCustomEntry(TColor color);

    QImage m_palette;
};

// Shows the colour picker on color. True, with color changed, when the
// user confirmed a different colour.
bool SelectColor(TColor& color, QWidget* parent = nullptr);

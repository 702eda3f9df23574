// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controls/ClickTracker.h"
#include "controls/ControlEvents.h"
#include "controls/WidgetControl.h"
#include "model/Picture.h"
#include "model/VoFont.h"

#include <QWidget>

// Button styles as stored.
enum : quint8 {
    btsNormal = 0,
    btsNormalFlat = 1,
    btsThemes = 2,
    btsThemesFlat = 3,
    btsTransparent = 4,
};

// Kind 0: a push button with a caption and an image for the normal and
// the mouse-over state. It never takes the keyboard focus.
class TVoImageButton final : public QWidget, public TWidgetControl {
public:
    explicit TVoImageButton(QWidget* parent = nullptr);

    // Every setter below repaints when the value changes.
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    const TVoFont& NormalFont() const { return m_normalFont; }
    void SetNormalFont(const TVoFont& font);
    const TVoFont& MouseOverFont() const { return m_mouseOverFont; }
    void SetMouseOverFont(const TVoFont& font);
    const TPicture& NormalImage() const { return m_normalImage; }
    void SetNormalImage(const TPicture& picture);
    void SetNormalImage(TPicture&& picture);
    const TPicture& MouseOverImage() const { return m_mouseOverImage; }
    void SetMouseOverImage(const TPicture& picture);
    void SetMouseOverImage(TPicture&& picture);

    // Styles 1, 3 and 4 turn the flat look on, 0 and 2 turn it off.
    quint8 ButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(quint8 style);
    // Where the image sits against the caption, 0 to 5.
    quint8 ImageLayout() const { return m_imageLayout; }
    void SetImageLayout(quint8 layout);
    // Pixels between the edge and the content, and between image and caption.
    int Margin() const { return m_margin; }
    void SetMargin(int margin);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);
    // The content moves by a pixel while the button is down.
    bool DownSlide() const { return m_downSlide; }
    void SetDownSlide(bool downSlide);

    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    // Held down by the left button with the mouse over it.
    bool Down() const { return m_down; }
    // The mouse is over the button; never stored.
    bool MouseInside() const { return m_mouseInside; }
    void ClearMouseInside();

    bool WriteKindRecord(TVoStream& stream) const override; // code 4001
    bool ReadKindRecord(TVoStream& stream) override;        // code 4002

    TControlEvent OnClick;
    TControlEvent OnMouseEnterHook;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetDown(bool down);

    QString m_caption;
    TVoFont m_normalFont;
    TVoFont m_mouseOverFont;
    TPicture m_normalImage;
    TPicture m_mouseOverImage;
    quint8 m_buttonStyle = btsThemes;
    quint8 m_imageLayout = 0;
    int m_margin = 10;
    int m_spacing = 5;
    bool m_downSlide = true;
    bool m_flat = false;
    bool m_down = false;
    bool m_mouseInside = false;
    TClickTracker m_click;
};

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controls/ClickTracker.h"
#include "controls/ControlEvents.h"
#include "controls/ImageEx.h"
#include "controls/WidgetControl.h"

// Kind 1: a picture on the menu.
class TVoImage final : public TImageEx, public TWidgetControl {
public:
    explicit TVoImage(QWidget* parent = nullptr);

    // Proportional is not stored.
    bool WriteKindRecord(TVoStream& stream) const override; // code 4003
    bool ReadKindRecord(TVoStream& stream) override;        // code 4004

    TControlEvent OnClick;
    TControlEvent OnMouseEnterHook;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    TClickTracker m_click;
};

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controls/WidgetControl.h"
#include "model/Color.h"

#include <QFrame>
#include <QImage>

// Off in tools that draw menus without a display: a web panel then keeps
// its white face instead of creating a browser.
extern bool BrowserViewsEnabled;

// Kind 5: a panel that shows a web page or a project file in a browser.
// The browser exists only in the player, from the first address on; a
// panel not yet on screen creates it once its face has been painted, so
// the browser engine never delays the menu's first frame. In the studio,
// an address naming a local HTML file shows a still picture of the page
// on the face instead (HtmlPreview.h).

class TVoBrowser final : public QFrame, public TWidgetControl {
public:
    explicit TVoBrowser(QWidget* parent = nullptr);

    // In the player, setting it opens BrowserTarget(ProjectFolder, address).
    const QString& Address() const { return m_address; }
    void SetAddress(const QString& address);
    // The panel's face, seen while there is no browser.
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    // The browser; nothing until the player sets the first address and
    // the panel is on screen.
    QWidget* View() const;
    // The studio's still picture of the page; null when the address names
    // no local HTML file or the panel has not been painted since it was set.
    const QImage& Preview() const { return m_preview; }

    bool WriteKindRecord(TVoStream& stream) const override; // code 4007
    bool ReadKindRecord(TVoStream& stream) override;        // code 4008

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplyColor();
    void CreateView();
    void Navigate();
    void PaintPreview();

    QString m_address;
    TColor m_color = clWhite;
    QWidget* m_view = nullptr; // a child of the panel
    bool m_navigationPending = false;
    QImage m_preview;
    bool m_previewStale = false;
};

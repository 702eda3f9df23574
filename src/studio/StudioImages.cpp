// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/StudioImages.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

const QColor kInk(40, 60, 100);
const QColor kPaper(250, 250, 245);
const QColor kAccent(30, 130, 220);
const QColor kGreen(40, 160, 70);
const QColor kRed(200, 50, 40);

// Every picture is drawn on a 24-unit square and scaled to its size.
QPixmap Draw(int size, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(p);
    return pixmap;
}

void Sheet(QPainter& p)
{
    QPainterPath sheet;
    sheet.moveTo(5, 2);
    sheet.lineTo(15, 2);
    sheet.lineTo(19, 6);
    sheet.lineTo(19, 22);
    sheet.lineTo(5, 22);
    sheet.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawLine(QPointF(15, 2), QPointF(15, 6));
    p.drawLine(QPointF(15, 6), QPointF(19, 6));
}

void Disc(QPainter& p, QPointF centre, qreal radius)
{
    p.setBrush(QColor(200, 215, 235));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(kPaper);
    p.drawEllipse(centre, radius / 3.5, radius / 3.5);
}

void Floppy(QPainter& p)
{
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 3, 10, 6));
    p.drawRect(QRectF(6, 13, 12, 8));
}

void Kind(QPainter& p, int kind)
{
    switch (kind) {
    case 0: // Button
        p.setBrush(QColor(220, 228, 240));
        p.drawRoundedRect(QRectF(2, 6, 20, 12), 3, 3);
        p.drawLine(QPointF(7, 12), QPointF(17, 12));
        break;
    case 1: { // Image
        p.setBrush(kPaper);
        p.drawRect(QRectF(2, 4, 20, 16));
        p.setBrush(kGreen);
        QPolygonF hill({QPointF(3, 19), QPointF(10, 10), QPointF(15, 15), QPointF(17, 13), QPointF(21, 19)});
        p.drawPolygon(hill);
        p.setBrush(QColor(240, 190, 40));
        p.drawEllipse(QPointF(17, 8), 2, 2);
        break;
    }
    case 2: { // Text
        QFont font(QStringLiteral("Sans"));
        font.setPixelSize(18);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("A"));
        break;
    }
    case 3: // TextBox
        p.setBrush(kPaper);
        p.drawRect(QRectF(2, 3, 20, 18));
        for (int y = 7; y <= 17; y += 5) p.drawLine(QPointF(5, y), QPointF(16, y));
        p.drawLine(QPointF(19, 5), QPointF(19, 19));
        break;
    case 4: // RichText
        p.setBrush(kPaper);
        p.drawRect(QRectF(2, 3, 20, 18));
        p.setPen(QPen(kRed, 2));
        p.drawLine(QPointF(5, 8), QPointF(13, 8));
        p.setPen(QPen(kAccent, 2));
        p.drawLine(QPointF(5, 13), QPointF(19, 13));
        p.setPen(QPen(kGreen, 2));
        p.drawLine(QPointF(5, 18), QPointF(16, 18));
        break;
    default: // Explorer: a globe
        p.setBrush(QColor(200, 225, 250));
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 12), 4, 9.5);
        p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
        break;
    }
}

void Play(QPainter& p, QPointF at, qreal size)
{
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({at, at + QPointF(0, size), at + QPointF(size * 0.85, size / 2)}));
}

} // namespace

QPixmap ToolImage(int index)
{
    return Draw(24, [index](QPainter& p) {
        switch (index) {
        case 0: Sheet(p); break;
        case 1:
            p.setBrush(QColor(240, 200, 90));
            p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(9, 6), QPointF(11, 8), QPointF(20, 8),
                                     QPointF(20, 20), QPointF(2, 20)}));
            p.setBrush(QColor(250, 220, 120));
            p.drawPolygon(QPolygonF({QPointF(5, 11), QPointF(23, 11), QPointF(20, 20), QPointF(2, 20)}));
            break;
        case 2: Floppy(p); break;
        case 3:
            Floppy(p);
            Play(p, QPointF(12, 11), 11);
            break;
        case 4:
            Disc(p, QPointF(12, 12), 10);
            p.setPen(QPen(kRed, 2));
            p.drawPoint(QPointF(18, 6));
            break;
        case 5: // the selection arrow
            p.setBrush(Qt::white);
            p.drawPolygon(QPolygonF({QPointF(6, 3), QPointF(6, 19), QPointF(10, 15), QPointF(13, 21),
                                     QPointF(15, 20), QPointF(12, 14), QPointF(18, 14)}));
            break;
        default: Kind(p, index - 6); break;
        }
    });
}

QPixmap SidebarImage(int index)
{
    return Draw(16, [index](QPainter& p) {
        if (index >= kSidebarFirstKindImage && index < kSidebarFirstKindImage + 6) {
            Kind(p, index - kSidebarFirstKindImage);
        } else if (index == kSidebarActionImage) {
            p.setPen(QPen(QColor(230, 150, 0), 1.6));
            p.setBrush(QColor(255, 210, 60));
            p.drawPolygon(QPolygonF({QPointF(14, 2), QPointF(6, 13), QPointF(12, 13), QPointF(9, 22),
                                     QPointF(18, 10), QPointF(12, 10), QPointF(15, 2)}));
        } else if (index == kSidebarPropertiesImage) {
            p.setBrush(kPaper);
            p.drawRect(QRectF(3, 3, 18, 18));
            for (int y = 8; y <= 18; y += 5) {
                p.drawLine(QPointF(6, y), QPointF(10, y));
                p.drawLine(QPointF(12, y), QPointF(18, y));
            }
        } else if (index == kSidebarWindowImage) {
            p.setBrush(kPaper);
            p.drawRect(QRectF(2, 4, 20, 16));
            p.setBrush(QColor(40, 90, 190));
            p.drawRect(QRectF(2, 4, 20, 5));
        } else if (index == kSidebarCommonImage) { // a mouse pointer
            p.setBrush(kPaper);
            p.drawPolygon(QPolygonF({QPointF(6, 2), QPointF(6, 20), QPointF(10, 16), QPointF(14, 23),
                                     QPointF(17, 21), QPointF(13, 15), QPointF(19, 15)}));
        } else if (index == kSidebarPositionImage) { // a set square
            p.setBrush(QColor(250, 220, 120));
            p.drawPolygon(QPolygonF({QPointF(3, 3), QPointF(3, 21), QPointF(21, 21)}));
            p.drawLine(QPointF(3, 9), QPointF(6, 9));
            p.drawLine(QPointF(3, 15), QPointF(6, 15));
        } else if (index == kSidebarSplashImage) { // a picture
            p.setBrush(QColor(150, 200, 250));
            p.drawRect(QRectF(2, 4, 20, 16));
            p.setBrush(QColor(60, 160, 60));
            p.drawPolygon(QPolygonF({QPointF(3, 19), QPointF(10, 10), QPointF(15, 16), QPointF(21, 19)}));
        } else if (index == kSidebarBackdropImage) { // a screen
            p.setBrush(QColor(40, 90, 190));
            p.drawRect(QRectF(2, 3, 20, 14));
            p.drawLine(QPointF(12, 17), QPointF(12, 21));
            p.drawLine(QPointF(7, 21), QPointF(17, 21));
        } else if (index == kSidebarCurrentRowImage) { // a small arrow head
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawPolygon(QPolygonF({QPointF(6, 6), QPointF(6, 18), QPointF(13, 12)}));
        } else { // the project: a disc
            Disc(p, QPointF(12, 12), 10);
        }
    });
}

// SPDX-License-Identifier: GPL-2.0-or-later
#include "inspector/PropertyGridPainter.h"

#include "inspector/PropertyGrid.h"
#include "model/ColorNames.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int kKeyTextLeft = 17;
constexpr int kKeyTextRight = 6;

QFont CurrentKeyFont(const QFont& gridFont)
{
    QFont font = gridFont;
    font.setBold(true);
    font.setUnderline(true);
    return font;
}

void DrawClippedText(QPainter& painter, const QRect& cell, int left, const QString& text)
{
    painter.save();
    painter.setClipRect(cell);
    const QRect area(cell.left() + left, cell.top(), cell.width() - left, cell.height());
    painter.drawText(area.adjusted(0, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter.restore();
}

} // namespace

int KeyCellWidth(const QFont& gridFont, const QString& key)
{
    return kKeyTextLeft + QFontMetrics(CurrentKeyFont(gridFont)).horizontalAdvance(key) + kKeyTextRight;
}

void TPropertyGridPainter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    const int row = index.row() + 1;
    const bool special = index.column() == 0 || m_grid.Row(row).look != CellLook::Text;
    if (!special) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    ValueEditDrawCell(*painter, index.column(), row, option.rect);
}

void TPropertyGridPainter::ValueEditDrawCell(QPainter& painter, int column, int row, const QRect& rect) const
{
    const TGridRow& data = m_grid.Row(row);
    const QColor background = m_grid.palette().color(QPalette::Base);
    painter.fillRect(rect, background);
    painter.setPen(m_grid.palette().color(QPalette::Text));
    if (column == 0) {
        const bool current = row == m_grid.CurrentRow();
        const QFont font = current ? CurrentKeyFont(m_grid.font()) : m_grid.font();
        if (data.image >= 0 && m_grid.ImageOf) painter.drawPixmap(rect.left(), rect.top() + 1, m_grid.ImageOf(data.image));
        if (current && data.image < 0 && m_grid.ImageOf) {
            const QPixmap marker = m_grid.ImageOf(-1);
            painter.drawPixmap(rect.left() + 5, rect.top() + (rect.height() - marker.height()) / 2, marker);
        }
        painter.setFont(font);
        DrawClippedText(painter, rect, kKeyTextLeft, data.key);
        return;
    }
    const std::optional<TColor> agreedColor = data.look == CellLook::Color && data.color ? data.color() : std::nullopt;
    const std::optional<TVoFont> agreedFont = data.look == CellLook::Font && data.font ? data.font() : std::nullopt;
    if (agreedColor) {
        const TColor color = *agreedColor;
        DrawClippedText(painter, rect, 18, ColorName(color));
        const QRect swatch(QPoint(rect.left() + 2, rect.top() + 2), QPoint(rect.left() + 15, rect.bottom() - 2));
        painter.fillRect(swatch, ColorToQColor(color, m_grid.palette()));
        painter.setPen(Qt::black);
        painter.drawRect(swatch);
    } else if (agreedFont) {
        const TVoFont& voFont = *agreedFont;
        QFont font = ToQFont(voFont);
        font.setPointSizeF(m_grid.font().pointSizeF());
        const QColor ink = ColorToQColor(voFont.Color, m_grid.palette());
        if (ink == background) painter.fillRect(rect.adjusted(2, 2, -2, -2), QColor(0xC0, 0xC0, 0xC0));
        painter.setFont(font);
        painter.setPen(ink);
        DrawClippedText(painter, rect, 2, voFont.Name);
    }
}

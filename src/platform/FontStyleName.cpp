// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/FontStyleName.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <cstdlib>

namespace {

bool Contains(const QString& style, const char* word)
{
    return style.contains(QLatin1String(word), Qt::CaseInsensitive);
}

// The database counts an oblique face as upright; its name tells.
bool Slanted(const QString& family, const QString& style)
{
    return QFontDatabase::italic(family, style) || Contains(style, "Italic") || Contains(style, "Oblique");
}

bool Stretched(const QString& style)
{
    for (const char* word : {"Condensed", "Expanded", "Narrow", "Wide", "Compressed"})
        if (Contains(style, word)) return true;
    return false;
}

} // namespace

QString MatchingStyleName(const QFont& font)
{
    const QString family = font.family();
    const bool slanted = font.style() != QFont::StyleNormal;
    const bool stretched = font.stretch() != QFont::AnyStretch && font.stretch() != QFont::Unstretched;
    QString best;
    int bestDistance = 0;
    for (const QString& style : QFontDatabase::styles(family)) {
        if (Slanted(family, style) != slanted) continue;
        // A face of another width only where no face of the font's own has
        // the weight.
        const int distance = std::abs(QFontDatabase::weight(family, style) - font.weight())
                             + (Stretched(style) != stretched ? 10000 : 0);
        if (best.isEmpty() || distance < bestDistance) {
            best = style;
            bestDistance = distance;
        }
    }
    return best;
}

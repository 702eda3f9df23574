// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/FontStyleName.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <cstdlib>

QString MatchingStyleName(const QFont& font)
{
    const QString family = font.family();
    QString best;
    int bestDistance = 0;
    for (const QString& style : QFontDatabase::styles(family)) {
        if (QFontDatabase::italic(family, style) != font.italic()) continue;
        const int distance = std::abs(QFontDatabase::weight(family, style) - font.weight());
        if (best.isEmpty() || distance < bestDistance) {
            best = style;
            bestDistance = distance;
        }
    }
    return best;
}

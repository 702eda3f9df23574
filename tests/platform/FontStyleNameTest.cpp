// SPDX-License-Identifier: GPL-2.0-or-later
// The font dialog starts on the face of the font it is given: a plain font
// must not come back italic when the user only presses OK.
#include "platform/FontStyleName.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontDialog>

TEST(FontStyleName, EveryStyleOfAFamilyIsFoundAgainFromItsWeightAndSlant)
{
    const QString family = QStringLiteral("DejaVu Sans");
    const QStringList styles = QFontDatabase::styles(family);
    ASSERT_FALSE(styles.isEmpty()) << "DejaVu Sans is installed with scripts/install-deps.sh";
    // The plain, bold, slanted and bold slanted faces of a family that also
    // has condensed ones.
    const struct {
        bool bold, italic;
        const char* style;
    } faces[] = {{false, false, "Book"}, {true, false, "Bold"}, {false, true, "Oblique"}, {true, true, "Bold Oblique"}};
    for (const auto& face : faces) {
        if (!styles.contains(QLatin1String(face.style))) continue;
        QFont font(family);
        font.setBold(face.bold);
        font.setItalic(face.italic);
        EXPECT_EQ(MatchingStyleName(font), face.style);
    }
    EXPECT_EQ(MatchingStyleName(QFont(QStringLiteral("No Such Family Anywhere"))), QString())
        << "an unknown family has no styles of its own";
}

TEST(FontStyleName, TheFontDialogKeepsAPlainOrBoldFontUpright)
{
    for (const bool bold : {false, true}) {
        QFont start(QStringLiteral("DejaVu Sans"), 12);
        start.setBold(bold);
        start.setStyleName(MatchingStyleName(start));
        QFontDialog dialog;
        dialog.setCurrentFont(start);
        const QFont shown = dialog.currentFont();
        EXPECT_FALSE(shown.italic()) << "bold " << bold;
        EXPECT_EQ(shown.bold(), bold);
        EXPECT_EQ(shown.pointSize(), 12);
    }
}

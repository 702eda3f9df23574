// SPDX-License-Identifier: GPL-2.0-or-later
// The burner sits below the studio: it includes nothing from the layers
// above it, so velomni-cli and the studio can both use it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

TEST(BurnerLayer, IncludesNothingFromTheLayersAboveIt)
{
    const QDir source(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../src/burner");
    const QStringList files = source.entryList({"*.h", "*.cpp"}, QDir::Files);
    ASSERT_GT(files.size(), 5);
    const QRegularExpression above(R"(#include\s+"(studio|canvas|inspector|app|cli)/)");
    for (const QString& name : files) {
        QFile file(source.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_FALSE(above.match(text).hasMatch()) << name.toStdString();
    }
}

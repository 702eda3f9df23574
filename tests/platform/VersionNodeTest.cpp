// SPDX-License-Identifier: GPL-2.0-or-later
#include "VersionTestTools.h"

#include "platform/VersionNode.h"
#include "platform/VersionTree.h"

#include <gtest/gtest.h>

#include <QtEndian>

namespace {

QByteArray StudioTree()
{
    return BuildVersionTree({"Velomni", "Velomni Studio", "0.1.0.0", "VelomniStudio", "GPL-2.0-or-later",
                             "VelomniStudio.exe", "Velomni Studio", "0.1.0.0"});
}

std::u16string NamePath(QStringView table = u"040904e4", QStringView name = u"OriginalFilename")
{
    return VersionKeyPath({u"VS_VERSION_INFO", u"StringFileInfo", table, name});
}

QString Find(QByteArrayView tree, const std::u16string& path)
{
    const auto spot = FindVersionNode(tree, path);
    return spot ? VersionText(tree, *spot) : QStringLiteral("<none>");
}

TEST(VersionNode, KeysMatchIgnoringTheCaseOfAsciiLettersOnly)
{
    QByteArray tree = StudioTree();
    EXPECT_EQ(Find(tree, NamePath()), "VelomniStudio.exe");
    EXPECT_EQ(Find(tree, VersionKeyPath({u"vs_version_info", u"STRINGFILEINFO", u"040904E4", u"originalfilename"})),
              "VelomniStudio.exe");
    EXPECT_EQ(Find(tree, NamePath(u"040904e4", u"OriginalFilenam")), "<none>");
    EXPECT_EQ(Find(tree, NamePath(u"040904e4", u"OriginalFilenames")), "<none>");
    EXPECT_EQ(Find(tree, NamePath(u"040904e5")), "<none>");
    EXPECT_EQ(Find(tree, VersionKeyPath({u"VS_VERSION_INFO", u"VarFileInfo", u"Translation"})).size(), 2);

    tree.replace(Utf16("OriginalFilename"), Utf16(QString::fromUtf16(u"\u00D6riginalFilename")));
    EXPECT_EQ(Find(tree, NamePath(u"040904e4", u"\u00D6RIGINALFILENAME")), "VelomniStudio.exe");
    EXPECT_EQ(Find(tree, NamePath(u"040904e4", u"\u00F6riginalFilename")), "<none>");
}

TEST(VersionNode, DamagedTreesNeverLeadOutsideThemselves)
{
    const QByteArray tree = StudioTree();
    for (qsizetype length = 0; length <= tree.size(); ++length) {
        // A copy of exactly that length, so a read past it is caught.
        const QByteArray cut(tree.constData(), length);
        const auto spot = FindVersionNode(cut, NamePath());
        if (!spot) continue;
        EXPECT_LE(spot->end, length);
        EXPECT_TRUE(QString("VelomniStudio.exe").startsWith(VersionText(cut, *spot))) << length;
    }

    QByteArray zeroLength = tree;
    const qsizetype stringFileInfo = tree.indexOf(Utf16("StringFileInfo")) - 6;
    qToLittleEndian<quint16>(0, zeroLength.data() + stringFileInfo);
    EXPECT_EQ(Find(zeroLength, NamePath()), "<none>");

    // A value cut off before its zero ends with the tree.
    EXPECT_EQ(Find(tree.left(tree.indexOf(Utf16("VelomniStudio.exe")) + 8), NamePath()), "Velo");
}

TEST(VersionTree, VersionNumbersAreFourDecimalsUpTo65535)
{
    EXPECT_EQ(ParseVersionNumbers(u"0.1.0.0"), (std::array<quint16, 4>{0, 1, 0, 0}));
    EXPECT_EQ(ParseVersionNumbers(u"65535.2.3.4"), (std::array<quint16, 4>{65535, 2, 3, 4}));
    for (const char16_t* bad : {u"0.1.0", u"0.1.0.0.0", u"65536.0.0.0", u"1.2.3.x", u"1.2.3.", u"+1.2.3.4", u" 1.2.3.4"})
        EXPECT_FALSE(ParseVersionNumbers(bad)) << QString::fromUtf16(bad).toStdString();
}

TEST(VersionTree, ValuesTooLongForTheTreesLengthsGiveNoTree)
{
    VersionFields fields;
    fields.legalCopyright = QString(40000, u'x');
    EXPECT_TRUE(BuildVersionTree(fields).isEmpty());
}

} // namespace

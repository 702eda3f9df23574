// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/IniFile.h"
#include "model/IniText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <climits>
#include <utility>

namespace {

const QByteArray kSettings = "; Velomni settings\r\n[START]\r\nDefaultPath = C:\\Projects\r\n\r\n"
                             "[Settings]\r\nDisplayGrid=1\r\n; grid in pixels\r\nGridSizeX=8\r\n\r\n"
                             "[SYSTEM]\r\nVersion=1.0\r\n";

ino_t Inode(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

QByteArray Replaced(QByteArray bytes, const char* from, const char* to)
{
    return bytes.replace(from, to);
}

} // namespace

TEST(IniText, LookupIgnoresAsciiCaseAndFirstMatchWins)
{
    const IniText text(QStringLiteral("x=outside\n[Main]\nKey=first\nkey=second\n[MAIN]\nKEY=third\nOther=o\n"));
    EXPECT_EQ(text.Value(u"main", u"KEY"), QStringLiteral("first"));
    EXPECT_EQ(text.Value(u" main ", u" key "), QStringLiteral("first"));
    // Only the first [Main] is looked at, and keys before any section belong to none.
    EXPECT_FALSE(text.Value(u"main", u"other"));
    EXPECT_FALSE(text.Value(u"", u"x"));
    // Case folding is ASCII only.
    const IniText accented(QStringLiteral("[\u00e9t\u00e9]\nk=v\n"));
    EXPECT_TRUE(accented.SectionExists(u"\u00e9T\u00e9"));
    EXPECT_FALSE(accented.SectionExists(u"\u00c9T\u00c9"));
    EXPECT_EQ(text.SectionNames(), QStringList({"Main"}));
    EXPECT_EQ(text.KeyNames(u"MAIN"), QStringList({"Key"}));

    // Removal takes every repeat, so nothing hidden comes to light.
    IniText edited = text;
    EXPECT_TRUE(edited.DeleteKey(u"main", u"key"));
    EXPECT_EQ(edited.ToString(), QStringLiteral("x=outside\n[Main]\n[MAIN]\nKEY=third\nOther=o\n"));
    EXPECT_TRUE(edited.EraseSection(u"Main"));
    EXPECT_EQ(edited.ToString(), QStringLiteral("x=outside\n"));
    EXPECT_FALSE(edited.EraseSection(u"Main"));
}

TEST(IniText, ValuesAreTrimmedSplitAtFirstEqualsAndUnquoted)
{
    const IniText text(QStringLiteral("[s]\n  a  =  x=y=z  \nd=\"quoted \"\nq='single'\nm=\"mixed'\n"
                                      "lone=\"\nempty=\n; c=comment\nnoequals\n"));
    EXPECT_EQ(text.Value(u"s", u"a"), QStringLiteral("x=y=z"));
    EXPECT_EQ(text.Value(u"s", u"d"), QStringLiteral("quoted "));
    EXPECT_EQ(text.Value(u"s", u"q"), QStringLiteral("single"));
    EXPECT_EQ(text.Value(u"s", u"m"), QStringLiteral("\"mixed'"));
    EXPECT_EQ(text.Value(u"s", u"lone"), QStringLiteral("\""));
    EXPECT_EQ(text.Value(u"s", u"empty"), QString());
    EXPECT_FALSE(text.Value(u"s", u"; c"));
    EXPECT_FALSE(text.Value(u"s", u"noequals"));
    EXPECT_EQ(text.KeyNames(u"s"), QStringList({"a", "d", "q", "m", "lone", "empty"}));
}

TEST(IniText, LineBreaksAndFinalNewlineArePreserved)
{
    for (const QString& source : {QStringLiteral("[a]\nk=1\n"), QStringLiteral("[a]\r\nk=1"),
                                  QStringLiteral("\n\n[a]\nk=1\n\n")}) {
        IniText text(source);
        EXPECT_EQ(text.ToString(), source);
        text.SetValue(u"a", u"k", u"2");
        EXPECT_EQ(text.ToString(), QString(source).replace("k=1", "k=2"));
    }
    // Added lines take the break of the first line.
    IniText lf(QStringLiteral("[a]\nk=1\r\n"));
    lf.SetValue(u"a", u"j", u"2");
    lf.SetValue(u"b", u"k", u"3");
    EXPECT_EQ(lf.ToString(), QStringLiteral("[a]\nk=1\nj=2\n[b]\nk=3\n"));
}

TEST(IniText, RefusesWhatCannotBeReadBack)
{
    IniText text;
    const QStringList bad[] = {{"", "k", "v"},   {"s", " ", "v"},  {"a]b", "k", "v"},       {"s", "a=b", "v"},
                               {"s", ";k", "v"}, {"s", "[k", "v"}, {"s", "k", "two\nlines"}, {"a\rb", "k", "v"}};
    for (const QStringList& c : bad) EXPECT_FALSE(text.SetValue(c[0], c[1], c[2])) << c.join('|').toStdString();
    EXPECT_TRUE(text.Lines().isEmpty());
}

TEST(IniText, ParsesIntegersLikeStrToIntDef)
{
    const std::pair<const char16_t*, int> good[] = {{u" 7 ", 7},         {u"-3", -3},   {u"+3", 3},
                                                    {u"0x1F", 31},       {u"$ff", 255}, {u"-0x10", -16},
                                                    {u"0xFFFFFFFF", -1}, {u"-2147483648", INT_MIN}};
    for (const auto& [text, value] : good) EXPECT_EQ(ParseIniInteger(text), value);
    for (const char16_t* bad : {u"abc", u"", u"-", u"0x", u"12a", u"1 2", u"1.5", u"2147483648", u"0x100000000",
                                u"\u0663", u"0xG"})
        EXPECT_FALSE(ParseIniInteger(bad)) << QString::fromUtf16(bad).toStdString();
}

TEST(IniFile, ReadsTypedValuesAndDefaults)
{
    TempDir dir;
    const TIniFile ini(dir.Write("a.ini", "[n]\nabc=abc\nempty=\nspaced= 7 \nhex=0x1F\nneg=-3\nzero=0\n"));
    const std::pair<const char*, int> cases[] = {{"abc", 5}, {"empty", 5}, {"spaced", 7},
                                                 {"hex", 31}, {"neg", -3},  {"missing", 5}};
    for (const auto& [key, value] : cases) EXPECT_EQ(ini.ReadInteger("N", key, 5), value) << key;
    EXPECT_FALSE(ini.ReadBool("n", "zero", true));
    EXPECT_TRUE(ini.ReadBool("n", "neg", false));
    EXPECT_TRUE(ini.ReadBool("n", "abc", true));
    EXPECT_FALSE(ini.ReadBool("n", "abc", false));
    EXPECT_EQ(ini.ReadString("n", "empty", "d"), QString());
    EXPECT_EQ(ini.ReadString("n", "missing", "d"), QStringLiteral("d"));
    EXPECT_EQ(TIniFile(dir.File("none.ini")).ReadString("n", "abc", "d"), QStringLiteral("d"));
}

TEST(IniFile, ChangingOneValueKeepsEverythingElse)
{
    TempDir dir;
    const QString path = dir.Write("VelomniStudio.ini", kSettings);
    TIniFile ini(path);
    EXPECT_TRUE(ini.WriteString("settings", "GRIDSIZEX", "16"));
    EXPECT_TRUE(ini.WriteString("start", "defaultpath", "D:\\Work"));
    EXPECT_EQ(TempDir::Read(path),
              Replaced(Replaced(kSettings, "GridSizeX=8", "GridSizeX=16"), "C:\\Projects", "D:\\Work"));

    // Writing the same value again does not replace the file.
    const ino_t before = Inode(path);
    EXPECT_TRUE(ini.WriteInteger("SETTINGS", "GridSizeX", 16));
    EXPECT_EQ(Inode(path), before);
}

TEST(IniFile, NewKeysAndSectionsAreAppended)
{
    TempDir dir;
    const QString path = dir.Write("VelomniStudio.ini", kSettings);
    TIniFile ini(path);
    EXPECT_TRUE(ini.WriteBool("Settings", "SNAPTOGRID", false));
    EXPECT_TRUE(ini.WriteInteger("New", "Count", -2));
    EXPECT_EQ(TempDir::Read(path),
              Replaced(kSettings, "GridSizeX=8\r\n", "GridSizeX=8\r\nSNAPTOGRID=0\r\n") +
                  "[New]\r\nCount=-2\r\n");

    // A second object on the same file sees the change at once.
    EXPECT_TRUE(TIniFile(path).WriteString("System", "Version", "2.0"));
    EXPECT_EQ(ini.ReadString("system", "version", ""), QStringLiteral("2.0"));
    EXPECT_EQ(ini.ReadSections(), QStringList({"START", "Settings", "SYSTEM", "New"}));
    EXPECT_EQ(ini.ReadSection("SETTINGS"), QStringList({"DisplayGrid", "GridSizeX", "SNAPTOGRID"}));
}

TEST(IniFile, CreatesMissingFileWithCrLf)
{
    TempDir dir;
    TIniFile ini(dir.File("new.ini"));
    EXPECT_TRUE(ini.WriteString("SETTINGS", "BACKGROUNDCOLOR", "16777215"));
    EXPECT_TRUE(ini.WriteString("SETTINGS", "DISPLAYGRID", "1"));
    EXPECT_EQ(TempDir::Read(ini.FileName()), "[SETTINGS]\r\nBACKGROUNDCOLOR=16777215\r\nDISPLAYGRID=1\r\n");
}

TEST(IniFile, SeveralKeysGoInOneRewriteOrNotAtAll)
{
    TempDir dir;
    const QString path = dir.Write("autorun.inf", "[autorun]\r\nicon=old.ico\r\n[other]\r\nx=1\r\n");
    TIniFile ini(path);
    const ino_t before = Inode(path);
    EXPECT_TRUE(ini.WriteStrings("AUTORUN", {{"OPEN", "VELOMNI.EXE"}, {"ICON", "VELOMNI.ICO"}, {"LABEL", ""}}));
    // Existing keys keep their place and spelling, new ones follow in order.
    EXPECT_EQ(TempDir::Read(path),
              "[autorun]\r\nicon=VELOMNI.ICO\r\nOPEN=VELOMNI.EXE\r\nLABEL=\r\n[other]\r\nx=1\r\n");
    EXPECT_NE(Inode(path), before);

    // One value that cannot be one line: nothing is written, not even the
    // keys before it.
    const QByteArray written = TempDir::Read(path);
    EXPECT_FALSE(ini.WriteStrings("autorun", {{"OPEN", "NEW.EXE"}, {"LABEL", "two\nlines"}}));
    EXPECT_EQ(TempDir::Read(path), written);

    // A missing file is made as the single writes would make it.
    TIniFile fresh(dir.File("fresh.inf"));
    EXPECT_TRUE(fresh.WriteStrings("autorun", {{"OPEN", "A"}, {"ICON", "B"}}));
    EXPECT_EQ(TempDir::Read(fresh.FileName()), "[autorun]\r\nOPEN=A\r\nICON=B\r\n");
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files, QDir::Name), QStringList({"autorun.inf", "fresh.inf"}));
}

TEST(IniFile, DeletesKeysAndSections)
{
    TempDir dir;
    const QString path = dir.Write("VelomniStudio.ini", kSettings + "[settings]\r\nDisplayGrid=0\r\n");
    TIniFile ini(path);
    EXPECT_TRUE(ini.DeleteKey("SETTINGS", "displaygrid"));
    EXPECT_FALSE(ini.ValueExists("Settings", "DisplayGrid"));
    EXPECT_TRUE(ini.DeleteKey("Settings", "NoSuchKey"));
    EXPECT_TRUE(ini.DeleteKey("NoSuchSection", "GridSizeX"));
    EXPECT_TRUE(ini.EraseSection("settings"));
    EXPECT_FALSE(ini.SectionExists("Settings"));
    EXPECT_EQ(TempDir::Read(path),
              "; Velomni settings\r\n[START]\r\nDefaultPath = C:\\Projects\r\n\r\n[SYSTEM]\r\nVersion=1.0\r\n");

    TIniFile missing(dir.File("missing.ini"));
    EXPECT_TRUE(missing.DeleteKey("a", "b"));
    EXPECT_TRUE(missing.EraseSection("a"));
    EXPECT_FALSE(QFile::exists(missing.FileName()));
}

TEST(IniFile, AutorunKeepsItsSpelling)
{
    TempDir dir;
    const QString path = dir.Write("autorun.inf", "[AutoRun]\r\nOpen=Setup.exe\r\nIcon=setup.ico\r\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("autorun", "open", ""), QStringLiteral("Setup.exe"));
    EXPECT_TRUE(ini.WriteString("autorun", "open", "Studio.exe"));
    EXPECT_TRUE(ini.WriteString("autorun", "label", "Velomni Disc"));
    EXPECT_EQ(TempDir::Read(path), "[AutoRun]\r\nOpen=Studio.exe\r\nIcon=setup.ico\r\nlabel=Velomni Disc\r\n");
}

TEST(IniFile, BytesAreWindows1252)
{
    TempDir dir;
    const QString path = dir.Write("cp.ini", "\xEF\xBB\xBF[s]\r\nk=caf\xE9 \x80\r\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("s", "k", ""), QStringLiteral("caf\u00e9 \u20ac"));
    EXPECT_TRUE(ini.WriteString("s", "j", QStringLiteral("\u2122\u4e00")));
    EXPECT_EQ(TempDir::Read(path), "\xEF\xBB\xBF[s]\r\nk=caf\xE9 \x80\r\nj=\x99?\r\n");
}

TEST(IniFile, UnwritableFilesAreLeftAlone)
{
    TempDir dir;
    EXPECT_FALSE(TIniFile(dir.File("no/such/folder/a.ini")).WriteString("s", "k", "v"));
    EXPECT_FALSE(TIniFile(dir.Path()).WriteString("s", "k", "v"));
    EXPECT_TRUE(QFileInfo(dir.Path()).isDir());

    // Too large to read: reads as empty and is never rewritten.
    const QString big = dir.Write("big.ini", "[s]\r\nk=v\r\n");
    QFile(big).resize(TIniFile::kMaxIniFileSize + 1);
    TIniFile bigIni(big);
    EXPECT_FALSE(bigIni.SectionExists("s"));
    EXPECT_FALSE(bigIni.WriteString("s", "k", "w"));
    EXPECT_EQ(QFileInfo(big).size(), TIniFile::kMaxIniFileSize + 1);
    EXPECT_TRUE(TempDir::Read(big).startsWith("[s]\r\nk=v\r\n"));

    // Garbage reads without harm.
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage += char((i * 7919) >> 3);
    EXPECT_EQ(TIniFile(dir.Write("garbage.ini", garbage)).ReadString("s", "k", "d"), QStringLiteral("d"));
}

TEST(IniFile, ReadOnlyFolderKeepsTheOldFile)
{
    TempDir dir;
    ASSERT_TRUE(QDir(dir.Path()).mkdir("ro"));
    const QString path = dir.Write("ro/a.ini", "[s]\r\nk=v\r\n");
    QFile::setPermissions(dir.File("ro"), QFile::ReadOwner | QFile::ExeOwner);
    const bool canStillWrite = QFile(dir.File("ro/probe")).open(QIODevice::WriteOnly);
    if (!canStillWrite) {
        TIniFile ini(path);
        EXPECT_FALSE(ini.WriteString("s", "k", "w"));
        EXPECT_FALSE(ini.WriteString("t", "k", "v"));
        EXPECT_TRUE(ini.WriteString("S", "K", "v"));
        EXPECT_EQ(TempDir::Read(path), "[s]\r\nk=v\r\n");
    }
    QFile::setPermissions(dir.File("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (canStillWrite) GTEST_SKIP() << "folder permissions do not bind this user";
}

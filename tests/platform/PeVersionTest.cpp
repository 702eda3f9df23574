// SPDX-License-Identifier: GPL-2.0-or-later
// Reading and patching the version resource of real PE files built with
// mingw-w64 and read back with the resource tools.
#include "VersionTestTools.h"

#include "platform/VersionInfo.h"
#include "platform/VersionTree.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {

const QString kStudioName = "VelomniStudio.exe";
const QString kPlayerName = "velomni.exe      ";

quint32 Get32(const QByteArray& image, qint64 offset)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i) value |= quint32(uchar(image.at(offset + i))) << (8 * i);
    return value;
}

void Put32(QByteArray& image, qint64 offset, quint32 value)
{
    for (int i = 0; i < 4; ++i) image[offset + i] = char(value >> (8 * i));
}

// Offsets in a PE32 image, to damage one field at a time.
struct PeLayout {
    explicit PeLayout(const QByteArray& image)
        : header(Get32(image, 60)), optional(header + 24)
    {
        const int sections = uchar(image.at(header + 6)) | uchar(image.at(header + 7)) << 8;
        for (int i = 0; i < sections; ++i)
            if (image.mid(optional + 224 + 40 * i, 8) == QByteArray(".rsrc\0\0\0", 8)) rsrc = optional + 224 + 40 * i;
    }
    qint64 header, optional, rsrc = 0;
};

class PeVersion : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        const QString folder = s_dir->path();
        try {
            Store(folder + "/x.bin", "x");
            s_studio = BuildPe(folder, "studio", VersionScript(kStudioName));
            s_wide = BuildPe(folder, "wide", VersionScript(kStudioName), true);
            s_secondName = BuildPe(folder, "second", VersionScript(kStudioName, "StringFileInfo", "040904E4", "2"));
            s_noVersion = BuildPe(folder, "noversion", "MYDATA RCDATA \"x.bin\"\n");
            s_crowded = BuildPe(folder, "crowded",
                                "NAMED CUSTOM \"x.bin\"\nMYDATA RCDATA \"x.bin\"\nLANGUAGE 0x07, 0x01\n"
                                    + VersionScript(kStudioName) + "LANGUAGE 0x09, 0x01\n"
                                    + VersionScript("OtherLanguage.exe")
                                    + VersionScript("NamedDecoy.exe", "StringFileInfo", "040904E4", "DECOY"));
            // The resource compiler takes StringFileInfo in this spelling only.
            s_cases = BuildPe(folder, "cases", VersionScript(kStudioName, "StringFileInfo", "040904e4"));
            QByteArray cases = Bytes(s_cases);
            cases.replace(Utf16("StringFileInfo"), Utf16("STRINGFILEINFO"));
            Store(s_cases, cases.replace(Utf16("OriginalFilename"), Utf16("originalFILENAME")));
        } catch (const ToolFailure& e) {
            s_setupError = e.what();
        }
    }
    static void TearDownTestSuite() { s_dir.reset(); }

    void SetUp() override
    {
        if (!s_setupError.isEmpty()) GTEST_FAIL() << qPrintable(s_setupError);
    }

    QString Copy(const QString& fixture)
    {
        const QString path = m_dir.filePath(QFileInfo(fixture).fileName());
        QFile::copy(fixture, path);
        return path;
    }

    QTemporaryDir m_dir;
    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline QString s_setupError;
    static inline QString s_studio, s_wide, s_cases, s_secondName, s_noVersion, s_crowded;
};

TEST_F(PeVersion, BuiltTreeIsByteForByteTheOneTheResourceCompilerWrites)
{
    const VersionFields fields{"Velomni", "Velomni Studio", "0.1.0.0", "VelomniStudio", "GPL-2.0-or-later",
                               kStudioName, "Velomni Studio", "0.1.0.0"};
    EXPECT_EQ(BuildVersionTree(fields).toHex(), RawVersionResource(s_studio).toHex());
}

TEST_F(PeVersion, ReadsStringValuesOfResourceOneInItsFirstLanguage)
{
    EXPECT_EQ(ReadVersionFileName(s_studio), kStudioName);
    EXPECT_EQ(ReadFileVersion(s_studio), "0.1.0.0");
    EXPECT_EQ(ReadVersionValue(s_studio, "productname"), "Velomni Studio");
    EXPECT_EQ(ReadVersionValue(s_studio, "Comments"), "");
    EXPECT_EQ(ReadVersionFileName(s_cases), kStudioName);
    // Named types and names never match; of two languages the first counts.
    EXPECT_EQ(ReadVersionFileName(s_crowded), kStudioName);
    // The system reads 64-bit images too, though the patch refuses them.
    EXPECT_EQ(ReadVersionFileName(s_wide), kStudioName);
    EXPECT_EQ(ReadVersionFileName(s_noVersion), "");
    EXPECT_EQ(ReadVersionFileName(m_dir.filePath("missing.exe")), "");
}

TEST_F(PeVersion, PatchRewritesOnlyTheValueInPlace)
{
    const QString exe = Copy(s_studio);
    const QByteArray before = Bytes(exe);
    ASSERT_EQ(PatchFailure(exe, kPlayerName), "");

    const QByteArray after = Bytes(exe);
    const qsizetype value = before.indexOf(Utf16(kStudioName));
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.left(value), before.left(value));
    EXPECT_EQ(after.mid(value + 34), before.mid(value + 34));
    EXPECT_TRUE(DecompiledResources(exe).contains("VALUE \"OriginalFilename\", \"velomni.exe      \""));
    EXPECT_EQ(TrimVersionText(ReadVersionFileName(exe)), "velomni.exe");
}

TEST_F(PeVersion, ShorterTextKeepsTheOldTailLongerTextIsRefused)
{
    const QString exe = Copy(s_studio);
    ASSERT_EQ(PatchFailure(exe, "Player"), "");
    EXPECT_EQ(ReadVersionFileName(exe), "PlayeriStudio.exe");

    const QByteArray before = Bytes(exe);
    EXPECT_EQ(PatchFailure(exe, "velomni.exe       "), "Resource update error: Text too long (1)");
    EXPECT_EQ(Bytes(exe), before);
}

TEST_F(PeVersion, PatchSkipsNamedEntriesAndMatchesKeysInAnyLetterCase)
{
    const QString crowded = Copy(s_crowded);
    ASSERT_EQ(PatchFailure(crowded, kPlayerName), "");
    const QByteArray rc = DecompiledResources(crowded);
    EXPECT_EQ(rc.count("\"velomni.exe      \""), 1);
    EXPECT_TRUE(rc.contains("\"OtherLanguage.exe\"") && rc.contains("\"NamedDecoy.exe\"")) << rc.constData();
    EXPECT_EQ(ReadVersionFileName(crowded), kPlayerName);

    // The decompiler takes StringFileInfo in one spelling only.
    const QString cases = Copy(s_cases);
    ASSERT_EQ(PatchFailure(cases, kPlayerName), "");
    EXPECT_TRUE(RawVersionResource(cases).contains(Utf16("originalFILENAME") + QByteArray(2, 0) + Utf16(kPlayerName)));
}

TEST_F(PeVersion, RefusesFilesItCannotPatchAndLeavesThemUnchanged)
{
    using Damage = std::function<void(QByteArray&, const PeLayout&)>;
    const Damage none = [](QByteArray&, const PeLayout&) {};
    const auto directory = [](const QByteArray&, const PeLayout& pe) { return pe.optional + 112; };
    const std::vector<std::tuple<const char*, QString, Damage, std::string>> cases = {
        {"64-bit", s_wide, none, "File isn't a PE file (3)"},
        {"no MZ", s_studio, [](QByteArray& b, const PeLayout&) { b[0] = 'X'; }, "File isn't an EXE file (1)"},
        {"text", s_studio, [](QByteArray& b, const PeLayout&) { b = "plain text\n"; }, "File isn't an EXE file (1)"},
        {"no PE offset", s_studio, [](QByteArray& b, const PeLayout&) { Put32(b, 60, 0); }, "File isn't a PE file (1)"},
        {"signature", s_studio, [](QByteArray& b, const PeLayout& pe) { b[pe.header + 1] = 'F'; },
         "File isn't a PE file (2)"},
        {"magic", s_studio, [](QByteArray& b, const PeLayout& pe) { b[pe.optional] = 0x0C; }, "File isn't a PE file (4)"},
        {"size 0", s_studio, [&](QByteArray& b, const PeLayout& pe) { Put32(b, directory(b, pe) + 4, 0); },
         "No resources (1)"},
        {"resources not at the section start", s_studio,
         [&](QByteArray& b, const PeLayout& pe) { Put32(b, directory(b, pe), Get32(b, directory(b, pe)) + 16); },
         "No resources (2)"},
        {"no file data", s_studio, [](QByteArray& b, const PeLayout& pe) { Put32(b, pe.rsrc + 20, 0); },
         "No resources (2)"},
        {"no version", s_noVersion, none, "Can't find resource (1)"},
        {"version 2 only", s_secondName, none, "Can't find resource (2)"},
        {"language is a directory", s_studio,
         [](QByteArray& b, const PeLayout& pe) {
             const quint32 raw = Get32(b, pe.rsrc + 20);
             const quint32 names = Get32(b, raw + 20) & 0x7FFFFFFF;
             const quint32 languages = Get32(b, raw + names + 20) & 0x7FFFFFFF;
             Put32(b, raw + languages + 20, Get32(b, raw + languages + 20) | 0x80000000);
         },
         "Can't find resource (3)."},
        {"data before the section", s_studio,
         [&](QByteArray& b, const PeLayout& pe) {
             Put32(b, pe.rsrc + 12, Get32(b, pe.rsrc + 12) + 0x1000);
             Put32(b, directory(b, pe), Get32(b, directory(b, pe)) + 0x1000);
         },
         "Invalid resource (1)"},
        {"data beyond the section", s_studio, [](QByteArray& b, const PeLayout& pe) { Put32(b, pe.rsrc + 16, 1); },
         "Invalid resource (2)"},
    };
    for (const auto& [what, fixture, damage, reason] : cases) {
        QByteArray image = Bytes(fixture);
        damage(image, PeLayout(image));
        const QString exe = Store(m_dir.filePath("damaged.exe"), image);
        EXPECT_EQ(PatchFailure(exe, kPlayerName), "Resource update error: " + reason) << what;
        EXPECT_EQ(Bytes(exe), image) << what;
    }
}

TEST_F(PeVersion, FileFailuresRaiseTheFileErrorWithTheSystemCode)
{
    EXPECT_EQ(PatchFailure(m_dir.filePath("missing.exe"), kPlayerName), "file error 2: No such file or directory");
    const QByteArray image = Bytes(s_studio);
    const QString truncated = Store(m_dir.filePath("truncated.exe"), image.left(image.indexOf(Utf16(kStudioName))));
    EXPECT_EQ(PatchFailure(truncated, kPlayerName), "file error 38: Reached the end of the file");
    EXPECT_EQ(ReadVersionFileName(truncated), "");
}

} // namespace

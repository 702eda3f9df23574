// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/CliCommands.h"
#include "model/ErrorReports.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>

namespace {

struct CliRun {
    int status;
    QByteArray out;
    QByteArray err;
};

CliRun Cli(const QStringList& arguments)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunCli(arguments);
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    return {status, QByteArray::fromStdString(out), QByteArray::fromStdString(err)};
}

QByteArray PngBase64()
{
    QImage image(6, 4, QImage::Format_ARGB32);
    image.fill(qRgba(10, 200, 30, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toBase64();
}

QJsonObject SixKinds()
{
    const QJsonObject picture{{"Tag", "TPNGObject"}, {"Data", QString::fromLatin1(PngBase64())}};
    return QJsonObject{
        {"FormCaption", QString::fromUtf8("Démo")},
        {"BackColor", 4278190095.0},
        {"SplashScreenImage", picture},
        {"StartActions", QJsonArray{QJsonObject{{"ActionType", 4}, {"Parameter", "\\intro.wav"}}}},
        {"ObjectList",
         QJsonArray{
             QJsonObject{{"Name", "Button1"}, {"ObjectType", 0}, {"Left", 8}, {"Top", 9},
                         {"ClickSound", "\\click.wav"},
                         {"Kind", QJsonObject{{"Caption", "Play"}, {"Margin", 4}, {"NormalImage", picture},
                                              {"MouseOverFont", QJsonObject{{"Name", "DejaVu Sans"}, {"Style", 1}}}}},
                         {"Actions", QJsonArray{QJsonObject{{"ActionType", 0}, {"Parameter", "\\setup.exe"}},
                                                QJsonObject{{"ActionType", 9}}}}},
             QJsonObject{{"Name", "Image1"}, {"ObjectType", 1}, {"Kind", QJsonObject{{"Picture", picture}, {"Stretch", true}}}},
             QJsonObject{{"Name", "Text1"}, {"ObjectType", 2}, {"Kind", QJsonObject{{"Caption", "A & B"}, {"Alignment", 2}}}},
             QJsonObject{{"Name", "TextBox1"}, {"ObjectType", 3}, {"Kind", QJsonObject{{"Text", "one\ntwo"}}}},
             QJsonObject{{"Name", "RichText1"}, {"ObjectType", 4}, {"Kind", QJsonObject{{"FileName", "\\readme.rtf"}}}},
             QJsonObject{{"Name", "Explorer1"}, {"ObjectType", 5}, {"Kind", QJsonObject{{"Address", "\\web\\index.html"}}}},
         }},
    };
}

QJsonObject Exported(const QString& folder)
{
    const CliRun run = Cli({"export", folder});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

} // namespace

TEST(CliImportExport, ImportThenExportKeepsEveryFieldAndFillsDefaults)
{
    TempDir dir;
    const QString json = dir.Write("in.json", QJsonDocument(SixKinds()).toJson());
    const CliRun import = Cli({"import", json, dir.File("project")});
    ASSERT_EQ(import.status, 0) << import.err.toStdString();

    const QJsonObject out = Exported(dir.File("project"));
    EXPECT_EQ(out["BodyVersion"].toInt(), 1);
    EXPECT_EQ(out["FormCaption"].toString(), QString::fromUtf8("Démo"));
    EXPECT_EQ(out["BackColor"].toDouble(), 4278190095.0);
    EXPECT_EQ(out["CDLabel"].toString(), "CDROM"); // not given: the default
    EXPECT_EQ(out["FormIcon"], QJsonValue::Null);
    const QJsonObject splash = out["SplashScreenImage"].toObject();
    EXPECT_EQ(splash["Tag"].toString(), "TPNGObject");
    EXPECT_EQ(splash["Width"].toInt(), 6);
    EXPECT_EQ(splash["Height"].toInt(), 4);
    EXPECT_EQ(splash["Data"].toString().toLatin1(), PngBase64());
    EXPECT_EQ(splash["SHA256"].toString().size(), 64);

    const QJsonArray objects = out["ObjectList"].toArray();
    ASSERT_EQ(objects.size(), 6);
    const QJsonObject button = objects[0].toObject();
    EXPECT_EQ(button["Left"].toInt(), 8);
    EXPECT_EQ(button["Width"].toInt(), 89); // a new button's size
    EXPECT_EQ(button["ClickSound"].toString(), "\\click.wav");
    EXPECT_EQ(button["Actions"].toArray().size(), 2);
    const QJsonObject buttonKind = button["Kind"].toObject();
    EXPECT_EQ(buttonKind["Caption"].toString(), "Play");
    EXPECT_EQ(buttonKind["Margin"].toInt(), 4);
    EXPECT_EQ(buttonKind["Spacing"].toInt(), 5);
    EXPECT_EQ(buttonKind["ButtonStyle"].toInt(), 2);
    const QJsonObject overFont = buttonKind["MouseOverFont"].toObject();
    EXPECT_EQ(overFont["Name"].toString(), "DejaVu Sans");
    EXPECT_EQ(overFont["Color"].toDouble(), 0xFF0000); // kept from the new button's font
    EXPECT_EQ(objects[3].toObject()["Kind"].toObject()["Text"].toString(), "one\r\ntwo");
    EXPECT_EQ(objects[5].toObject()["Kind"].toObject()["Address"].toString(), "\\web\\index.html");

    // Importing the export again writes the same body.
    const QString again = dir.Write("again.json", Cli({"export", dir.File("project")}).out);
    ASSERT_EQ(Cli({"import", again, dir.File("copy")}).status, 0);
    EXPECT_EQ(Exported(dir.File("copy")), out);
}

TEST(CliImportExport, ExportWritesMembersInRecordOrder)
{
    TempDir dir;
    ASSERT_EQ(Cli({"import", dir.Write("in.json", "{}"), dir.Path()}).status, 0);
    const QByteArray text = Cli({"export", dir.Path()}).out;
    const qsizetype version = text.indexOf("\"BodyVersion\"");
    const qsizetype splash = text.indexOf("\"SplashScreenImage\"");
    const qsizetype back = text.indexOf("\"BackImage\"");
    const qsizetype objects = text.indexOf("\"ObjectList\"");
    EXPECT_TRUE(version >= 0 && version < splash && splash < back && back < objects);
}

TEST(CliImportExport, WrongTypesAreRefusedNamingTheField)
{
    TempDir dir;
    const struct {
        const char* json;
        const char* message;
    } cases[] = {
        {R"({"FormCaption": 5})", "FormCaption: expected text"},
        {R"({"Width": 1.5})", "Width: expected a whole number"},
        {R"({"BorderStyle": 256})", "BorderStyle: expected a whole number from 0 to 255"},
        {R"({"ObjectList": [{"ObjectType": 0, "Kind": {"Margin": "ten"}}]})",
         "ObjectList[0].Kind.Margin: expected a whole number"},
        {R"({"ObjectList": [{"ObjectType": 6}]})", "ObjectList[0].ObjectType: expected a whole number from 0 to 5"},
        {R"({"BackImage": {"Tag": "TPNGObject", "Data": "***"}})", "BackImage.Data: not valid base64"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli({"import", dir.Write("bad.json", c.json), dir.File("out")});
        EXPECT_EQ(run.status, 1) << c.json;
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(dir.File("out/velomni.vpj"))) << c.json;
    }
}

TEST(CliImportExport, DamagedDataFilesAndPicturesShowTheLoadersMessage)
{
    TempDir dir;
    dir.Write("velomni.vpj", "not a project file");
    CliRun run = Cli({"export", dir.Path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "File Format: Invalid file format.\n");
    EXPECT_TRUE(run.out.isEmpty());

    const QString json = dir.Write("bad.json", R"({"BackImage": {"Tag": "TPNGObject", "Data": "AAAA"}})");
    run = Cli({"import", json, dir.File("out")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("Error: ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("-1006).")) << run.err.toStdString();
}

TEST(CliImportExport, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(Cli({}).status, 2);
    EXPECT_EQ(Cli({"frobnicate"}).status, 2);
    EXPECT_EQ(Cli({"export"}).status, 2);
    EXPECT_EQ(Cli({"import", "only-one"}).status, 2);
}

TEST(CliBuild, AFolderWithoutAReadableProjectIsRefusedUntouched)
{
    TempDir dir;
    CliRun run = Cli({"build", dir.Path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("velomni.vpj: no project data file")) << run.err.toStdString();
    EXPECT_TRUE(QDir(dir.Path()).isEmpty());

    dir.Write("velomni.vpj", "not a project file");
    run = Cli({"build", dir.Path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "File Format: Invalid file format.\n");
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files), QStringList{"velomni.vpj"});

    EXPECT_EQ(Cli({"build"}).status, 2);
    EXPECT_EQ(Cli({"build", dir.Path(), dir.Path()}).status, 2);
}

TEST(CliBuild, WithoutAStudioBesideTheToolThereIsNoPlayerToCopy)
{
    // The test program's folder holds no velomni-studio.
    TempDir dir;
    const QString json = dir.Write("p.json", "{}");
    ASSERT_EQ(Cli({"import", json, dir.File("project")}).status, 0);
    const CliRun run = Cli({"build", dir.File("project")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error: " + StreamErrorText(ENOENT, 3001).toUtf8() + "\n");
    EXPECT_EQ(QDir(dir.File("project")).entryList(QDir::Files), QStringList{"velomni.vpj"});
}

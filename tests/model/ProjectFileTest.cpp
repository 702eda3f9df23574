// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/ErrorReports.h"
#include "model/ProcessState.h"
#include "model/ProjectFile.h"
#include "model/ProjectHost.h"
#include "model/StreamPrimitives.h"
#include "model/VoStream.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

namespace {

// A control whose kind record is the version and one string, as the web
// panel's is; enough to exercise the object records around it.
class AddressControl final : public TVoControl {
public:
    QRect Bounds() const override { return bounds; }
    void SetBounds(const QRect& b) override { bounds = b; }
    bool WriteKindRecord(TVoStream& stream) const override
    {
        return RunReported(4007, [&] {
            stream.WriteI32(0);
            return WriteString(stream, address);
        });
    }
    bool ReadKindRecord(TVoStream& stream) override
    {
        return RunReported(4008, [&] {
            if (stream.ReadI32() != 0) {
                ShowDataError();
                return false;
            }
            return ReadString(stream, address);
        });
    }
    QRect bounds{0, 0, 177, 177};
    QString address;
};

class TestHost final : public TProjectHost {
public:
    ~TestHost() override { FreeObjectList(objects); }
    TProjectSettings& Settings() override { return settings; }
    TObjectList& ObjectList() override { return objects; }
    TVoActions& StartActions() override { return startActions; }
    void ResetProject() override
    {
        ++resets;
        settings = TProjectSettings();
        FreeObjectList(objects);
        ClearActionList(startActions);
    }
    void SetWindowIcon(const TPicture& icon) override { settings.FormIcon = icon; }
    void SetWindowSize(int w, int h) override
    {
        settings.Width = w;
        settings.Height = h;
    }
    std::unique_ptr<TVoControl> CreateControl(TVoObject&) override
    {
        return std::make_unique<AddressControl>();
    }
    void RedrawBackground() override { ++redraws; }
    void PositionWindow() override {}

    // Adds an object of kind 5 with an address and one click action.
    TVoObject* Add(const QString& name, const QString& address)
    {
        TVoObject* entry = NewObjectEntry();
        entry->Name = name;
        entry->ObjectType = 5;
        auto control = std::make_unique<AddressControl>();
        control->address = address;
        control->bounds = QRect(10, 20, 30, 40);
        control->Entry = entry;
        entry->Control = std::move(control);
        entry->Actions.push_back(std::make_unique<TVoAction>(TVoAction{1, address}));
        objects.push_back(entry);
        return entry;
    }

    TProjectSettings settings;
    TObjectList objects;
    TVoActions startActions;
    int resets = 0;
    int redraws = 0;
};

QByteArray Saved(TestHost& host)
{
    TempDir dir;
    const QString path = dir.File("velomni.vpj");
    EXPECT_TRUE(SaveProject(host, path));
    return TempDir::Read(path);
}

// Where the project body starts: after the magic, the format version, the
// scrambled header text and the header value.
qsizetype BodyOffset(const QByteArray& bytes)
{
    TMemoryStream s(bytes);
    s.Seek(8);
    QString header;
    EXPECT_TRUE(ReadScrambledString(s, header));
    return s.Position() + 4;
}

// The body alone: the header is scrambled anew by every save.
QByteArray Body(const QByteArray& bytes)
{
    return bytes.mid(BodyOffset(bytes));
}

struct LoadOutcome {
    bool ok;
    QList<RecordingMessageBoxes::Box> boxes;
};

LoadOutcome LoadBytes(TestHost& host, const QByteArray& bytes)
{
    TempDir dir;
    const QString path = dir.Write("velomni.vpj", bytes);
    RecordingMessageBoxes boxes;
    const bool ok = LoadProject(host, path);
    return {ok, boxes.Boxes()};
}

} // namespace

TEST(ScrambledString, LayoutAndRoundTrip)
{
    // A hand-made record with N = 3 and the text "AB" scrambled by 3.
    TMemoryStream record(QByteArray::fromHex("03000000" "11111111" "22222222" "33333333"
                                             "02000000" "4241"));
    QString text;
    ASSERT_TRUE(ReadScrambledString(record, text));
    EXPECT_EQ(text, "AB");
    EXPECT_EQ(record.Remaining(), 0);

    // Written with a random N from 1 to 50 and fillers below 2^31 - 1.
    for (int i = 0; i < 200; ++i) {
        TMemoryStream s;
        ASSERT_TRUE(WriteScrambledString(s, "AB"));
        s.Seek(0);
        const qint32 n = s.ReadI32();
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 50);
        for (int k = 0; k < n; ++k) ASSERT_LT(s.ReadI32(), 2147483647);
        EXPECT_EQ(s.ReadBytes(s.Remaining()),
                  QByteArray("\x02\0\0\0", 4) + char('A' ^ n) + char('B' ^ n));
    }
}

TEST(ScrambledString, DamagedCountsFailWithCode2002)
{
    for (const char* hex : {"ffffffff", "32000000" "00000000", "0100"}) {
        RecordingMessageBoxes boxes;
        TMemoryStream s(QByteArray::fromHex(hex));
        QString text;
        EXPECT_FALSE(ReadScrambledString(s, text)) << hex;
        ASSERT_EQ(boxes.Boxes().size(), 1) << hex;
        EXPECT_TRUE(boxes.Boxes()[0].text.endsWith("-2002).")) << hex;
    }
}

TEST(ProjectFile, EmptyProjectIsHeaderAndABodyWithNoActionsOrObjects)
{
    TestHost host;
    const QByteArray bytes = Saved(host);
    TMemoryStream s(bytes);
    EXPECT_EQ(s.ReadU32(), 0x002613F4u);
    EXPECT_EQ(bytes.left(4), QByteArray::fromHex("f4132600"));
    EXPECT_EQ(s.ReadI32(), 0);
    QString header;
    ASSERT_TRUE(ReadScrambledString(s, header));
    s.ReadI32();
    EXPECT_EQ(s.ReadI32(), 1); // body version
    // Empty splash picture, 2 seconds, backdrop on, empty backdrop picture,
    // style 2, white, TopBottom, blue, caption "Velomni", no icon ...
    EXPECT_EQ(s.ReadBytes(4 + 4 + 1 + 4 + 1 + 4 + 1 + 4),
              QByteArray::fromHex("00000000" "02000000" "01" "00000000" "02" "ffffff00" "01"
                                  "0000ff00"));
    // ... and the body ends with the start-action count and the object count.
    EXPECT_EQ(bytes.right(8), QByteArray(8, '\0'));
}

TEST(ProjectFile, SaveLoadSaveGivesTheSameBytes)
{
    TestHost host;
    host.settings.FormCaption = QString::fromUtf8("Menü");
    host.settings.BackColor = 0xFF00000F;
    host.settings.Cursor = -21;
    host.settings.FormLeft = -5;
    host.settings.Width = 800;
    host.settings.GradientStyle = 7;
    host.startActions.push_back(std::make_unique<TVoAction>(TVoAction{4, "\\intro.wav"}));
    host.Add("Site", "https://example.org")->OverSound = "\\over.wav";
    host.Add("Docs", "\\docs")->ClickSound = "\\click.wav";
    const QByteArray first = Saved(host);

    TestHost loaded;
    const LoadOutcome load = LoadBytes(loaded, first);
    ASSERT_TRUE(load.ok);
    EXPECT_TRUE(load.boxes.isEmpty());
    EXPECT_EQ(loaded.redraws, 1);
    EXPECT_EQ(loaded.settings.FormCaption, QString::fromUtf8("Menü"));
    EXPECT_EQ(loaded.settings.BackColor, 0xFF00000Fu);
    EXPECT_EQ(loaded.settings.Width, 800);
    ASSERT_EQ(loaded.objects.size(), 2u);
    EXPECT_EQ(loaded.objects[0]->Name, "Site");
    EXPECT_EQ(loaded.objects[0]->OverSound, "\\over.wav");
    EXPECT_EQ(loaded.objects[1]->ClickSound, "\\click.wav");
    EXPECT_EQ(loaded.objects[1]->Control->Bounds(), QRect(10, 20, 30, 40));
    EXPECT_EQ(loaded.objects[1]->Control->Entry, loaded.objects[1]);
    EXPECT_EQ(loaded.objects[1]->Actions[0]->Parameter, "\\docs");
    ASSERT_EQ(loaded.startActions.size(), 1u);
    EXPECT_EQ(loaded.startActions[0]->ActionType, 4);

    EXPECT_EQ(Body(Saved(loaded)), Body(first));
}

TEST(ProjectFile, OuterChecksLeaveTheProjectAsItWas)
{
    TestHost source;
    const QByteArray good = Saved(source);
    struct Case {
        QByteArray bytes;
        const char* caption;
        const char* text;
    } cases[] = {
        {QByteArray::fromHex("f4132601") + good.mid(4), "File Format", "Invalid file format."},
        {good.left(4) + QByteArray::fromHex("01000000") + good.mid(8), "Information",
         "The file is too new to read, maybe you need install newest version of the software."},
    };
    for (const Case& c : cases) {
        TestHost host;
        host.settings.FormCaption = "Kept";
        const LoadOutcome load = LoadBytes(host, c.bytes);
        EXPECT_FALSE(load.ok);
        ASSERT_EQ(load.boxes.size(), 1);
        EXPECT_EQ(load.boxes[0].caption, c.caption);
        EXPECT_EQ(load.boxes[0].text, c.text);
        EXPECT_EQ(load.boxes[0].icon, MsgIcon::Information);
        EXPECT_EQ(host.settings.FormCaption, "Kept");
        EXPECT_EQ(host.resets, 0);
    }
}

TEST(ProjectFile, BodyVersionsZeroToOne)
{
    TestHost source;
    source.settings.SplashScreenTime = 9;
    source.settings.FormCaption = "Old";
    QByteArray bytes = Saved(source);
    const qsizetype body = BodyOffset(bytes);
    // A version-0 body has no splash and backdrop fields.
    const qsizetype v1Fields = 4 + 4 + 1 + 4 + 1 + 4 + 1 + 4;
    QByteArray v0 = bytes;
    v0.replace(body, 4 + v1Fields, QByteArray(4, '\0'));
    TestHost host;
    host.settings.SplashScreenTime = 5;
    ASSERT_TRUE(LoadBytes(host, v0).ok);
    EXPECT_EQ(host.settings.SplashScreenTime, 2);
    EXPECT_EQ(host.settings.FormCaption, "Old");

    QByteArray v2 = bytes;
    v2[body] = 2;
    TestHost untouched;
    untouched.settings.FormCaption = "Kept";
    const LoadOutcome load = LoadBytes(untouched, v2);
    EXPECT_FALSE(load.ok);
    ASSERT_EQ(load.boxes.size(), 1);
    EXPECT_EQ(load.boxes[0].caption, "Data Error");
    EXPECT_EQ(untouched.resets, 0);
    EXPECT_EQ(untouched.settings.FormCaption, "Kept");
}

TEST(ProjectFile, EveryTruncationFailsWithOneMessageAndNoHalfBuiltObject)
{
    TestHost source;
    source.startActions.push_back(std::make_unique<TVoAction>(TVoAction{0, "\\a.exe"}));
    source.Add("One", "\\one.html");
    source.Add("Two", "\\two.html");
    const QByteArray bytes = Saved(source);
    for (qsizetype cut = 0; cut < bytes.size(); ++cut) {
        TestHost host;
        const LoadOutcome load = LoadBytes(host, bytes.left(cut));
        ASSERT_FALSE(load.ok) << cut;
        ASSERT_EQ(load.boxes.size(), 1) << cut;
        for (const TVoObject* entry : host.objects) {
            ASSERT_NE(entry, nullptr) << cut;
            ASSERT_NE(entry->Control, nullptr) << cut;
        }
    }
}

TEST(ProjectFile, HugeAndNegativeCountsFailBeforeAllocating)
{
    TestHost source;
    const QByteArray bytes = Saved(source);
    const qsizetype objectCount = bytes.size() - 4;
    const qsizetype actionCount = bytes.size() - 8;
    const struct {
        qsizetype at;
        const char* value;
        const char* code;
    } cases[] = {
        {objectCount, "ffffff7f", "-2003)."},
        {objectCount, "ffffffff", "-2003)."},
        {actionCount, "ffffff7f", "-2008)."},
        {actionCount, "00000080", "-2008)."},
    };
    for (const auto& c : cases) {
        QByteArray damaged = bytes;
        damaged.replace(c.at, 4, QByteArray::fromHex(c.value));
        TestHost host;
        const LoadOutcome load = LoadBytes(host, damaged);
        EXPECT_FALSE(load.ok);
        ASSERT_EQ(load.boxes.size(), 1);
        EXPECT_TRUE(load.boxes[0].text.endsWith(c.code)) << load.boxes[0].text.toStdString();
        EXPECT_TRUE(host.objects.empty());
    }
}

TEST(ProjectFile, RecordVersionsAndUnknownKinds)
{
    TestHost source;
    source.Add("Only", "\\x");
    const QByteArray bytes = Saved(source);
    // The object record starts right after the object count.
    const qsizetype record = bytes.indexOf(QByteArray("\x04\0\0\0Only", 8)) - 12;
    const qsizetype type = record + 4 + 4 + 4 + 8;
    const qsizetype kindVersion = type + 1;
    const qsizetype actionVersion = kindVersion + 4 + 4 + 2 + 4;

    auto load = [&](QByteArray damaged) {
        TestHost host;
        LoadOutcome outcome = LoadBytes(host, damaged);
        EXPECT_TRUE(host.objects.empty());
        return outcome;
    };
    QByteArray v2 = bytes;
    v2[record] = 2;
    QByteArray type6 = bytes;
    type6[type] = 6;
    QByteArray kind1 = bytes;
    kind1[kindVersion] = 1;
    QByteArray action1 = bytes;
    action1[actionVersion] = 1;
    for (const QByteArray& damaged : {v2, kind1, action1}) {
        const LoadOutcome outcome = load(damaged);
        EXPECT_FALSE(outcome.ok);
        ASSERT_EQ(outcome.boxes.size(), 1);
        EXPECT_EQ(outcome.boxes[0].text, "Invalid data, maybe software version problem.");
    }
    const LoadOutcome unknown = load(type6);
    EXPECT_FALSE(unknown.ok);
    ASSERT_EQ(unknown.boxes.size(), 1);
    EXPECT_EQ(unknown.boxes[0].caption, "Error");
    EXPECT_EQ(unknown.boxes[0].text, "Unknown object type, maybe file version has problem.");

    // A version-0 object record has no sound fields.
    QByteArray v0 = bytes;
    v0.replace(record, 12, QByteArray(4, '\0'));
    TestHost host;
    ASSERT_TRUE(LoadBytes(host, v0).ok);
    ASSERT_EQ(host.objects.size(), 1u);
    EXPECT_EQ(host.objects[0]->Name, "Only");
    EXPECT_TRUE(host.objects[0]->OverSound.isEmpty());
}

TEST(ProjectFile, AFailedSaveKeepsTheOldFile)
{
    TempDir dir;
    const QString path = dir.File("velomni.vpj");
    TestHost host;
    ASSERT_TRUE(SaveProject(host, path));
    const QByteArray old = TempDir::Read(path);

    // An object without a control cannot be written: the save fails with a
    // message, and the file on disk is the old one, with no leftovers.
    TVoObject* broken = NewObjectEntry();
    broken->ObjectType = 0;
    host.objects.push_back(broken);
    RecordingMessageBoxes boxes;
    EXPECT_FALSE(SaveProject(host, path));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_TRUE(boxes.Boxes()[0].text.endsWith("-2009)."));
    EXPECT_EQ(TempDir::Read(path), old);
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files), QStringList{"velomni.vpj"});
}

TEST(ProjectFile, MissingFilesAndFoldersAreFileErrors)
{
    TempDir dir;
    TestHost host;
    RecordingMessageBoxes boxes;
    const QString missing = dir.File("nowhere/velomni.vpj");
    EXPECT_FALSE(LoadProject(host, missing));
    EXPECT_FALSE(SaveProject(host, missing));
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[0].text,
              "\"" + missing + "\", No such file or directory (2-0).");
    EXPECT_EQ(boxes.Boxes()[1].text, boxes.Boxes()[0].text);
}

TEST(ProjectFile, AbsurdBoundsAreBroughtWithinWidgetGeometry)
{
    TestHost source;
    source.Add("Far", "\\x");
    QByteArray bytes = Saved(source);
    // The object's bounds are the last sixteen bytes of the file.
    bytes.replace(bytes.size() - 16, 16,
                  QByteArray::fromHex("00ca9a3b" "000000f0" "ffffff7f" "9cffffff"));
    TestHost host;
    ASSERT_TRUE(LoadBytes(host, bytes).ok);
    const QRect bounds = host.objects[0]->Control->Bounds();
    EXPECT_EQ(bounds.left(), (1 << 24) - 1);
    EXPECT_EQ(bounds.top(), -((1 << 24) - 1));
    EXPECT_EQ(bounds.width(), (1 << 24) - 1);
    EXPECT_EQ(bounds.height(), 0);
}

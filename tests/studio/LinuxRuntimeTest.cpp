// SPDX-License-Identifier: GPL-2.0-or-later
// The Linux player's runtime: what this system's loader says the real
// player and its modules need, the desktop's base set left out, and the
// runtime folder that later builds keep current by copying only what
// changed.
#include "controls/WindowlessProject.h"
#include "model/Kinds.h"
#include "platform/ElfDynamic.h"
#include "studio/LinuxPlayer.h"
#include "studio/RuntimeBaseSet.h"
#include "studio/RuntimeFolder.h"
#include "studio/RuntimePlan.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QVersionNumber>

#include <sys/stat.h>

namespace {

QSet<QString> Targets(const RuntimePlan& plan)
{
    QSet<QString> targets;
    for (const RuntimeFile& file : plan.files) targets.insert(file.target);
    return targets;
}

RuntimePlan Plan(const RuntimeParts& parts)
{
    QStringList modules;
    if (parts.web) modules << QStringLiteral(WEB_MODULE_FILE);
    if (parts.sound) modules << QStringLiteral(SOUND_MODULE_FILE);
    RuntimePlan plan;
    QString error;
    EXPECT_TRUE(PlanLinuxRuntime(QStringLiteral(VELOMNI_STUDIO_EXE), modules, parts, QtRuntimeSources(), plan, &error))
        << error.toStdString();
    return plan;
}

// Every library that a planned program, plug-in or library links is the
// system's own (base set) or planned itself.
QStringList Unplanned(const RuntimePlan& plan)
{
    QSet<QByteArray> carried;
    for (const RuntimeFile& file : plan.files)
        if (file.target.startsWith("lib/")) carried.insert(file.target.mid(4).toLatin1());
    QStringList missing;
    for (const RuntimeFile& file : plan.files) {
        QFile elf(file.source);
        ElfDynamic dynamic;
        if (!elf.open(QIODevice::ReadOnly) || !ReadElfDynamic(elf, dynamic)) continue;
        for (const QByteArray& soname : dynamic.Needed())
            if (!IsBaseSetLibrary(soname) && !carried.contains(soname))
                missing << file.target + " needs " + QString::fromLatin1(soname);
    }
    return missing;
}

ino_t Inode(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

void Touch(const QString& path, const QByteArray& bytes, int secondsAgo)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime));
}

} // namespace

TEST(RuntimeBaseSet, TheDesktopsOwnLibrariesStayOutAndTheRestTravels)
{
    for (const char* base : {"libc.so.6", "ld-linux-x86-64.so.2", "libstdc++.so.6", "libX11.so.6", "libxcb.so.1",
                             "libxcb-randr.so.0", "libGL.so.1", "libOpenGL.so.0", "libEGL.so.1", "libfontconfig.so.1",
                             "libfreetype.so.6", "libglib-2.0.so.0", "libdbus-1.so.3", "libasound.so.2",
                             "libxkbcommon-x11.so.0", "libharfbuzz.so.0", "libSM.so.6", "libz.so.1"})
        EXPECT_TRUE(IsBaseSetLibrary(base)) << base;
    for (const char* carried : {"libQt6Core.so.6", "libQt6XcbQpa.so.6", "libicuuc.so.72", "libxcb-icccm.so.4",
                                "libxcb-render-util.so.0", "libxcb-cursor.so.0", "libpulse.so.0", "libjpeg.so.62",
                                "libgstreamer-1.0.so.0", "libcom_err.so.2", "libcrypt.so.1", "libzstd.so.1",
                                "libglibmm-2.4.so.1", "libGLU.so.1", "libc.so.6.bak", "libXcomposite.so.1",
                                "libXdamage.so.1", "libXrandr.so.2", "libXtst.so.6"})
        EXPECT_FALSE(IsBaseSetLibrary(carried)) << carried;
}

TEST(RuntimePlan, AMenuWithoutSoundOrWebCarriesQtAndItsPlatformButNoEngine)
{
    const RuntimePlan plan = Plan({});
    const QSet<QString> targets = Targets(plan);
    for (const char* needed : {"lib/libQt6Core.so.6", "lib/libQt6Gui.so.6", "lib/libQt6Widgets.so.6",
                               "lib/libQt6XcbQpa.so.6", "plugins/platforms/libqxcb.so", "lib/libjpeg.so.62",
                               "lib/libgif.so.7"})
        EXPECT_TRUE(targets.contains(needed)) << needed;
    for (const QString& target : targets) {
        EXPECT_FALSE(target.contains("WebEngine") || target.contains("Multimedia") || target.contains("gst"))
            << target.toStdString();
        EXPECT_FALSE(IsBaseSetLibrary(QFileInfo(target).fileName().toLatin1()) && target.startsWith("lib/"))
            << target.toStdString();
    }
    EXPECT_TRUE(Unplanned(plan).isEmpty()) << Unplanned(plan).join('\n').toStdString();
    EXPECT_GE(QVersionNumber::fromString(plan.glibc), QVersionNumber(2, 34)) << plan.glibc.toStdString();
}

TEST(RuntimePlan, SoundAndWebBringTheirEnginesWithEverythingTheyLink)
{
    const RuntimePlan plan = Plan({true, true});
    const QSet<QString> targets = Targets(plan);
    for (const char* needed :
         {"lib/libQt6Multimedia.so.6", "plugins/multimedia/libgstreamermediaplugin.so", "lib/libgstreamer-1.0.so.0",
          "gstreamer-1.0/libgstwavparse.so", "gstreamer-1.0/libgstmpg123.so", "gstreamer-1.0/libgstcoreelements.so",
          "gstreamer-1.0/libgstplayback.so", "lib/libQt6WebEngineCore.so.6", "libexec/QtWebEngineProcess",
          "resources/qtwebengine_resources.pak", "translations/qtwebengine_locales/en-US.pak"})
        EXPECT_TRUE(targets.contains(needed)) << needed;
    EXPECT_TRUE(targets.contains("gstreamer-1.0/libgstvideoconvertscale.so")
                || targets.contains("gstreamer-1.0/libgstvideoconvert.so"));
    EXPECT_FALSE(targets.contains("resources/qtwebengine_devtools_resources.pak"));
    EXPECT_TRUE(Unplanned(plan).isEmpty()) << Unplanned(plan).join('\n').toStdString();
    // Each file once.
    EXPECT_EQ(targets.size(), plan.files.size());
}

TEST(RuntimePlan, WhatAProjectUsesDecidesItsParts)
{
    TWindowlessProject document;
    EXPECT_EQ(PartsProjectNeeds(document), (RuntimeParts{false, false}));

    TVoObject* text = NewObjectEntry();
    document.ObjectList().push_back(text);
    text->Actions.push_back(std::make_unique<TVoAction>(TVoAction{akVisitWebsite, "example.org"}));
    EXPECT_EQ(PartsProjectNeeds(document), (RuntimeParts{false, false}));
    text->Actions.push_back(std::make_unique<TVoAction>(TVoAction{akPlayBackSound, "\\loop.wav"}));
    EXPECT_EQ(PartsProjectNeeds(document), (RuntimeParts{false, true}));
    ClearActionList(text->Actions);
    text->ClickSound = "\\click.wav";
    EXPECT_EQ(PartsProjectNeeds(document), (RuntimeParts{false, true}));
    text->ClickSound.clear();

    TVoObject* web = NewObjectEntry();
    web->ObjectType = okExplorer;
    document.ObjectList().push_back(web);
    EXPECT_EQ(PartsProjectNeeds(document), (RuntimeParts{true, false}));
    document.StartActions().push_back(std::make_unique<TVoAction>(TVoAction{akPlaySound, "\\intro.mp3"}));
    EXPECT_EQ(PartsProjectNeeds(document), (RuntimeParts{true, true}));
}

class RuntimeFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        // The loader names a library by its soname, a link to the file.
        Touch(system.File("libone.so.1.0.0"), "one", 3600);
        ASSERT_TRUE(QFile::link("libone.so.1.0.0", system.File("libone.so.1")));
        Touch(system.File("libtwo.so.2"), "two two", 3600);
        QDir().mkpath(system.File("plugins"));
        Touch(system.File("plugins/libplugin.so"), "plugin", 3600);
        plan.glibc = "2.36";
        plan.files = {{system.File("libone.so.1"), "lib/libone.so.1", false},
                      {system.File("libtwo.so.2"), "lib/libtwo.so.2", false},
                      {system.File("plugins/libplugin.so"), "plugins/platforms/libplugin.so", false}};
    }
    QString Runtime(const QString& name = {}) const
    {
        return name.isEmpty() ? disc.File("linux-x86_64") : QDir(disc.File("linux-x86_64")).filePath(name);
    }
    bool Put(const RuntimeParts& parts = {})
    {
        QString error;
        const bool put = PutRuntimeFiles(Runtime(), plan, parts, &error);
        EXPECT_TRUE(put) << error.toStdString();
        return put;
    }
    bool Current(const RuntimeParts& parts = {})
    {
        QString glibc;
        return RuntimeIsCurrent(Runtime(), parts, &glibc) && glibc == "2.36";
    }

    TempDir system, disc;
    RuntimePlan plan;
};

TEST_F(RuntimeFolderTest, ALaterBuildCopiesOnlyWhatChangedAndRemovesWhatIsNoLongerNeeded)
{
    EXPECT_FALSE(Current());
    ASSERT_TRUE(Put());
    EXPECT_TRUE(Current());
    EXPECT_FALSE(Current({true, false}));
    for (const RuntimeFile& file : plan.files)
        EXPECT_EQ(TempDir::Read(Runtime(file.target)), TempDir::Read(file.source)) << file.target.toStdString();
    EXPECT_TRUE(TempDir::Read(Runtime("qt.conf")).contains("Plugins=plugins"));
    EXPECT_FALSE(QFileInfo::exists(Runtime("libexec/qt.conf")));

    const ino_t one = Inode(Runtime("lib/libone.so.1"));
    const ino_t two = Inode(Runtime("lib/libtwo.so.2"));
    ASSERT_TRUE(Put());
    EXPECT_EQ(Inode(Runtime("lib/libone.so.1")), one);
    EXPECT_EQ(Inode(Runtime("lib/libtwo.so.2")), two);
    // Real files, and nothing else left beside them.
    EXPECT_FALSE(QFileInfo(Runtime("lib/libone.so.1")).isSymLink());
    QStringList files;
    QDirIterator it(Runtime(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(Runtime()).relativeFilePath(it.next());
    files.sort();
    EXPECT_EQ(files, QStringList({"lib/libone.so.1", "lib/libtwo.so.2", "plugins/platforms/libplugin.so", "qt.conf",
                                  "runtime-files.txt"}));

    // The system's library is updated: the build sees it and takes the new
    // one, and only that one.
    QFile::remove(system.File("libtwo.so.2"));
    Touch(system.File("libtwo.so.2"), "two, newer", 60);
    EXPECT_FALSE(Current());
    ASSERT_TRUE(Put());
    EXPECT_TRUE(Current());
    EXPECT_EQ(TempDir::Read(Runtime("lib/libtwo.so.2")), "two, newer");
    EXPECT_EQ(Inode(Runtime("lib/libone.so.1")), one);

    // A copy deleted on the disc folder is put back.
    QFile::remove(Runtime("lib/libone.so.1"));
    EXPECT_FALSE(Current());
    ASSERT_TRUE(Put());
    EXPECT_EQ(TempDir::Read(Runtime("lib/libone.so.1")), "one");

    // The plug-in leaves the plan: its file and its empty folders go.
    plan.files.removeLast();
    ASSERT_TRUE(Put({true, false}));
    EXPECT_TRUE(Current({true, false}));
    EXPECT_FALSE(QFileInfo::exists(Runtime("plugins")));
    EXPECT_TRUE(TempDir::Read(Runtime("libexec/qt.conf")).contains("Prefix=.."));
    // The browser's helpers find their "locales" folder and make none.
    EXPECT_TRUE(QFileInfo(Runtime("libexec/locales")).isDir());
    QDir(Runtime("libexec/locales")).removeRecursively();
    EXPECT_FALSE(Current({true, false}));
}

TEST_F(RuntimeFolderTest, ALibraryWhoseSearchPathChangesIsCopiedAndTheSystemsFileStaysAsItWas)
{
    const QString library = QStringLiteral(SEARCH_PATH_FIXTURE_LIBRARY);
    const QByteArray before = TempDir::Read(library);
    plan.files = {{library, "lib/libfixture.so", true}};
    ASSERT_TRUE(Put());
    EXPECT_NE(Inode(Runtime("lib/libfixture.so")), Inode(library));
    EXPECT_EQ(TempDir::Read(library), before);
    QFile copy(Runtime("lib/libfixture.so"));
    ElfDynamic dynamic;
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly) && ReadElfDynamic(copy, dynamic));
    EXPECT_EQ(dynamic.SearchPath(), "$ORIGIN");
    // Same size and date as its source: the next build leaves it.
    EXPECT_TRUE(Current());
}

TEST_F(RuntimeFolderTest, ADamagedListMakesTheNextBuildCheckEverything)
{
    ASSERT_TRUE(Put());
    for (const QByteArray& damaged : {QByteArray("velomni runtime 1\nparts web=0 sound=0\n"), QByteArray("garbage"),
                                      QByteArray("velomni runtime 1\nparts web=0 sound=0\nglibc 2.36\nfile x\n")}) {
        Touch(Runtime("runtime-files.txt"), damaged, 0);
        EXPECT_FALSE(Current()) << damaged.toStdString();
        ASSERT_TRUE(Put());
        EXPECT_TRUE(Current());
    }
}

// SPDX-License-Identifier: GPL-2.0-or-later
// The version history window: when it shows, with or without "Show this
// on startup", and how unticking that acknowledges the running version.
#include "controls/RtfReader.h"
#include "model/IniFile.h"
#include "model/ProcessState.h"
#include "studio/StudioSettings.h"
#include "studio/TipsForm.h"
#include "support/ModalWindows.h"
#include "support/ProcessStateGuard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <functional>


namespace {

const QString kRunningVersion = "0.3.1.0";
const QByteArray kHistory = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 {\\b Velomni Studio 0.3.1}\\par "
                            "Faster saving.\\par}";

// Shows the window as the studio does and closes it with "OK"; what the
// window looked like while open.
struct Shown {
    int windows = 0;
    bool checkBoxVisible = false;
    QString text;
};

Shown ShowAndClose(bool startup, bool untick)
{
    Shown shown;
    shown.windows = WithModal([&] { ShowVersionHistory(startup); }, [&](QWidget* modal) {
        auto* form = qobject_cast<TTipsForm*>(modal);
        ASSERT_NE(form, nullptr);
        shown.checkBoxVisible = form->CheckBox1->isVisible();
        shown.text = form->RichEdit1->toPlainText();
        if (untick) QTest::mouseClick(form->CheckBox1, Qt::LeftButton);
        QTest::mouseClick(form->OkButton, Qt::LeftButton);
    });
    return shown;
}

// Each test runs the studio from a fresh folder of its own.
class VersionHistoryTest : public testing::Test {
protected:
    void SetUp() override
    {
        ExeFolder = folder.Path();
        StudioVersion = kRunningVersion;
        folder.Write("whatsnew.rtf", kHistory);
    }
    QString Acknowledged() const
    {
        return TIniFile(StudioSettingsFile()).ReadString("SYSTEM", "Version", "<none>");
    }

    ProcessStateGuard state;
    TempDir folder;
};

} // namespace

TEST_F(VersionHistoryTest, FirstStartShowsItUntilUntickedThenOnlyTheHelpItemDoes)
{
    TTipsForm form;
    ASSERT_TRUE(form.Prepare(true));
    EXPECT_EQ(form.windowTitle(), "Version History");
    EXPECT_EQ(form.size(), QSize(506, 353));
    EXPECT_TRUE(form.CheckBox1->isChecked());
    EXPECT_EQ(form.CheckBox1->text(), "Show this on startup");
    EXPECT_EQ(form.RichEdit1->toPlainText(), "Velomni Studio 0.3.1\nFaster saving.");

    // Closed with the box ticked, it comes again at the next start.
    EXPECT_TRUE(ShowAndClose(true, false).checkBoxVisible);
    EXPECT_EQ(Acknowledged(), "<none>");
    EXPECT_EQ(ShowAndClose(true, true).windows, 1);
    EXPECT_EQ(Acknowledged(), kRunningVersion);
    EXPECT_EQ(ShowAndClose(true, false).windows, 0);

    const Shown menu = ShowAndClose(false, false);
    EXPECT_EQ(menu.windows, 1);
    EXPECT_FALSE(menu.checkBoxVisible);
    EXPECT_EQ(menu.text, "Velomni Studio 0.3.1\nFaster saving.");
}

TEST_F(VersionHistoryTest, AnUntickedBoxIsStoredHoweverTheWindowCloses)
{
    TIniFile(StudioSettingsFile()).WriteString("SYSTEM", "Version", "0.3.0.0");
    EXPECT_EQ(WithModal([] { ShowVersionHistory(false); }, [](QWidget* modal) {
        auto* form = qobject_cast<TTipsForm*>(modal);
        ASSERT_TRUE(form && form->CheckBox1->isVisible());
        form->CheckBox1->setChecked(false);
        QTest::keyClick(form, Qt::Key_Escape);
    }), 1);
    EXPECT_EQ(Acknowledged(), kRunningVersion);
}

TEST_F(VersionHistoryTest, WithoutTheHistoryFileNothingShows)
{
    ASSERT_TRUE(QFile::remove(folder.File("whatsnew.rtf")));
    EXPECT_EQ(ShowAndClose(true, true).windows, 0);
    EXPECT_EQ(ShowAndClose(false, true).windows, 0);
    EXPECT_EQ(Acknowledged(), "<none>");
    ASSERT_TRUE(QDir(folder.Path()).mkdir("whatsnew.rtf")); // a folder is no file
    EXPECT_FALSE(TTipsForm().Prepare(false));
}

TEST_F(VersionHistoryTest, LongHistoryOpensAtItsStart)
{
    QByteArray rtf = "{\\rtf1\\ansi First line\\par ";
    for (int i = 0; i < 200; ++i) rtf += "More history\\par ";
    folder.Write("whatsnew.rtf", rtf + "}");
    TTipsForm form;
    ASSERT_TRUE(form.Prepare(false));
    form.show();
    QApplication::processEvents();
    EXPECT_GT(form.RichEdit1->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(form.RichEdit1->verticalScrollBar()->value(), 0);
}

TEST(VersionHistoryFile, ShippedHistoryIsPlainAnsiRtfOurReaderReads)
{
    // From the source tree itself: a compiler cache may spell __FILE__
    // relative to a folder the tests do not run in.
    const QString path = QStringLiteral(VELOMNI_SOURCE_DIR "/resources/program/whatsnew.rtf");
    const QByteArray bytes = TempDir::Read(path);
    EXPECT_TRUE(bytes.startsWith("{\\rtf1\\ansi")) << path.toStdString();
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char byte) { return byte > 0; }));

    QTextDocument document;
    ASSERT_TRUE(LoadRichTextFile(document, path));
    const QString text = document.toPlainText();
    EXPECT_TRUE(text.startsWith("Velomni Studio 0.1.0\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("velomni-cli"));
    // No control word or group brace leaks into the shown text.
    EXPECT_FALSE(text.contains('\\') || text.contains('{') || text.contains('}'));
}

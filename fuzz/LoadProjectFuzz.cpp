// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzz target: any bytes as a project data file. A load must fail with a
// message or succeed; a loaded project must save again and draw its
// pictures without a crash.
#include "controls/ProjectDocument.h"
#include "model/Picture.h"
#include "model/ProcessState.h"
#include "model/ProjectFile.h"
#include "model/VoStream.h"
#include "platform/MessageBoxes.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>

namespace {

class SilentMessageBoxes final : public MessageBoxes {
public:
    MsgAnswer Show(const QString&, const QString&, MsgIcon, MsgButtons) override
    {
        return MsgAnswer::Ok;
    }
};

void Setup()
{
    static int argc = 1;
    static char name[] = "load_project";
    static char* argv[] = {name, nullptr};
    static SilentMessageBoxes boxes;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: a static application would be torn down after the
    // Qt globals it uses.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    SetMessageBoxes(&boxes);
    IsStudio = true;
}

void DrawPicture(const TPicture& picture)
{
    if (!picture.Empty()) picture.Graphic()->ToImage();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = (Setup(), true);
    (void)ready;
    TProjectDocument document;
    TMemoryStream stream(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!LoadProjectStream(document, stream, QStringLiteral("fuzz.vpj"))) return 0;
    const TProjectSettings& s = document.Settings();
    DrawPicture(s.SplashScreenImage);
    DrawPicture(s.FullScreenBackImage);
    DrawPicture(s.BackImage);
    DrawPicture(s.FormIcon);
    TMemoryStream saved;
    WriteProjectBody(document, saved);
    return 0;
}

// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzz target: any bytes as a project data file. A load must fail with a
// message or succeed; a loaded project must save again and draw its
// pictures without a crash.
#include "FuzzSetup.h"

#include "controls/WindowlessProject.h"
#include "model/Picture.h"
#include "model/ProjectFile.h"
#include "model/VoStream.h"

namespace {

void DrawPicture(const TPicture& picture)
{
    if (!picture.Empty()) picture.Graphic()->ToImage();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetUpFuzzing();
    TWindowlessProject document;
    TMemoryStream stream(FuzzBytes(data, size));
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

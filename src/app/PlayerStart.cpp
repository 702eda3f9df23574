// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/PlayerStart.h"

#include "app/MessageAnchorWindow.h"
#include "model/ProcessState.h"
#include "player/ActionRunner.h"
#include "player/ScreenBackForm.h"
#include "player/SplashScreenForm.h"
#include "player/VelomniForm.h"

bool RunPlayerStart(TVelomniForm& form, TActionRunner& runner,
                    std::unique_ptr<TScreenBackForm>& backdrop)
{
    {
        TMessageAnchorWindow anchor;
        runner.RunActionList(form.StartActions());
    }
    if (ExitRequested) return false;
    const TProjectSettings& s = form.Settings();
    ShowSplash(s.SplashScreenImage, s.SplashScreenTime);
    backdrop = ShowBackdrop(s.FullScreenBack, s.FullScreenBackColor, s.FullScreenBackGradientStyle,
                            s.FullScreenBackImageStyle, s.FullScreenBackImage,
                            s.FullScreenBackGradientColor);
    return true;
}

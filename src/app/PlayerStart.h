// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <memory>

class TActionRunner;
class TScreenBackForm;
class TVelomniForm;

// The player's last steps before its menu window is shown: the start
// actions (with an anchor window for their messages), then, unless an
// Exit ran, the splash and the backdrop. Returns false when the menu must
// not be shown; backdrop receives the backdrop window, if any.
bool RunPlayerStart(TVelomniForm& form, TActionRunner& runner,
                    std::unique_ptr<TScreenBackForm>& backdrop);

// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/VoAction.h"

void ClearActionList(TVoActions& list)
{
    while (!list.empty()) list.pop_back();
}

TVoActions CopyActionList(const TVoActions& list)
{
    TVoActions copy;
    copy.reserve(list.size());
    for (const auto& action : list) copy.push_back(std::make_unique<TVoAction>(*action));
    return copy;
}

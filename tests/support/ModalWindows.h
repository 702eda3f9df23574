// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <functional>

class QWidget;

// Calls call and runs script on each modal window opened meanwhile,
// rejecting what the script leaves open; the number of windows seen.
int WithModal(const std::function<void()>& call, const std::function<void(QWidget*)>& script);

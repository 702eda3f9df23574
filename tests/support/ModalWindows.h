// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QWidget>

#include <functional>

// Calls call and runs script on each modal window opened meanwhile,
// rejecting what the script leaves open; the number of windows seen.
int WithModal(const std::function<void()>& call, const std::function<void(QWidget*)>& script);

// Runs open, which shows one modal window of the Form class and returns
// the dialog's result; script acts on that window while it is open.
template <class Form>
bool WithModalForm(const std::function<bool()>& open, const std::function<void(Form&)>& script)
{
    bool result = false;
    const int windows = WithModal([&] { result = open(); }, [&](QWidget* modal) {
        auto* form = dynamic_cast<Form*>(modal);
        ASSERT_NE(form, nullptr);
        script(*form);
    });
    EXPECT_EQ(windows, 1);
    return result;
}

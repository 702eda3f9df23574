// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <stdexcept>
#include <string>

// A version resource that cannot be found or rewritten. The message is
// "Resource update error: " and the reason, which names the check that
// failed and a number telling the checks of one kind apart.
class EPatchError : public std::runtime_error {
public:
    explicit EPatchError(const char* reason)
        : std::runtime_error(std::string("Resource update error: ") + reason)
    {
    }
    QString Message() const { return QString::fromUtf8(what()); }
};

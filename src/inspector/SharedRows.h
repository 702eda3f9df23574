// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "inspector/StagedRow.h"

#include <QStringList>

#include <concepts>
#include <optional>
#include <vector>

// What the grid shows for several selected objects at once: the rows they
// all have, each with the value they agree on.

// The keys that every list holds, in the order of the first list; a key
// the first list repeats is taken once.
QStringList SharedKeys(const std::vector<QStringList>& keysPerObject);

// Joins the staged rows of several objects into the rows of all of them:
// those whose key they all share and that can be edited as one, in the
// order of the first object's rows; own rows drop out. The rows of one
// object are taken as they are.
TStagedRows JoinRows(std::vector<TStagedRows> lists);

// The value all the targets hold; nothing when any two differ or there is
// no target. Values that cannot be compared agree when their texts do.
template <class T, class TextOf>
std::optional<T> AgreedValue(const TAccessList<T>& targets, TextOf textOf)
{
    if (targets.empty()) return std::nullopt;
    const T first = targets.front().get();
    for (size_t i = 1; i < targets.size(); ++i) {
        const T other = targets[i].get();
        if constexpr (std::equality_comparable<T>) {
            if (!(other == first)) return std::nullopt;
        } else if (textOf(other) != textOf(first)) {
            return std::nullopt;
        }
    }
    return first;
}

// The text of the agreed value; empty when the targets differ.
template <class T, class TextOf>
QString AgreedText(const TAccessList<T>& targets, TextOf textOf)
{
    const std::optional<T> value = AgreedValue(targets, textOf);
    return value ? QString(textOf(*value)) : QString();
}

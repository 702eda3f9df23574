// SPDX-License-Identifier: GPL-2.0-or-later
#include "inspector/SharedRows.h"

#include <QSet>

#include <algorithm>

QStringList SharedKeys(const std::vector<QStringList>& keysPerObject)
{
    if (keysPerObject.empty()) return {};
    std::vector<QSet<QString>> others;
    for (size_t i = 1; i < keysPerObject.size(); ++i)
        others.emplace_back(keysPerObject[i].begin(), keysPerObject[i].end());
    QStringList shared;
    for (const QString& key : keysPerObject.front()) {
        if (shared.contains(key)) continue;
        bool everywhere = true;
        for (const QSet<QString>& keys : others) everywhere = everywhere && keys.contains(key);
        if (everywhere) shared << key;
    }
    return shared;
}

namespace {

// The row of the key that can join others; rows already taken are gone.
TStagedRows::iterator RowWithKey(TStagedRows& rows, const QString& key)
{
    return std::find_if(rows.begin(), rows.end(),
                        [&key](const auto& row) { return row && row->Key() == key && row->Joins(); });
}

} // namespace

TStagedRows JoinRows(std::vector<TStagedRows> lists)
{
    if (lists.empty()) return {};
    if (lists.size() == 1) return std::move(lists.front());
    std::vector<QStringList> keys;
    for (const TStagedRows& rows : lists) {
        QStringList joining;
        for (const auto& row : rows)
            if (row->Joins()) joining << row->Key();
        keys.push_back(joining);
    }
    TStagedRows joined;
    for (const QString& key : SharedKeys(keys)) {
        const auto first = RowWithKey(lists.front(), key);
        bool one = true;
        for (size_t i = 1; i < lists.size() && one; ++i) one = (*first)->Join(**RowWithKey(lists[i], key));
        if (one) joined.push_back(std::move(*first));
    }
    return joined;
}

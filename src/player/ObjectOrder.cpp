// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/ObjectOrder.h"

#include "model/Kinds.h"

#include <algorithm>

void SortObjectList(TObjectList& list)
{
    std::stable_partition(list.begin(), list.end(), [](const TVoObject* entry) {
        return entry && !IsWindowedKind(entry->ObjectType);
    });
}

QString MakeUniqueName(const TObjectList& list, int kind)
{
    const QString base = ObjectKindText(kind);
    for (qint64 n = 1;; ++n) {
        const QString name = base + QString::number(n);
        const bool taken = std::any_of(list.begin(), list.end(), [&](const TVoObject* entry) {
            return entry && entry->Name == name;
        });
        if (!taken) return name;
    }
}

bool EnsureUniqueName(TObjectList& list, int index)
{
    if (index < 0 || index >= int(list.size()) || !list[size_t(index)]) return false;
    TVoObject* entry = list[size_t(index)];
    for (size_t i = 0; i < list.size(); ++i) {
        if (int(i) != index && list[i] && list[i]->Name == entry->Name) {
            entry->Name = MakeUniqueName(list, entry->ObjectType);
            return true;
        }
    }
    return false;
}

bool MoveObjectToFront(TObjectList& list, int index)
{
    if (index < 0 || index >= int(list.size()) - 1) return false;
    std::rotate(list.begin() + index, list.begin() + index + 1, list.end());
    SortObjectList(list);
    return true;
}

bool MoveObjectToBack(TObjectList& list, int index)
{
    if (index <= 0 || index >= int(list.size())) return false;
    std::rotate(list.begin(), list.begin() + index, list.begin() + index + 1);
    SortObjectList(list);
    return true;
}

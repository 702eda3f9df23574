// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "document/DocumentCommand.h"
#include "model/VoAction.h"

#include <memory>

// One action of an action list added, deleted, changed or swapped with
// the next one. The actions keep their identity: a deleted one waits in
// the step until it is put back, a change swaps the two values, and a
// swap exchanges the two actions themselves.
class TActionListCommand final : public TDocumentCommand {
public:
    enum class Change { Insert, Remove, Edit, SwapWithNext };

    // Insert takes the action to add; Edit the new value of the action at
    // index; Remove and SwapWithNext nothing.
    TActionListCommand(TDesignDocument& document, const QString& name, TVoActions& list, int index, Change change,
                       std::unique_ptr<TVoAction> action);

private:
    void Apply(bool forward) override;

    TVoActions& m_list;
    int m_index;
    Change m_change;
    std::unique_ptr<TVoAction> m_held; // out of the list on this side
};

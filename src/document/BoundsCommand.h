// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "document/DocumentCommand.h"
#include "model/VoObject.h"

#include <QRect>

#include <vector>

// New bounds for some objects: a move, a resize, an alignment or a nudge.
// Only the objects and their two bounds are kept.
class TBoundsCommand final : public TDocumentCommand {
public:
    TBoundsCommand(TDesignDocument& document, const QString& name, std::vector<TVoObject*> objects,
                   std::vector<QRect> before, std::vector<QRect> after, bool nudge);

    int id() const override { return m_nudge ? kNudgeMergeId : -1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void Apply(bool forward) override;

    std::vector<TVoObject*> m_objects;
    std::vector<QRect> m_before;
    std::vector<QRect> m_after;
    bool m_nudge;
};

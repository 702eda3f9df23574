// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/BoundsCommand.h"

TBoundsCommand::TBoundsCommand(TDesignDocument& document, const QString& name, std::vector<TVoObject*> objects,
                               std::vector<QRect> before, std::vector<QRect> after, bool nudge)
    : TDocumentCommand(document, name, ProjectChanged | CanvasRedraw | EntryChange),
      m_objects(std::move(objects)), m_before(std::move(before)), m_after(std::move(after)), m_nudge(nudge)
{
}

bool TBoundsCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const TBoundsCommand*>(other);
    if (next->m_objects != m_objects) return false;
    m_after = next->m_after;
    return true;
}

void TBoundsCommand::Apply(bool forward)
{
    const std::vector<QRect>& bounds = forward ? m_after : m_before;
    for (size_t i = 0; i < m_objects.size(); ++i)
        if (m_objects[i]->Control) m_objects[i]->Control->SetBounds(bounds[i]);
}

// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/ObjectListCommand.h"

#include "document/DesignDocument.h"

#include <algorithm>

TObjectListCommand::TObjectListCommand(TDesignDocument& document, const QString& name, TDocumentState before,
                                       TDocumentState after)
    : TDocumentCommand(document, name, ProjectChanged | CanvasRedraw | ObjectListChange | EntryChange),
      m_before(std::move(before)), m_after(std::move(after))
{
}

TObjectListCommand::~TObjectListCommand()
{
    const TObjectList& current = Done() ? m_after.Objects : m_before.Objects;
    const TObjectList& other = Done() ? m_before.Objects : m_after.Objects;
    for (TVoObject* entry : other)
        if (std::find(current.begin(), current.end(), entry) == current.end()) FreeObjectEntry(entry);
}

void TObjectListCommand::Apply(bool forward)
{
    Document().RestoreState(forward ? m_after : m_before);
}

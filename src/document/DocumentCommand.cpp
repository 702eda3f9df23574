// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/DocumentCommand.h"

#include "document/DesignDocument.h"

TDocumentCommand::TDocumentCommand(TDesignDocument& document, const QString& name, EditEffects effects)
    : QUndoCommand(name), m_document(document), m_effects(effects)
{
}

void TDocumentCommand::undo()
{
    Apply(false);
    m_done = false;
    m_replayed = true;
    m_document.Notify(m_effects | EntryChange);
}

void TDocumentCommand::redo()
{
    Apply(true);
    m_done = true;
    m_document.Notify(m_effects | (m_replayed ? EntryChange : NoEffect));
}

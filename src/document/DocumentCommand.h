// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/EditEffects.h"

#include <QUndoCommand>

class TDesignDocument;

// Merge ids of the steps that merge with the one before them.
enum DocumentMergeId : int {
    kTypingMergeId = 1,
    kNudgeMergeId = 2,
};

// One undoable step of the document. The first redo makes the edit, which
// the surfaces often show already (a typed value, a finished drag), and
// tells them its effects; undo and any later redo also ask them to show
// the current entry anew, since its values changed under them.
class TDocumentCommand : public QUndoCommand {
public:
    TDocumentCommand(TDesignDocument& document, const QString& name, EditEffects effects);

    void undo() final;
    void redo() final;

protected:
    // Puts the state after the edit (forward) or before it in place.
    virtual void Apply(bool forward) = 0;
    bool Done() const { return m_done; }
    TDesignDocument& Document() const { return m_document; }

private:
    TDesignDocument& m_document;
    EditEffects m_effects;
    bool m_done = false;
    bool m_replayed = false;
};

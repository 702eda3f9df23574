// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "document/DocumentCommand.h"
#include "document/DocumentState.h"

// Objects inserted, removed or reordered, with the selection and current
// entry on either side. An object out of the list on the side the step
// is at belongs to the step: it is freed with it.
class TObjectListCommand final : public TDocumentCommand {
public:
    TObjectListCommand(TDesignDocument& document, const QString& name, TDocumentState before,
                       TDocumentState after);
    ~TObjectListCommand() override;

private:
    void Apply(bool forward) override;

    TDocumentState m_before;
    TDocumentState m_after;
};

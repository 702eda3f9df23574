// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "document/DocumentCommand.h"
#include "model/VoAction.h"

// One action list before and after an action was added, edited or
// deleted.
class TActionListCommand final : public TDocumentCommand {
public:
    TActionListCommand(TDesignDocument& document, const QString& name, TVoActions& list, const TVoActions& after);

private:
    void Apply(bool forward) override;

    TVoActions& m_list;
    TVoActions m_before;
    TVoActions m_after;
};

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controls/TextPanel.h"

#include <QPlainTextEdit>

// Kind 3: a read-only box of plain text with scroll bars.
class TVoTextBox final : public TTextPanel<QPlainTextEdit> {
public:
    explicit TVoTextBox(QWidget* parent = nullptr);

    // The whole text, lines separated by CR LF, nothing after the last line.
    QString Text() const;
    // Replaces the whole text; CR LF, a lone CR and a lone LF each end a line.
    void SetText(const QString& text);

    bool WriteKindRecord(TVoStream& stream) const override; // code 4011
    bool ReadKindRecord(TVoStream& stream) override;        // code 4012
};

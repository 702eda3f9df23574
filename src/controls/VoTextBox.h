// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controls/TextPanel.h"

#include <QPlainTextEdit>

// Kind 3: a read-only box of plain text with scroll bars.
class TVoTextBox final : public TTextPanel<QPlainTextEdit> {
public:
    explicit TVoTextBox(QWidget* parent = nullptr);

    // The whole text, lines separated by CR LF, nothing after the last line.
    const QString& Text() const { return m_text; }
    // Replaces the whole text; CR LF, a lone CR and a lone LF each end a line.
    void SetText(const QString& text);

    bool WriteKindRecord(TVoStream& stream) const override; // code 4011
    bool ReadKindRecord(TVoStream& stream) override;        // code 4012

protected:
    void FillEdit(QPlainTextEdit& edit) override;

private:
    // Kept with CR LF line ends, as the edit's lines would give it back.
    QString m_text;
};

// The text with every line end the edit splits on turned into CR LF: the
// lines a text box holds, joined the way the project stores them.
QString TextBoxLines(const QString& text);

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controls/TextPanel.h"

#include <QTextEdit>

// Kind 4: a read-only panel showing an RTF file of the project, read when
// the panel's edit is built. The studio shows it the same way, so the
// canvas previews the text as the player will show it.
class TVoRichText final : public TTextPanel<QTextEdit> {
public:
    explicit TVoRichText(QWidget* parent = nullptr);

    // Relative to the project folder. The edit shows the file, or nothing
    // when there is no such file; setting the name once the edit exists
    // loads the new file at once.
    const QString& FileName() const { return m_fileName; }
    void SetFileName(const QString& fileName);

    // Kept with the project; the file is read the same way either way.
    bool PlainText() const { return m_plainText; }
    void SetPlainText(bool plainText) { m_plainText = plainText; }

    bool WriteKindRecord(TVoStream& stream) const override; // code 4009
    bool ReadKindRecord(TVoStream& stream) override;        // code 4010

protected:
    void FillEdit(QTextEdit& edit) override;

private:
    QString m_fileName;
    bool m_plainText = false;
};

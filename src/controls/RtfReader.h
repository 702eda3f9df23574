// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class QTextDocument;
class QByteArray;
class QString;

// Replaces the document's content with the RTF text. Text that is not RTF (no "{\rtf" at the
// start after blanks) is shown as plain text (Windows-1252). Never crashes or hangs on
// malformed input.
void ReadRtf(QTextDocument& document, const QByteArray& rtf);

// Loads a file into the document with ReadRtf; false (document emptied) when it cannot be read.
bool LoadRichTextFile(QTextDocument& document, const QString& path);

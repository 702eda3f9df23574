// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>

class QFrame;
class QPlainTextEdit;
class QPushButton;

// The "Text Editor": a multi-line text box with loading from a text file,
// saving to one and clearing. Texts come and go with CR LF line breaks.
// The caller's text changes only through ApplyTo.
class TTextEditorForm final : public QDialog {
    Q_OBJECT

public:
    explicit TTextEditorForm(QWidget* parent = nullptr);

    // Puts the caller's text into the box; filling it is no change.
    void Open(const QString& text);
    // The box's text, lines joined by CR LF.
    QString Text() const;
    // True, with text receiving the box's text, only when the box's text
    // was changed in any way after opening and the form was confirmed.
    bool ApplyTo(QString& text) const;

    QFrame* Panel1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* LoadButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* ClearButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void Memo1Change();
    void LoadButtonClick();
    void SaveButtonClick();
    void ClearButtonClick();
    void OkButtonClick();
    void SetText(const QString& text);

    bool m_changed = false;
    bool m_accepted = false;
};

// Shows the text editor on text. True, with text replaced, when the user
// changed the text and confirmed.
bool EditText(QString& text, QWidget* parent = nullptr);

// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/TextEditorForm.h"

#include "model/ErrorReports.h"
#include "model/TextFile.h"
#include "platform/Dialogs.h"
#include "studio/DialogWindow.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextBlock>

#include <exception>

namespace {

constexpr int kClientWidth = 540;
constexpr int kClientHeight = 329;

QString TextFileFilter()
{
    return QStringLiteral("Text file (*.txt)|*.txt");
}

} // namespace

TTextEditorForm::TTextEditorForm(QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
{
    setWindowTitle(QStringLiteral("Text Editor"));
    setFixedSize(kClientWidth, kClientHeight);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 425, 313);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setGeometry(8, 8, 409, 265);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the buttons, as in the other dialogs.
    Memo1->setTabChangesFocus(true);

    LoadButton = new QPushButton(QStringLiteral("&Load..."), Panel1);
    LoadButton->setGeometry(8, 280, 74, 26);
    SaveButton = new QPushButton(QStringLiteral("&Save As..."), Panel1);
    SaveButton->setGeometry(86, 280, 74, 26);
    ClearButton = new QPushButton(QStringLiteral("Clear"), Panel1);
    ClearButton->setGeometry(164, 280, 74, 26);

    OkButton = new QPushButton(QStringLiteral("&OK"), this);
    OkButton->setGeometry(443, 8, 89, 26);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelButton->setGeometry(443, 42, 89, 26);

    connect(Memo1, &QPlainTextEdit::textChanged, this, &TTextEditorForm::Memo1Change);
    connect(LoadButton, &QPushButton::clicked, this, &TTextEditorForm::LoadButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TTextEditorForm::SaveButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TTextEditorForm::ClearButtonClick);
    connect(OkButton, &QPushButton::clicked, this, &TTextEditorForm::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    CentreOnScreen(this);
}

void TTextEditorForm::Open(const QString& text)
{
    SetText(text);
    m_changed = false;
    m_accepted = false;
    Memo1->setFocus();
}

QString TTextEditorForm::Text() const
{
    // Block by block: the box's plain-text export would turn no-break
    // spaces into ordinary ones.
    QStringList lines;
    for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines.join(QStringLiteral("\r\n"));
}

bool TTextEditorForm::ApplyTo(QString& text) const
{
    if (!m_changed || !m_accepted) return false;
    text = Text();
    return true;
}

void TTextEditorForm::SetText(const QString& text)
{
    QString lines = WithCrLfBreaks(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Memo1->setPlainText(lines);
}

void TTextEditorForm::Memo1Change()
{
    m_changed = true;
}

void TTextEditorForm::LoadButtonClick()
{
    const QString path = GetDialogs().OpenFile(this, TextFileFilter(), QString(), QString());
    if (path.isEmpty()) return;
    try {
        SetText(ReadTextFile(path));
    } catch (const std::exception& e) {
        ShowFailure(QString::fromUtf8(e.what()));
        return;
    }
    m_changed = true;
}

void TTextEditorForm::SaveButtonClick()
{
    const QString path = GetDialogs().SaveFile(this, TextFileFilter(), QStringLiteral("txt"));
    if (path.isEmpty()) return;
    try {
        WriteTextFile(path, Text());
    } catch (const std::exception& e) {
        ShowFailure(QString::fromUtf8(e.what()));
    }
}

void TTextEditorForm::ClearButtonClick()
{
    Memo1->clear();
    m_changed = true;
}

void TTextEditorForm::OkButtonClick()
{
    m_accepted = true;
    accept();
}

bool EditText(QString& text, QWidget* parent)
{
    TTextEditorForm form(parent);
    form.Open(text);
    form.exec();
    return form.ApplyTo(text);
}

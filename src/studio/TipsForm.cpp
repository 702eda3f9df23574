// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/TipsForm.h"

#include "studio/DialogWindow.h"

#include "controls/RtfReader.h"
#include "model/IniFile.h"
#include "model/ProcessState.h"
#include "studio/ProgramFiles.h"
#include "studio/StudioSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>

#include <exception>

namespace {

constexpr int kClientWidth = 506;
constexpr int kClientHeight = 353;
const QColor kPageColor(236, 236, 236);

void SetBackground(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFrame* NewRule(QWidget* parent, int y)
{
    auto* rule = new QFrame(parent);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(8, y, 473, 2);
    return rule;
}

} // namespace

QString VersionHistoryFile()
{
    return ProgramFile(QStringLiteral("whatsnew.rtf"));
}

TTipsForm::TTipsForm(QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
{
    setWindowTitle(QStringLiteral("Version History"));
    setFixedSize(kClientWidth, kClientHeight);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 490, 302);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetBackground(Panel1, QPalette::Window, palette().color(QPalette::ToolTipBase));

    ScrollBox1 = new QScrollArea(Panel1);
    ScrollBox1->setGeometry(2, 2, 486, 298);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget;
    page->setFixedSize(484, 294);
    SetBackground(page, QPalette::Window, kPageColor);
    ScrollBox1->setWidget(page);
    SetBackground(ScrollBox1->viewport(), QPalette::Window, kPageColor);

    Image1 = new QLabel(page);
    Image1->setGeometry(8, 8, 32, 32);

    Label1 = new QLabel(QStringLiteral("Version History"), page);
    QFont title = Label1->font();
    title.setBold(true);
    title.setPointSize(16);
    Label1->setFont(title);
    Label1->setGeometry(52, 8, 420, 32);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Bevel1 = NewRule(page, 48);
    RichEdit1 = new QTextEdit(page);
    RichEdit1->setGeometry(8, 58, 473, 220);
    RichEdit1->setReadOnly(true);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette editPalette = RichEdit1->palette();
    editPalette.setColor(QPalette::Base, kPageColor);
    RichEdit1->setPalette(editPalette);
    Bevel2 = NewRule(page, 286);

    CheckBox1 = new QCheckBox(QStringLiteral("Show this on startup"), this);
    CheckBox1->setChecked(true);
    // Only the box and its text take clicks, so the widget is no wider.
    CheckBox1->setGeometry(QRect(QPoint(10, 318), QSize(CheckBox1->sizeHint().width(), 26)));

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(410, 318, 88, 26);
    OkButton->setDefault(true);
    // Esc and the close button reject; all three simply close the window.
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    CentreOnScreen(this);
}

bool TTipsForm::Prepare(bool startup)
{
    Image1->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    try {
        const QString acknowledged =
            TIniFile(StudioSettingsFile()).ReadString(SettingsKey::SystemSection, SettingsKey::Version, QString());
        if (startup && acknowledged == StudioVersion) return false;
        CheckBox1->setHidden(acknowledged == StudioVersion);
        const QString history = VersionHistoryFile();
        if (history.isEmpty() || !QFileInfo(history).isFile()) return false;
        if (!LoadRichTextFile(*RichEdit1->document(), history)) return false;
        RichEdit1->moveCursor(QTextCursor::Start);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TTipsForm::Finish()
{
    if (CheckBox1->isHidden() || CheckBox1->isChecked()) return;
    TIniFile(StudioSettingsFile()).WriteString(SettingsKey::SystemSection, SettingsKey::Version, StudioVersion);
}

void ShowVersionHistory(bool startup, QWidget* parent)
{
    TTipsForm form(parent);
    if (!form.Prepare(startup)) return;
    form.exec();
    form.Finish();
}

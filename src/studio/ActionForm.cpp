// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/ActionForm.h"

#include "inspector/ProjectFileChooser.h"
#include "model/Color.h"
#include "model/Kinds.h"
#include "model/ProcessState.h"
#include "platform/Dialogs.h"
#include "studio/ActionKindRules.h"
#include "studio/ActionKindSelector.h"
#include "studio/DialogWindow.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 403;
constexpr int kClientHeight = 138;

} // namespace

TActionForm::TActionForm(QWidget* parent) : QDialog(parent, kFixedDialogFlags)
{
    setWindowTitle(QStringLiteral("Action"));
    setFixedSize(kClientWidth, kClientHeight);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 387, 88);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    Label1 = new QLabel(QStringLiteral("Action Type:"), Panel1);
    Label1->setGeometry(14, 12, 96, 24);
    ComboBox1 = new TActionKindSelector(Panel1);
    ComboBox1->setGeometry(112, 12, 190, 24);
    Label1->setBuddy(ComboBox1);

    Label2 = new QLabel(Panel1);
    Label2->setGeometry(14, 50, 96, 24);
    Edit1 = new QLineEdit(Panel1);
    Edit1->setGeometry(112, 50, 190, 24);
    Label2->setBuddy(Edit1);
    Button1 = new QPushButton(QStringLiteral("Select..."), Panel1);
    Button1->setGeometry(308, 49, 70, 26);

    Button2 = new QPushButton(QStringLiteral("&OK"), this);
    Button2->setGeometry(226, 104, 82, 26);
    Button2->setDefault(true);
    Button3 = new QPushButton(QStringLiteral("&Cancel"), this);
    Button3->setGeometry(313, 104, 82, 26);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    // Cancel, Esc and the close button all reject without the flag.
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(ComboBox1, Edit1);
    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    CentreOnScreen(this);
}

void TActionForm::FillKinds(int current)
{
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->clear();
    for (int code = 0; code < kActionKindCount; ++code) ComboBox1->addItem(ActionKindText(code));
    ComboBox1->setCurrentIndex(current >= 0 && current < kActionKindCount ? current : -1);
}

void TActionForm::OpenForAdd()
{
    m_accepted = false;
    m_openedKind = akOpenRunFile;
    FillKinds(akOpenRunFile);
    ComboBox1Change();
    Edit1->clear();
    ComboBox1->setFocus();
}

void TActionForm::OpenForEdit(const TVoAction& action)
{
    m_accepted = false;
    m_openedKind = action.ActionType;
    FillKinds(action.ActionType);
    ComboBox1Change();
    Edit1->setText(action.Parameter);
    ComboBox1->setFocus();
}

int TActionForm::Kind() const
{
    return ComboBox1->currentIndex() < 0 ? m_openedKind : ActionKindFromText(ComboBox1->currentText());
}

QString TActionForm::Parameter() const
{
    return Edit1->text();
}

void TActionForm::ComboBox1Change()
{
    Edit1->clear();
    const ParameterLook look = ParameterLookOf(ComboBox1->currentIndex() < 0 ? m_openedKind : Kind());
    Label2->setText(look.label);
    Label2->setEnabled(look.enabled);
    Edit1->setEnabled(look.enabled);
    Button1->setEnabled(look.chooser != ParameterChooser::None);
    // The box's colour is the same in every state of the window, so a
    // greyed box stays grey and a usable one white.
    const QColor base = ColorToQColor(look.enabled ? kEnabledParameterColor : kDisabledParameterColor,
                                      QApplication::palette());
    QPalette palette = Edit1->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, base);
    Edit1->setPalette(palette);
}

void TActionForm::Button1Click()
{
    switch (ParameterLookOf(Kind()).chooser) {
    case ParameterChooser::ProjectFile:
        if (const auto file = ChooseProjectFile(Edit1->text(), kActionFileFilter, this)) Edit1->setText(*file);
        break;
    case ParameterChooser::ProjectFolder: {
        const QString folder = GetDialogs().ChooseFolderUnder(this, QStringLiteral("Select Folder"), ProjectFolder,
                                                              ActionFolderStart(ProjectFolder, Edit1->text()));
        if (folder.isEmpty()) break;
        if (const auto relative = RelativeToProject(folder, ProjectFolder)) Edit1->setText(*relative);
        break;
    }
    case ParameterChooser::None:
        break;
    }
}

void TActionForm::Button2Click()
{
    m_accepted = true;
    accept();
}

std::unique_ptr<TVoAction> AddAction(QWidget* parent)
{
    TActionForm form(parent);
    form.OpenForAdd();
    form.exec();
    if (!form.Accepted()) return nullptr;
    auto action = std::make_unique<TVoAction>();
    action->ActionType = quint8(form.Kind());
    action->Parameter = form.Parameter();
    return action;
}

bool EditAction(TVoAction& action, QWidget* parent)
{
    TActionForm form(parent);
    form.OpenForEdit(action);
    form.exec();
    return form.Accepted() && StoreEditedAction(action, form.Kind(), form.Parameter());
}

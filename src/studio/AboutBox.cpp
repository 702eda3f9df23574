// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/AboutBox.h"

#include "platform/Shell.h"
#include "studio/DialogWindow.h"
#include "model/ProcessState.h"
#include "studio/VendorAddresses.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About ") + QApplication::applicationName());
    setWindowFlags(kFixedDialogFlags);
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setFixedSize(32, 32);
    auto* name = new QLabel(QStringLiteral("Velomni Studio"), this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    name->setFont(bold);
    VersionLabel = new QLabel(StudioVersion, this);
    LinkLabel = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(kVendorHomePage), this);
    LinkLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(LinkLabel, &QLabel::linkActivated, this,
            [](const QString& link) { GetShell().Execute(kShellVerbOpen, link); });
    OkButton = new QPushButton(QStringLiteral("&OK"), this);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(VersionLabel, 1, 1);
    layout->addWidget(LinkLabel, 2, 1);
    layout->addWidget(OkButton, 3, 0, 1, 2, Qt::AlignHCenter);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->setHorizontalSpacing(14);
    layout->setVerticalSpacing(6);
    layout->setRowMinimumHeight(3, 40);
    layout->setColumnMinimumWidth(1, 240);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowAboutBox(QWidget* parent)
{
    TAboutBox box(parent);
    box.exec();
}

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: the program's icon, name and version, and a link to the
// home page.
class TAboutBox final : public QDialog {
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    QLabel* VersionLabel = nullptr;
    QLabel* LinkLabel = nullptr;
    QPushButton* OkButton = nullptr;
};

// Shows the box modally and destroys it.
void ShowAboutBox(QWidget* parent);

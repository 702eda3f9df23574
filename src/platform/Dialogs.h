// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QRgb>
#include <QString>

#include <optional>

class QWidget;

// The common dialogs, behind one service so tests can script the choices.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A folder chosen in the folder browser (folders only), starting at
    // start when it exists; empty when the user cancelled.
    virtual QString ChooseFolder(QWidget* parent, const QString& title, const QString& start) = 0;
    // The system colour dialog, fully expanded, starting at start; nothing
    // when the user cancelled.
    virtual std::optional<QRgb> ChooseColor(QWidget* parent, QRgb start) = 0;
    // A file name chosen in the save dialog with a filter in the form
    // "ISO File (*.iso)"; empty when the user cancelled.
    virtual QString ChooseSaveFile(QWidget*, const QString& /*filter*/) { return QString(); }
};

// The service in use; Qt's dialogs until another is installed.
Dialogs& GetDialogs();
// Installs a service (not owned); nullptr goes back to Qt's dialogs.
void SetDialogs(Dialogs* service);

class QtDialogs final : public Dialogs {
public:
    QString ChooseFolder(QWidget* parent, const QString& title, const QString& start) override;
    std::optional<QRgb> ChooseColor(QWidget* parent, QRgb start) override;
    QString ChooseSaveFile(QWidget* parent, const QString& filter) override;
};

// Cancels every dialog: for runs without a user.
class CancellingDialogs final : public Dialogs {
public:
    QString ChooseFolder(QWidget*, const QString&, const QString&) override { return QString(); }
    std::optional<QRgb> ChooseColor(QWidget*, QRgb) override { return std::nullopt; }
};

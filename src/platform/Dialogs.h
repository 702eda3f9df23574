// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFont>
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
    // A folder inside root (root itself included) chosen in a folder
    // browser that cannot leave root, opening at start when that is a
    // folder inside root, else at root; empty when the user cancelled.
    virtual QString ChooseFolderUnder(QWidget* parent, const QString& title, const QString& root,
                                      const QString& start = QString()) = 0;
    // An existing file chosen in the open dialog. filter is in the stored
    // form "Text (*.txt)|*.txt|..."; the dialog starts at startFile when
    // one is given, else in startFolder. Empty when the user cancelled.
    virtual QString OpenFile(QWidget* parent, const QString& filter, const QString& startFile,
                             const QString& startFolder, const QString& title = QString()) = 0;
    // A file name chosen in the save dialog, with defaultSuffix added when
    // the name has none, starting in startFolder when one is given; empty
    // when the user cancelled.
    virtual QString SaveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                             const QString& startFolder = QString()) = 0;
    // The system font dialog starting at start; nothing when cancelled.
    virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& start) = 0;
};

// A file-dialog filter in the stored form, "Name (*.a;*.b)|*.a;*.b|...",
// as Qt writes it, "Name (*.a *.b);;...". "*.*" becomes "*", which on
// this platform also matches names without a dot.
QString QtFileFilter(const QString& storedFilter);
// Whether path is folder or lies below it; names compared as the file
// system does, on this platform with case.
bool IsInsideFolder(const QString& path, const QString& folder);

// The service in use; Qt's dialogs until another is installed.
Dialogs& GetDialogs();
// Installs a service (not owned); nullptr goes back to Qt's dialogs.
void SetDialogs(Dialogs* service);

class QtDialogs final : public Dialogs {
public:
    QString ChooseFolder(QWidget* parent, const QString& title, const QString& start) override;
    std::optional<QRgb> ChooseColor(QWidget* parent, QRgb start) override;
    QString ChooseFolderUnder(QWidget* parent, const QString& title, const QString& root,
                              const QString& start) override;
    QString OpenFile(QWidget* parent, const QString& filter, const QString& startFile,
                     const QString& startFolder, const QString& title = QString()) override;
    QString SaveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                     const QString& startFolder = QString()) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& start) override;
};

// Cancels every dialog: for runs without a user.
class CancellingDialogs final : public Dialogs {
public:
    QString ChooseFolder(QWidget*, const QString&, const QString&) override { return QString(); }
    std::optional<QRgb> ChooseColor(QWidget*, QRgb) override { return std::nullopt; }
    QString ChooseFolderUnder(QWidget*, const QString&, const QString&, const QString&) override { return QString(); }
    QString OpenFile(QWidget*, const QString&, const QString&, const QString&, const QString& = QString()) override
    {
        return QString();
    }
    QString SaveFile(QWidget*, const QString&, const QString&, const QString& = QString()) override
    {
        return QString();
    }
    std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return std::nullopt; }
};

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Picture.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The "Image Editor": a preview of the working picture on a checkerboard,
// with loading from a file, saving to one and clearing. It works on its own
// copy; the caller's picture changes only through ApplyTo.
class TImageEditorForm final : public QDialog {
    Q_OBJECT

public:
    explicit TImageEditorForm(QWidget* parent = nullptr);

    // Takes a copy of the caller's picture; in icon-only mode only icons
    // are offered for loading and only an icon is accepted.
    void Open(const TPicture& picture, bool iconOnly);
    const TPicture& WorkingPicture() const { return m_picture; }
    // True, with picture receiving the working picture, only when the
    // picture was loaded or cleared and the form was confirmed.
    bool ApplyTo(TPicture& picture) const;

    QFrame* Panel1 = nullptr;
    QFrame* ScrollBox1 = nullptr;   // the preview box
    QLabel* Image2 = nullptr;       // the checkerboard behind the preview
    QWidget* Image1 = nullptr;      // the preview
    QPushButton* LoadButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* ClearButton = nullptr;
    QLabel* Label1 = nullptr;       // kind and size
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void LoadButtonClick();
    void SaveButtonClick();
    void ClearButtonClick();
    void OkButtonClick();
    void RefreshPreview();

    TPicture m_picture;
    bool m_changed = false;
    bool m_accepted = false;
    bool m_iconOnly = false;
    QSize m_maxPreviewSize; // the preview's design size, the most it grows to
};

// Shows the image editor on picture. True, with picture replaced, when the
// user loaded or cleared a picture and confirmed.
bool EditPicture(TPicture& picture, bool iconOnly, QWidget* parent = nullptr);

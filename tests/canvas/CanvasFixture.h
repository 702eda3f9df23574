// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "RecordingCanvasHost.h"
#include "canvas/EditForm.h"
#include "document/DesignDocument.h"
#include "player/VelomniForm.h"
#include "support/ProcessStateGuard.h"

#include <gtest/gtest.h>

#include <QTest>

#include <memory>

// A menu window parked in a hidden holder as in the studio, its design
// document, and a shown canvas on it, driven with real mouse events and
// keys on its picture.
class CanvasTest : public testing::Test {
protected:
    CanvasTest()
    {
        IsStudio = true;
        menu = new TVelomniForm(&holder);
        document = std::make_unique<TDesignDocument>(*menu);
        canvas = new TEditForm(host, *document, &window);
        window.resize(900, 700);
        window.show();
        canvas->SyncCanvasWindow();
        canvas->show();
    }

    // An object of a kind at the given bounds, not selected.
    TVoObject* Add(int kind, const QRect& bounds)
    {
        TVoObject* entry = menu->AddObject(kind, bounds.left(), bounds.top());
        entry->Control->SetBounds(bounds);
        entry->Selected = false;
        return entry;
    }
    static QRect Bounds(const TVoObject* entry) { return entry->Control->Bounds(); }
    QWidget* Picture() const { return canvas->Image1(); }
    void SetSnap(bool snap)
    {
        TGridSettings grid = document->Grid();
        grid.Snap = snap;
        document->SetGrid(grid);
    }
    int Current() const { return document->CurrentEntry(); }

    void Press(QPoint at, Qt::KeyboardModifiers keys = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(Picture(), button, keys, at);
    }
    // Alt held switches the smart guides off.
    void MoveTo(QPoint at, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseEvent(QTest::MouseMove, Picture(), Qt::NoButton, keys, at);
    }
    void Release(QPoint at, Qt::KeyboardModifiers keys = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(Picture(), button, keys, at);
    }
    void Click(QPoint at, Qt::KeyboardModifiers keys = {})
    {
        Press(at, keys);
        Release(at, keys);
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = {})
    {
        Press(from, keys);
        MoveTo(to);
        Release(to, keys);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers keys = {}) { QTest::keyClick(Picture(), key, keys); }
    std::vector<bool> Selection() const { return document->Selection(); }

    ProcessStateGuard state;
    RecordingCanvasHost host;
    QWidget holder;
    QWidget window;
    TVelomniForm* menu = nullptr;
    std::unique_ptr<TDesignDocument> document; // goes before the menu window
    TEditForm* canvas = nullptr;
};

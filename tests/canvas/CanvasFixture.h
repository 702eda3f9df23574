// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "RecordingCanvasHost.h"
#include "canvas/EditForm.h"
#include "player/VelomniForm.h"
#include "support/ProcessStateGuard.h"

#include <gtest/gtest.h>

#include <QTest>

#include <memory>

// A menu window parked in a hidden holder as in the studio, and a shown
// canvas on it, driven with real mouse events on its picture.
class CanvasTest : public testing::Test {
protected:
    CanvasTest()
    {
        IsStudio = true;
        SnapToGrid = true;
        GridSizeX = GridSizeY = 8;
        menu = new TVelomniForm(&holder);
        host = std::make_unique<RecordingCanvasHost>(*menu);
        canvas = new TEditForm(*host, *menu, &window);
        host->canvas = canvas;
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

    void Press(QPoint at, Qt::KeyboardModifiers keys = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(Picture(), button, keys, at);
    }
    void MoveTo(QPoint at) { QTest::mouseMove(Picture(), at); }
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
    std::vector<bool> Selection() const
    {
        std::vector<bool> flags;
        for (const TVoObject* entry : menu->ObjectList()) flags.push_back(entry->Selected);
        return flags;
    }

    ProcessStateGuard state;
    std::unique_ptr<RecordingCanvasHost> host; // outlives the windows
    QWidget holder;
    QWidget window;
    TVelomniForm* menu = nullptr;
    TEditForm* canvas = nullptr;
};

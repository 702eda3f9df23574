// SPDX-License-Identifier: GPL-2.0-or-later
// The design canvas on a menu of 200 objects of every kind at 1280x800:
// a redraw of the canvas (picture and selection marks) and one drag step
// (a mouse move until the new picture is painted) against one render of
// the menu window's client area alone, in the same run. The drag step is
// measured with the smart guides on and with Alt held, which switches them
// off. Targets: redraw within 1.2 of the render, a drag step within 1.3
// either way.
#include "BenchCanvasHost.h"
#include "BenchTiming.h"

#include "canvas/EditForm.h"
#include "model/ProcessState.h"
#include "document/DesignDocument.h"
#include "player/VelomniForm.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, keys);
    QApplication::sendEvent(target, &event);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 41;
    IsStudio = true;

    QWidget holder;
    auto* menu = new TVelomniForm(&holder);
    TDesignDocument document(*menu);
    TGridSettings grid;
    grid.Snap = false;
    document.SetGrid(grid);
    BenchCanvasHost host;
    QWidget window;
    auto* canvas = new TEditForm(host, document, &window);
    menu->SetWindowSize(1280, 800);
    for (int i = 0; i < 200; ++i) {
        TVoObject* entry = menu->AddObject(i % 6, 0, 0);
        entry->Control->SetBounds({12 + (i % 20) * 62, 12 + (i / 20) * 74, 56, 64});
        entry->Selected = false;
    }
    menu->SortObjectList();
    // A selection of ten objects, the first of them current.
    for (int i = 0; i < 10; ++i) menu->ObjectList()[size_t(i * 7)]->Selected = true;
    document.SetCurrentEntry(1);
    window.resize(1400, 950);
    window.show();
    canvas->SyncCanvasWindow();
    QApplication::processEvents();

    // The five are measured in turns, so a load on the machine falls on
    // all of them alike.
    QWidget* surface = menu->ScrollBox1();
    QWidget* picture = canvas->Image1();
    QImage alone(surface->size(), QImage::Format_RGB32);
    QPoint at = menu->ObjectList()[0]->Control->Bounds().center();
    SendMouse(picture, QEvent::MouseButtonPress, at, Qt::LeftButton);
    int direction = 1;
    std::vector<double> renders, redraws, shownRedraws, steps, plainSteps;
    size_t guideLines = 0; // so that the guided steps are seen to find guides
    auto step = [&](Qt::KeyboardModifiers keys) {
        at += QPoint(direction, direction);
        direction = -direction;
        SendMouse(picture, QEvent::MouseMove, at, Qt::LeftButton, keys);
        picture->repaint();
    };
    for (int run = 0; run < runs; ++run) {
        renders.push_back(MedianMs(1, [&] { surface->render(&alone); }));
        redraws.push_back(MedianMs(1, [&] { canvas->RedrawCanvas(); }));
        shownRedraws.push_back(MedianMs(1, [&] {
            canvas->RedrawCanvas();
            picture->repaint();
        }));
        steps.push_back(MedianMs(1, [&] { step(Qt::NoModifier); }));
        guideLines = std::max(guideLines, canvas->Interaction().Guides().size());
        plainSteps.push_back(MedianMs(1, [&] { step(Qt::AltModifier); }));
    }
    SendMouse(picture, QEvent::MouseButtonRelease, at, Qt::NoButton);
    const double render = Median(renders), redraw = Median(redraws), shown = Median(shownRedraws),
                 guided = Median(steps), plain = Median(plainSteps);

    std::printf("menu of 200 objects at 1280x800, %d runs, platform %s\n", runs,
                qPrintable(QGuiApplication::platformName()));
    std::printf("render of the menu window alone: %7.3f ms\n", render);
    std::printf("RedrawCanvas:                    %7.3f ms  ratio %.2f (target <= 1.2)\n", redraw, redraw / render);
    std::printf("RedrawCanvas and its paint:      %7.3f ms  ratio %.2f\n", shown, shown / render);
    std::printf("drag step (move -> painted), guides on:  %7.3f ms  ratio %.2f (target <= 1.3)\n", guided,
                guided / render);
    std::printf("guide lines on a guided step: up to %zu\n", guideLines);
    std::printf("drag step (move -> painted), Alt held:   %7.3f ms  ratio %.2f (target <= 1.3)\n", plain,
                plain / render);
    return 0;
}

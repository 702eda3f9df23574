// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/VelomniForm.h"

#include "controls/ControlFactory.h"
#include "controls/VoImage.h"
#include "controls/VoImageButton.h"
#include "controls/VoRichText.h"
#include "controls/VoSimpleText.h"
#include "controls/VoTextBox.h"
#include "model/Kinds.h"
#include "model/ProcessState.h"
#include "model/ProjectFile.h"
#include "player/AfterFirstPaint.h"
#include "player/BackgroundImage.h"
#include "player/BackgroundPainter.h"
#include "player/ColorKey.h"
#include "player/ObjectEvents.h"
#include "player/ObjectOrder.h"
#include "player/StockPictures.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPointer>
#include <QPixmap>
#include <QScopedValueRollback>
#include <QScreen>

#include <algorithm>

TVelomniForm::TVelomniForm(QWidget* parent) : QWidget(parent)
{
    m_scrollBox = new QWidget(this);
    m_scrollBox->setAutoFillBackground(true);
    m_image = new TBackgroundImage(m_scrollBox);
    m_image->OnMouseMoveOverBackground = [this] { ClearButtonHover(); };
    ResetProject();
}

// The project data, a member, frees every control before the widget base
// deletes the surface that parents them.
TVelomniForm::~TVelomniForm() = default;

void TVelomniForm::ResetProject()
{
    m_data.Reset();
    setWindowIcon(QIcon());
    SetWindowSize(640, 400);
    ApplySettings();
    RedrawBackground();
}

void TVelomniForm::SetWindowIcon(const TPicture& icon)
{
    const bool hasIcon = m_data.SetFormIcon(icon);
    // Decoding an icon starts the image plug-ins: a player's window not yet
    // on screen gets its icon once its first frame is shown.
    if (hasIcon && !IsStudio && isWindow() && !isVisible()) {
        if (!m_iconPending) {
            m_iconPending = true;
            RunAfterFirstPaint([form = QPointer<TVelomniForm>(this)] {
                if (form) form->ApplyWindowIcon();
            });
        }
        return;
    }
    ApplyWindowIcon();
}

void TVelomniForm::ApplyWindowIcon()
{
    m_iconPending = false;
    const TGraphic* icon = m_data.Settings.FormIcon.Graphic();
    if (icon && !icon->Empty())
        setWindowIcon(QIcon(QPixmap::fromImage(icon->ToImage())));
    else
        setWindowIcon(QIcon());
}

QSize TVelomniForm::FrameExtra() const
{
    if (!isWindow()) return m_designFrame;
    return m_frameExtra.isValid() ? m_frameExtra : QSize(0, 0);
}

void TVelomniForm::SetWindowSize(int width, int height)
{
    m_data.Settings.Width = width;
    m_data.Settings.Height = height;
    const QSize extra = FrameExtra();
    const QSize client(std::max(1, width - extra.width()), std::max(1, height - extra.height()));
    if (isWindow() && m_data.Settings.BorderStyle != bsSizeable) {
        setFixedSize(client);
    } else {
        setMinimumSize(1, 1);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(client);
    }
    // A hidden window gets its resize event only when shown; the surface
    // must match the client area at once.
    LayoutSurface();
}

void TVelomniForm::LayoutSurface()
{
    if (m_scrollBox->size() == size()) return;
    m_scrollBox->setGeometry(rect());
    m_image->setGeometry(m_scrollBox->rect());
    RedrawBackground();
}

void TVelomniForm::ApplySettings()
{
    setWindowTitle(m_data.Settings.FormCaption);
    if (isWindow()) {
        Qt::WindowFlags flags = Qt::Window;
        const quint8 icons = m_data.Settings.BorderIcons;
        if (m_data.Settings.BorderStyle == bsNone) {
            flags |= Qt::FramelessWindowHint;
        } else {
            flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            if (icons & biSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            if (icons & biMinimize) flags |= Qt::WindowMinimizeButtonHint;
            if ((icons & biMaximize) && m_data.Settings.BorderStyle == bsSizeable)
                flags |= Qt::WindowMaximizeButtonHint;
            if (icons & biHelp) flags |= Qt::WindowContextHelpButtonHint;
        }
        if (windowFlags() != flags) {
            const bool wasVisible = isVisible();
            setWindowFlags(flags);
            if (wasVisible) show();
        }
        SetWindowSize(m_data.Settings.Width, m_data.Settings.Height);
    }
    QPalette surface = m_scrollBox->palette();
    surface.setColor(QPalette::Window, ColorToQColor(m_data.Settings.BackColor, palette()));
    m_scrollBox->setPalette(surface);
    if (const auto shape = CursorShape(m_data.Settings.Cursor))
        m_image->setCursor(*shape);
    else
        m_image->unsetCursor();
    m_image->setToolTip(m_data.Settings.Hint);
    UpdateColorKey();
}

bool TVelomniForm::Load(const QString& path)
{
    const bool loaded = LoadProject(*this, path);
    ApplySettings();
    RestackControls();
    return loaded;
}

std::unique_ptr<TVoControl> TVelomniForm::CreateControl(TVoObject& entry)
{
    std::unique_ptr<TVoControl> control = CreateKindControl(entry.ObjectType, m_scrollBox);
    if (!control) return nullptr;
    control->Entry = &entry;
    const auto click = [this](TVoControl& c) {
        if (c.Entry) OnObjectClick(*c.Entry);
    };
    const auto enter = [this](TVoControl& c) {
        if (c.Entry) OnObjectEnter(*c.Entry);
    };
    if (auto* b = dynamic_cast<TVoImageButton*>(control.get())) {
        b->OnClick = click;
        b->OnMouseEnterHook = enter;
    } else if (auto* i = dynamic_cast<TVoImage*>(control.get())) {
        i->OnClick = click;
        i->OnMouseEnterHook = enter;
    } else if (auto* t = dynamic_cast<TVoSimpleText*>(control.get())) {
        t->OnClick = click;
        t->OnMouseEnter = enter;
    } else if (auto* m = dynamic_cast<TVoTextBox*>(control.get())) {
        m->OnClick = click;
        m->OnMouseEnterHook = enter;
    } else if (auto* r = dynamic_cast<TVoRichText*>(control.get())) {
        r->OnClick = click;
        r->OnMouseEnterHook = enter;
    }
    // A control on a surface not yet on screen shows with it. Showing it
    // now would polish it at once, and a text panel builds its edit then:
    // loading would pay for every edit before the menu is ever drawn.
    QWidget* widget = ControlWidget(control.get());
    if (widget && m_scrollBox->isVisible()) widget->show();
    return control;
}

void TVelomniForm::RedrawBackground()
{
    QImage surface(m_scrollBox->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    const TGridDisplay grid = IsStudio ? m_grid : TGridDisplay{};
    PaintBackground(surface, m_data.Settings, grid, palette());
    m_image->SetPicture(std::move(surface));
    UpdateColorKey();
}

void TVelomniForm::PositionWindow()
{
    if (!isWindow()) return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect reference;
    switch (m_data.Settings.FormPosition) {
    case poScreenCenter: reference = screen->geometry(); break;
    case poDesktopCenter: reference = screen->virtualGeometry(); break;
    case poWorkAreaCenter: reference = screen->availableGeometry(); break;
    case poDesigned: {
        // Far outside any screen, yet within what window geometry can hold.
        constexpr int kLimit = (1 << 24) - 1;
        move(std::clamp(m_data.Settings.FormLeft, -kLimit, kLimit),
             std::clamp(m_data.Settings.FormTop, -kLimit, kLimit));
        return;
    }
    default: return;
    }
    move(reference.left() + (reference.width() - m_data.Settings.Width) / 2,
         reference.top() + (reference.height() - m_data.Settings.Height) / 2);
}

TVoObject* TVelomniForm::AddObject(int kind, int x, int y)
{
    for (TVoObject* entry : m_data.Objects)
        if (entry) entry->Selected = false;
    TVoObject* entry = NewObjectEntry();
    entry->ObjectType = quint8(kind);
    entry->Name = MakeUniqueName(kind);
    m_data.Objects.push_back(entry);
    if (!CreateObjectControl(entry, this, nullptr, y, x)) {
        m_data.Objects.pop_back();
        FreeObjectEntry(entry);
        return nullptr;
    }
    if (auto* button = dynamic_cast<TVoImageButton*>(entry->Control.get())) {
        button->SetCaption(entry->Name);
        button->SetNormalImage(StockPicture(3));
        button->SetMouseOverImage(StockPicture(1));
    }
    else if (auto* text = dynamic_cast<TVoSimpleText*>(entry->Control.get()))
        text->SetCaption(entry->Name);
    else if (auto* memo = dynamic_cast<TVoTextBox*>(entry->Control.get()))
        memo->SetText(entry->Name);
    entry->Selected = true;
    return entry;
}

void TVelomniForm::DeleteObject(int index)
{
    if (index < 0 || index >= int(m_data.Objects.size())) return;
    FreeObjectEntry(m_data.Objects[size_t(index)]);
    m_data.Objects.erase(m_data.Objects.begin() + index);
}

bool TVelomniForm::BringObjectToFront(int index)
{
    if (!MoveObjectToFront(m_data.Objects, index)) return false;
    RestackControls();
    return true;
}

bool TVelomniForm::SendObjectToBack(int index)
{
    if (!MoveObjectToBack(m_data.Objects, index)) return false;
    RestackControls();
    return true;
}

void TVelomniForm::SortObjectList()
{
    ::SortObjectList(m_data.Objects);
    RestackControls();
}

void TVelomniForm::SetObjectList(const TObjectList& objects)
{
    m_data.Objects = objects;
    RestackControls();
}

QString TVelomniForm::MakeUniqueName(int kind) const
{
    return ::MakeUniqueName(m_data.Objects, kind);
}

void TVelomniForm::EnsureUniqueName(int index)
{
    ::EnsureUniqueName(m_data.Objects, index);
}

void TVelomniForm::OnObjectClick(TVoObject& entry)
{
    if (m_events) m_events->ObjectClicked(entry);
}

void TVelomniForm::OnObjectEnter(TVoObject& entry)
{
    if (m_events) m_events->ObjectEntered(entry);
}

void TVelomniForm::SetGridDisplay(const TGridDisplay& grid)
{
    m_grid = grid;
    RedrawBackground();
}

void TVelomniForm::SetDesignFrame(QSize extra)
{
    if (extra == m_designFrame) return;
    m_designFrame = extra;
    SetWindowSize(m_data.Settings.Width, m_data.Settings.Height);
}

QImage TVelomniForm::RenderClientArea()
{
    QImage image(m_scrollBox->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    m_scrollBox->render(&image);
    return image;
}

void TVelomniForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutSurface();
}

void TVelomniForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!isWindow()) return;
    // The frame is known once the window is shown; the stored size is the
    // outer one, so the client area is fitted to it.
    const QSize extra = frameGeometry().size() - size();
    if (extra != m_frameExtra && extra.width() >= 0 && extra.height() >= 0) {
        m_frameExtra = extra;
        SetWindowSize(m_data.Settings.Width, m_data.Settings.Height);
        PositionWindow();
    }
}

void TVelomniForm::RestackControls()
{
    for (TVoObject* entry : m_data.Objects)
        if (entry)
            if (QWidget* widget = ControlWidget(entry->Control.get())) widget->raise();
    m_image->lower();
}

void TVelomniForm::UpdateColorKey()
{
    // Rendering the client area can deliver a pending resize, which paints
    // the background again and would come back here.
    if (!isWindow() || m_updatingColorKey) return;
    const QScopedValueRollback<bool> guard(m_updatingColorKey, true);
    if (!m_data.Settings.Transparent) {
        ClearColorKey(*this);
        return;
    }
    // Applied again only when the painted picture or the size changes.
    ApplyColorKey(*this, ColorToQColor(m_data.Settings.TransparentColor, palette()),
                  [this] { return RenderClientArea(); });
}

void TVelomniForm::ClearButtonHover()
{
    for (TVoObject* entry : m_data.Objects)
        if (entry && entry->ObjectType == okButton)
            if (auto* button = dynamic_cast<TVoImageButton*>(entry->Control.get()))
                button->ClearMouseInside();
}

// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/VoBrowser.h"

#include "controls/BrowserTarget.h"
#include "controls/HtmlPreview.h"
#include "controls/KindRecord.h"
#include "controls/WebModule.h"
#include "model/ErrorReports.h"
#include "model/ProcessState.h"
#include "model/StreamPrimitives.h"
#include "model/VoStream.h"

#include <QApplication>
#include <QPainter>
#include <QVBoxLayout>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

constexpr int kWriteCode = 4007;
constexpr int kReadCode = 4008;

// The browser engine does not start as root while its sandbox is on.
void AllowEngineAsRoot()
{
#ifndef _WIN32
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

} // namespace

TVoBrowser::TVoBrowser(QWidget* parent) : QFrame(parent), TWidgetControl(*this, QSize(177, 177))
{
    setAutoFillBackground(true);
}

void TVoBrowser::SetColor(TColor color)
{
    m_color = color;
    // A panel not yet polished gets its face then, before it is drawn.
    if (testAttribute(Qt::WA_WState_Polished)) ApplyColor();
}

void TVoBrowser::ApplyColor()
{
    QPalette face = palette();
    face.setColor(QPalette::Window, ColorToQColor(m_color, QApplication::palette(this)));
    setPalette(face);
}

bool TVoBrowser::event(QEvent* event)
{
    // Frame and face cost more than the rest of the panel; one never drawn
    // needs neither. The browser, made only later, takes the frame away.
    if (event->type() == QEvent::Polish) {
        if (!m_view) setFrameStyle(QFrame::Panel | QFrame::Raised);
        ApplyColor();
    }
    return QFrame::event(event);
}

QWidget* TVoBrowser::View() const
{
    return m_view;
}

bool BrowserViewsEnabled = true;

void TVoBrowser::SetAddress(const QString& address)
{
    m_address = address;
    if (IsStudio) {
        // Drawn anew, from the file as it is then, at the next paint.
        m_previewStale = true;
        update();
        return;
    }
    if (!BrowserViewsEnabled) return;
    if (m_view || isVisible())
        Navigate();
    else
        m_navigationPending = true;
}

void TVoBrowser::Navigate()
{
    m_navigationPending = false;
    if (!m_view) CreateView();
    OpenWebView(m_view, BrowserTarget(ProjectFolder, m_address));
}

void TVoBrowser::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (IsStudio) PaintPreview();
    if (m_navigationPending)
        QMetaObject::invokeMethod(
            this, [this] { if (m_navigationPending) Navigate(); }, Qt::QueuedConnection);
}

void TVoBrowser::PaintPreview()
{
    const QRect area = contentsRect();
    if (m_previewStale || (!m_preview.isNull() && m_preview.size() != area.size())) {
        m_previewStale = false;
        const QUrl target = BrowserTarget(ProjectFolder, m_address);
        m_preview = target.isLocalFile() ? RenderHtmlPreview(target.toLocalFile(), area.size()) : QImage();
    }
    if (m_preview.isNull()) return;
    QPainter painter(this);
    painter.drawImage(area.topLeft(), m_preview);
}

void TVoBrowser::CreateView()
{
    AllowEngineAsRoot();
    m_view = NewWebView(this);
    if (!m_view) return;
    setFrameStyle(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

bool TVoBrowser::WriteKindRecord(TVoStream& stream) const
{
    return RunReported(kWriteCode, [&] {
        WriteKindVersion(stream);
        return WriteString(stream, m_address);
    });
}

bool TVoBrowser::ReadKindRecord(TVoStream& stream)
{
    return RunReported(kReadCode, [&] {
        if (!ReadKindVersion(stream)) return false;
        QString address;
        if (!ReadString(stream, address)) return false;
        SetAddress(address);
        return true;
    });
}

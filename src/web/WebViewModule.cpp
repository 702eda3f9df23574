// SPDX-License-Identifier: GPL-2.0-or-later
// The two entry points the web panels call once this module is loaded.
#include <QOpenGLContext>
#include <QUrl>
#include <QWebEngineView>

// Exported by Qt GUI; the browser's views draw through contexts that share
// with this one.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

// The browser engine needs a context every view shares resources with.
// Programs that link the engine get it when the application starts; this
// module arrives later, so it makes the context on its first view.
void EnsureSharedContext()
{
    if (QOpenGLContext::globalShareContext()) return;
    auto* context = new QOpenGLContext;
    context->create();
    qt_gl_set_global_share_context(context);
}

} // namespace

extern "C" Q_DECL_EXPORT QWidget* velomni_web_view_create(QWidget* parent)
{
    EnsureSharedContext();
    auto* view = new QWebEngineView(parent);
    view->setFocusPolicy(Qt::ClickFocus);
    return view;
}

extern "C" Q_DECL_EXPORT void velomni_web_view_open(QWidget* view, const QUrl* url)
{
    if (auto* web = qobject_cast<QWebEngineView*>(view)) web->setUrl(*url);
}

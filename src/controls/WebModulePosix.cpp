// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/WebModule.h"

#include "platform/EmbeddedModule.h"

#include <QUrl>
#include <QtGlobal>

// Made by the build from the module's file.
QByteArrayView WebModuleImage();

namespace {

using CreateView = QWidget* (*)(QWidget*);
using OpenView = void (*)(QWidget*, const QUrl*);

struct LoadedModule {
    CreateView create = nullptr;
    OpenView open = nullptr;
};

// The engine warns that it was loaded by a plug-in; that is how this
// program means it, so that one message is dropped while the module loads.
QtMessageHandler g_previousHandler = nullptr;
void DropPluginWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("Qt WebEngine seems to be initialized from a plugin"))) return;
    if (g_previousHandler) g_previousHandler(type, context, message);
}

const LoadedModule& Module()
{
    static const LoadedModule module = [] {
        g_previousHandler = qInstallMessageHandler(DropPluginWarning);
        void* handle = LoadEmbeddedModule("velomni-web", WebModuleImage());
        qInstallMessageHandler(g_previousHandler);
        LoadedModule loaded;
        loaded.create = reinterpret_cast<CreateView>(ModuleFunction(handle, "velomni_web_view_create"));
        loaded.open = reinterpret_cast<OpenView>(ModuleFunction(handle, "velomni_web_view_open"));
        if (!loaded.create || !loaded.open) loaded = {};
        return loaded;
    }();
    return module;
}

} // namespace

QWidget* NewWebView(QWidget* parent)
{
    const LoadedModule& module = Module();
    return module.create ? module.create(parent) : nullptr;
}

void OpenWebView(QWidget* view, const QUrl& url)
{
    const LoadedModule& module = Module();
    if (view && module.open) module.open(view, &url);
}

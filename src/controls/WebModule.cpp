// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/WebModule.h"

#include "controls/WebModuleImage.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryFile>
#include <QUrl>
#include <QtGlobal>

#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

using CreateView = QWidget* (*)(QWidget*);
using OpenView = void (*)(QWidget*, const QUrl*);

struct LoadedModule {
    CreateView create = nullptr;
    OpenView open = nullptr;
};

bool WriteAll(int fd, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

// The engine warns that it was loaded by a plugin; that is how this
// program means it, so that one message is dropped while the module loads.
QtMessageHandler g_previousHandler = nullptr;
void DropPluginWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("Qt WebEngine seems to be initialized from a plugin"))) return;
    if (g_previousHandler) g_previousHandler(type, context, message);
}

void* OpenLibrary(const QByteArray& path)
{
    g_previousHandler = qInstallMessageHandler(DropPluginWarning);
    void* handle = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
    qInstallMessageHandler(g_previousHandler);
    if (!handle) qWarning("web panels: cannot load the browser module: %s", dlerror());
    return handle;
}

// Loads the module from memory: nothing is written to the disk, which may
// be read-only. Without memory files it goes through a temporary file.
void* LoadModuleImage()
{
    const QByteArrayView image = WebModuleImage();
    const int fd = memfd_create("velomni-web", MFD_CLOEXEC);
    if (fd >= 0) {
        void* handle = nullptr;
        if (WriteAll(fd, image)) handle = OpenLibrary(QByteArray("/proc/self/fd/") + QByteArray::number(fd));
        ::close(fd);
        if (handle) return handle;
    }
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/velomni-web-XXXXXX.so"));
    if (!file.open() || file.write(image.data(), image.size()) != image.size() || !file.flush()) return nullptr;
    return OpenLibrary(QFile::encodeName(file.fileName()));
}

const LoadedModule& Module()
{
    static const LoadedModule module = [] {
        LoadedModule loaded;
        if (void* handle = LoadModuleImage()) {
            loaded.create = reinterpret_cast<CreateView>(dlsym(handle, "velomni_web_view_create"));
            loaded.open = reinterpret_cast<OpenView>(dlsym(handle, "velomni_web_view_open"));
            if (!loaded.create || !loaded.open) loaded = {};
        }
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

// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/EmbeddedModule.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

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

void* Open(const char* name, const QByteArray& path)
{
    void* handle = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) qWarning("cannot load the %s module: %s", name, dlerror());
    return handle;
}

} // namespace

void* LoadEmbeddedModule(const char* name, QByteArrayView image)
{
    const int fd = memfd_create(name, MFD_CLOEXEC);
    if (fd >= 0) {
        void* handle = nullptr;
        // The loader maps the file; the descriptor is not needed after.
        if (WriteAll(fd, image)) handle = Open(name, QByteArray("/proc/self/fd/") + QByteArray::number(fd));
        ::close(fd);
        if (handle) return handle;
    }
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/velomni-module-XXXXXX.so"));
    if (!file.open() || file.write(image.data(), image.size()) != image.size() || !file.flush()) {
        qWarning("cannot load the %s module: no place to unpack it", name);
        return nullptr;
    }
    return Open(name, QFile::encodeName(file.fileName()));
}

void* ModuleFunction(void* module, const char* function)
{
    return module ? dlsym(module, function) : nullptr;
}

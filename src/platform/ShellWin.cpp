// SPDX-License-Identifier: GPL-2.0-or-later
// The desktop shell on Windows: the system shell performs the verb and finds
// the program for it, and answers in the codes the menu's actions expect.
#include "platform/Shell.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>

namespace {

const wchar_t* Wide(const QString& text)
{
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

// Shell extensions a verb may call on need COM on the calling thread; the
// menu performs verbs from its one window thread.
void EnsureComForShell()
{
    static const HRESULT initialized =
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    (void)initialized;
}

} // namespace

int DesktopShell::Execute(const QString& verb, const QString& target)
{
    EnsureComForShell();
    const HINSTANCE result =
        ShellExecuteW(nullptr, Wide(verb), Wide(target), nullptr, nullptr, SW_SHOWNORMAL);
    // The result is a number in a handle's clothes: above 32 on success,
    // else one of the error codes the constants in Shell.h name.
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

bool DesktopShell::StartProgram(const QString& program)
{
    const QString path = QDir::toNativeSeparators(QFileInfo(program).absoluteFilePath());
    const QString folder = QDir::toNativeSeparators(QFileInfo(program).absolutePath());
    // The command line holds only the quoted program name, so the program
    // sees no arguments; CreateProcessW may write into it.
    std::wstring commandLine = L"\"" + path.toStdWString() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(Wide(path), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        Wide(folder), &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

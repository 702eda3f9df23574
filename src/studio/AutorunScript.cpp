// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/AutorunScript.h"

#include "model/DiscLayout.h"

#include <QSysInfo>

namespace {

const char kTemplate[] = R"sh(#!/bin/sh
# Starts the menu of this disc on a Linux desktop. A desktop offers to run
# this file when the disc is mounted; it can also be run by hand.
#
# The player and the libraries it needs beyond the desktop's own lie in
# the folder @RUNTIME@. This prepares what those libraries need and starts
# the player; the player gives the programs it starts the environment
# saved here.

cd "$(dirname "$0")" || exit 1
runtime="$(pwd)/@RUNTIME@"
needed_glibc=@GLIBC@

say() {
    echo "$1" >&2
    # Started by the desktop, there is no terminal: show it in a window.
    if command -v zenity >/dev/null 2>&1; then
        zenity --error --title="Disc menu" --text="$1" >/dev/null 2>&1
    elif command -v kdialog >/dev/null 2>&1; then
        kdialog --title "Disc menu" --error "$1" >/dev/null 2>&1
    elif command -v xmessage >/dev/null 2>&1; then
        xmessage -center "$1" >/dev/null 2>&1
    fi
}

# True when version $1 (major.minor) is at least $2.
at_least() {
    have_major=${1%%.*}; have_minor=${1#*.}; have_minor=${have_minor%%.*}
    need_major=${2%%.*}; need_minor=${2#*.}; need_minor=${need_minor%%.*}
    [ "$have_major" -gt "$need_major" ] 2>/dev/null && return 0
    [ "$have_major" -eq "$need_major" ] 2>/dev/null && [ "$have_minor" -ge "$need_minor" ] 2>/dev/null
}

case "$(uname -m)" in
    @MACHINES@) ;;
    *) say "The menu of this disc runs on @MACHINE_TEXT@ computers; this one is $(uname -m)."; exit 1 ;;
esac
if [ ! -x "$runtime/velomni" ]; then
    say "The menu of this disc cannot start: its player \"$runtime/velomni\" is missing."
    exit 1
fi
glibc=$(getconf GNU_LIBC_VERSION 2>/dev/null | sed -n 's/^glibc //p')
if [ -n "$needed_glibc" ] && ! at_least "${glibc:-0.0}" "$needed_glibc"; then
    say "The menu of this disc needs a Linux system with the GNU C library $needed_glibc or newer (for example Debian 12, Ubuntu 24.04 or Fedora 39 and later); this system has ${glibc:-another C library}."
    exit 1
fi

# Each variable changed here is named in VELOMNI_RUNTIME_VARIABLES, and a
# value it had is kept in VELOMNI_SAVED_<name>.
VELOMNI_RUNTIME_VARIABLES=
keep() {
    VELOMNI_RUNTIME_VARIABLES="$VELOMNI_RUNTIME_VARIABLES $1"
    if eval "[ -n \"\${$1+set}\" ]"; then
        eval "export VELOMNI_SAVED_$1=\"\$$1\""
    fi
}
use() { keep "$1"; export "$1=$2"; }
drop() { keep "$1"; unset "$1"; }

# Qt: the carried X11 platform (XWayland on a Wayland desktop), and none
# of the system's plug-ins, which belong to another Qt.
use QT_QPA_PLATFORM xcb
drop QT_PLUGIN_PATH
drop QT_QPA_PLATFORM_PLUGIN_PATH
drop QT_QPA_PLATFORMTHEME
# The browser engine's helper processes find the carried libraries here.
use LD_LIBRARY_PATH "$runtime/lib"
# GStreamer: the carried plug-ins only, scanned in the player's own
# process, with the registry in the user's cache (the disc is read-only).
cache="${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/velomni"
mkdir -p "$cache" 2>/dev/null || cache="${TMPDIR:-/tmp}"
use GST_PLUGIN_SYSTEM_PATH_1_0 "$runtime/gstreamer-1.0"
drop GST_PLUGIN_PATH_1_0
drop GST_PLUGIN_PATH
use GST_REGISTRY_1_0 "$cache/gstreamer-registry-@RUNTIME@.bin"
use GST_REGISTRY_FORK no
# The browser engine's sandbox needs user namespaces; where the system
# keeps them from ordinary programs, or for root, it runs without one.
if [ "$(cat /proc/sys/kernel/apparmor_restrict_unprivileged_userns 2>/dev/null)" = 1 ] \
    || [ "$(cat /proc/sys/kernel/unprivileged_userns_clone 2>/dev/null)" = 0 ] \
    || [ "$(cat /proc/sys/user/max_user_namespaces 2>/dev/null)" = 0 ] \
    || [ "$(id -u)" = 0 ]; then
    use QTWEBENGINE_DISABLE_SANDBOX 1
fi
export VELOMNI_RUNTIME_VARIABLES

exec "$runtime/velomni" "$@"
)sh";

} // namespace

QByteArray AutorunScript(const QString& glibc)
{
    QString text = QString::fromUtf8(kTemplate);
    const bool x86 = QSysInfo::buildCpuArchitecture() == QLatin1String("x86_64");
    text.replace(QLatin1String("@MACHINES@"), x86 ? QStringLiteral("x86_64|amd64") : QSysInfo::buildCpuArchitecture());
    text.replace(QLatin1String("@MACHINE_TEXT@"),
                 x86 ? QStringLiteral("64-bit x86 (x86-64)") : QSysInfo::buildCpuArchitecture());
    text.replace(QLatin1String("@RUNTIME@"), LinuxRuntimeFolderName());
    text.replace(QLatin1String("@GLIBC@"), glibc);
    return text.toUtf8();
}

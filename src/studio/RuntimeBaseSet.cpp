// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/RuntimeBaseSet.h"

#include <QRegularExpression>
#include <QString>

bool IsBaseSetLibrary(QByteArrayView soname)
{
    // By the name before ".so". The xcb utility libraries (icccm, image,
    // keysyms, render-util, cursor) and the X extension libraries that only
    // toolkits bring (Xcomposite, Xdamage, Xrandr, Xtst, Xcursor,
    // Xinerama) are not on every desktop: they are small and travel with
    // the runtime.
    static const QRegularExpression base(QStringLiteral(
        "^(?:"
        "ld-linux.*|libc|libm|libdl|libpthread|librt|libresolv|libutil|libanl|libmvec|libnss_.*|libBrokenLocale"
        "|libstdc\\+\\+|libgcc_s|libz"
        "|libX11|libX11-xcb|libXau|libXdmcp|libXext|libXrender|libXfixes|libXi|libXxf86vm|libxshmfence|libSM|libICE"
        "|libxkbcommon|libxkbcommon-x11"
        "|libxcb|libxcb-(?!icccm|image|keysyms|render-util|cursor|util|ewmh)[a-z0-9]+"
        "|libGL|libGLX|libGLdispatch|libOpenGL|libEGL|libGLESv2|libgbm|libdrm|libglapi"
        "|libfontconfig|libfreetype|libharfbuzz|libexpat|libpng16|libuuid"
        "|libglib-2\\.0|libgobject-2\\.0|libgio-2\\.0|libgmodule-2\\.0|libgthread-2\\.0"
        "|libdbus-1|libsystemd|libudev|libasound"
        ")\\.so(?:\\.[0-9]+)*$"));
    return base.match(QString::fromLatin1(soname)).hasMatch();
}

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Color.h"
#include "model/Cursor.h"
#include "model/Picture.h"

#include <QString>

// Window border styles, border icon bits, positions and picture styles.
enum : quint8 { bsNone = 0, bsSingle = 1, bsSizeable = 2 };
enum : quint8 { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum : quint8 { poScreenCenter = 0, poDesktopCenter = 1, poWorkAreaCenter = 2, poDesigned = 3 };
enum : quint8 { isNormal = 0, isCenter = 1, isStretch = 2, isTile = 3 };

// Gradient styles of the background and the backdrop.
enum GradientStyle : quint8 {
    gsNone = 0,
    gsTopBottom = 1,
    gsBottomTop = 2,
    gsLeftRight = 3,
    gsRightLeft = 4,
    gsMiddleTopBottom = 5,
    gsMiddleLeftRight = 6,
    gsTopBottomMiddle = 7,
    gsLeftRightMiddle = 8,
};
constexpr int kGradientStyleCount = 9;

// The window-level settings of a project, each with its default.
struct TProjectSettings {
    QString ApplicationTitle = QStringLiteral("Velomni CD");
    QString CDLabel = QStringLiteral("CDROM");
    QString FormCaption = QStringLiteral("Velomni");
    TPicture FormIcon; // empty: the program's own icon
    quint8 BorderStyle = bsSizeable;
    quint8 BorderIcons = biSystemMenu | biMinimize;
    TColor BackColor = clWhite;
    bool Transparent = false;
    TColor TransparentColor = clBlack;
    TCursor Cursor = crDefault;
    QString Hint;
    qint32 FormLeft = 0;
    qint32 FormTop = 0;
    quint8 FormPosition = poScreenCenter;
    quint8 GradientStyle = gsNone;
    TColor GradientColor = clGray;
    TPicture BackImage;
    quint8 BackImageStyle = isStretch;
    qint32 Width = 640;
    qint32 Height = 400;
    TPicture SplashScreenImage; // empty: no splash screen
    qint32 SplashScreenTime = 2; // seconds
    bool FullScreenBack = true;
    TColor FullScreenBackColor = clWhite;
    quint8 FullScreenBackGradientStyle = gsTopBottom;
    TColor FullScreenBackGradientColor = clBlue;
    TPicture FullScreenBackImage;
    quint8 FullScreenBackImageStyle = isStretch;
};

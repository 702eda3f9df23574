// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// A still picture of a local HTML page, drawn by Qt's own rich-text
// engine rather than the browser engine: the studio shows it on a web
// panel at design time, cheaply and without loading the web module. Text,
// tables, colours and pictures the page names by relative path show;
// scripts and style sheets beyond what rich text knows do not.

// Whether the file is one the preview draws: an existing file named
// .htm, .html, .xhtml or .shtml, no larger than kMaxHtmlPreviewBytes.
bool IsHtmlPreviewFile(const QString& path);
inline constexpr qint64 kMaxHtmlPreviewBytes = 4 * 1024 * 1024;

// The page at the given size on white paper, as its top would show in a
// browser; a null image when the file is not one IsHtmlPreviewFile takes
// or cannot be read.
QImage RenderHtmlPreview(const QString& path, QSize size);

// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class QUrl;
class QWidget;

// The browser views of the web panels come from a module the program
// carries inside itself and loads the first time a view is asked for, so
// the browser engine costs nothing until a web panel needs it. On Windows
// a view hosts the system's own browser control instead.

// A new browser view, a child of parent; null when the module cannot be
// loaded (the panel then keeps its plain face). The first call loads it.
QWidget* NewWebView(QWidget* parent);
// Opens an address in a view made by NewWebView.
void OpenWebView(QWidget* view, const QUrl& url);

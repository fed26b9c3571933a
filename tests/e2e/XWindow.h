#pragma once

#include <QImage>
#include <QString>

// What a window manager would do to a window, which bare Xvfb has none of.
namespace xwindow {

// The close box: the window is asked to close with WM_DELETE_WINDOW.
void Close(const QString& display, unsigned long window);

// The window's picture as it is on the screen.
QImage Grab(const QString& display, unsigned long window);

}  // namespace xwindow

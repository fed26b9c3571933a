#include "XWindow.h"

#include <memory>
#include <stdexcept>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace xwindow {
namespace {

using DisplayPtr = std::unique_ptr<Display, decltype(&XCloseDisplay)>;

DisplayPtr Open(const QString& display) {
  DisplayPtr opened(XOpenDisplay(display.toLocal8Bit().constData()), &XCloseDisplay);
  if (!opened) throw std::runtime_error("cannot open the display");
  return opened;
}

}  // namespace

void Close(const QString& display, unsigned long window) {
  DisplayPtr connection = Open(display);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(connection.get(), "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(connection.get(), "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(connection.get(), window, False, NoEventMask, &event);
  XFlush(connection.get());
}

QImage Grab(const QString& display, unsigned long window) {
  DisplayPtr connection = Open(display);
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(connection.get(), window, &attributes) == 0) throw std::runtime_error("no such window");
  XImage* picture = XGetImage(connection.get(), window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (picture == nullptr) throw std::runtime_error("cannot read the window");
  QImage image(attributes.width, attributes.height, QImage::Format_RGB32);
  for (int y = 0; y < attributes.height; ++y) {
    for (int x = 0; x < attributes.width; ++x) {
      image.setPixel(x, y, static_cast<QRgb>(XGetPixel(picture, x, y)));
    }
  }
  XDestroyImage(picture);
  return image;
}

}  // namespace xwindow

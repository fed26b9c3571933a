// The start-up: the application object, the main window over the current
// user's registry, the message loop, and the display of an error that
// escapes them.
#include <iostream>

#include "application/Application.h"
#include "store/wine/Prefix.h"
#include "store/wine/WineUserRegistry.h"
#include "window/DIALOG.h"

namespace {

// Windows passes the instance, the previous instance, the command line and
// the show command; the program ignores all four. It always returns 0.
int WinMain() {
  if (!TApplication::DisplayGiven()) {
    std::cerr << "TAVRINE: no display to show the window on: DISPLAY and WAYLAND_DISPLAY are unset\n";
    return 0;
  }
  TApplication application;
  try {
    store::wine::WineUserRegistry currentUser(store::wine::CurrentUserRegistryPath());
    TForm1 Form1(nullptr, currentUser);
    Form1.show();
    TApplication::exec();
  } catch (const framework::Exception& error) {
    application.ShowException(error);
  }
  return 0;
}

}  // namespace

int main() { return WinMain(); }

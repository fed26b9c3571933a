#pragma once

#include <optional>

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "framework/Exception.h"

// The framework's application object: it owns the message loop, shows every
// error of the framework's class that leaves an event handler and goes on,
// and provides the message box and the title.
class TApplication : public QApplication {
 public:
  // Qt is given no command line: the program takes none.
  TApplication();

  static TApplication& Instance();

  // Whether a window system can be reached at all; without one Qt aborts.
  static bool DisplayGiven();

  // The executable's file name without directory and without anything from
  // its first full stop on, every character after the first in lower case.
  static QString TitleFor(const QString& executablePath);
  QString Title() const;

  // A box with the text as plain text and one OK button, modal to `owner`
  // (to the whole application when null); returns once it is closed.
  void MessageBox(QWidget* owner, const QString& text, const QString& caption,
                  QMessageBox::Icon icon);

  // The error box: the message and a full stop, under the title.
  void ShowException(const framework::Exception& error);

  // Runs `handler`; an error of the framework's class that leaves it is
  // shown, and the caller goes on.
  template <typename Handler>
  void HandleErrorsOf(Handler&& handler) {
    std::optional<framework::Exception> error;
    try {
      handler();
    } catch (const framework::Exception& caught) {
      error = caught;
    }
    // Shown outside the catch block: the box runs an event loop of its own,
    // whose handlers may raise and catch errors of their own meanwhile.
    if (error) ShowException(*error);
  }

  bool notify(QObject* receiver, QEvent* event) override;
};

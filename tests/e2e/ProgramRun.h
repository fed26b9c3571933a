#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The real TAVRINE on a display and a prefix, and the X input a user gives
// it through xdotool.
class ProgramRun {
 public:
  // The program under test: the one built here, or an installed one named
  // by TAVRINE_BINARY.
  static QString Binary();

  ProgramRun(const QString& display, const QString& prefix);
  ~ProgramRun();

  // Waits until a window of exactly this title is shown; returns its id.
  unsigned long WaitForWindow(const QString& title);
  bool IsShown(const QString& title);

  // Clicks at a point of the window's client area, Ctrl held if asked.
  void Click(unsigned long window, int x, int y, bool ctrl = false);
  void Key(const QString& key);

  // Waits for the program to end; its exit code, -1 when it crashed.
  int WaitForExit();

 private:
  QString Xdotool(const QStringList& arguments, int* exitCode = nullptr) const;

  QString display_;
  QProcess program_;
};

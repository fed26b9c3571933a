#pragma once

#include <QProcess>
#include <QString>

// An Xvfb server of this process's own on a free display number, up and
// answering once constructed.
class VirtualDisplay {
 public:
  VirtualDisplay();
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  const QString& Name() const { return name_; }

 private:
  bool Answers() const;

  QProcess server_;
  QString name_;
};

// The display of the test that runs in this process.
extern VirtualDisplay* TheDisplay;

#include "VirtualDisplay.h"

#include <stdexcept>

#include <QFile>
#include <QProcessEnvironment>

#include <unistd.h>

VirtualDisplay::VirtualDisplay() {
  // Tests run side by side: start at a number of our own, and on a clash
  // (the server leaves at once) take the next.
  const int first = 100 + static_cast<int>(getpid() % 400);
  for (int number = first; number < first + 50; ++number) {
    if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number))) continue;
    name_ = QStringLiteral(":%1").arg(number);
    // Without -noreset the server resets when its last client leaves, and
    // a program connecting in that moment fails.
    server_.start(QStringLiteral("Xvfb"), {name_, QStringLiteral("-screen"), QStringLiteral("0"),
                                           QStringLiteral("1024x768x24"), QStringLiteral("-noreset"),
                                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server_.waitForStarted()) throw std::runtime_error("Xvfb cannot be started");
    for (int probe = 0; probe < 200; ++probe) {
      if (Answers()) return;
      if (server_.waitForFinished(50)) break;
    }
    server_.kill();
    server_.waitForFinished();
  }
  throw std::runtime_error("no free display for Xvfb");
}

VirtualDisplay::~VirtualDisplay() {
  server_.terminate();
  server_.waitForFinished();
}

bool VirtualDisplay::Answers() const {
  QProcess probe;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DISPLAY"), name_);
  probe.setProcessEnvironment(environment);
  probe.start(QStringLiteral("xdotool"), {QStringLiteral("getdisplaygeometry")});
  return probe.waitForFinished() && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
}

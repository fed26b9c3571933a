#include "ProgramRun.h"

#include <stdexcept>

#include <QProcessEnvironment>

QString ProgramRun::Binary() {
  return qEnvironmentVariable("TAVRINE_BINARY", QStringLiteral(TAVRINE_BINARY));
}

ProgramRun::ProgramRun(const QString& display, const QString& prefix) : display_(display) {
  // Nothing of the test's own environment reaches the program but what it
  // needs; home and runtime folder are the scratch prefix.
  QProcessEnvironment environment;
  environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
  environment.insert(QStringLiteral("DISPLAY"), display);
  environment.insert(QStringLiteral("WINEPREFIX"), prefix);
  environment.insert(QStringLiteral("HOME"), prefix);
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), prefix);
  if (qEnvironmentVariableIsSet("ASAN_OPTIONS")) {
    environment.insert(QStringLiteral("ASAN_OPTIONS"), qEnvironmentVariable("ASAN_OPTIONS"));
  }
  program_.setProcessEnvironment(environment);
  program_.setProcessChannelMode(QProcess::ForwardedChannels);
  program_.start(Binary(), {});
  if (!program_.waitForStarted()) throw std::runtime_error("TAVRINE cannot be started");
}

ProgramRun::~ProgramRun() {
  if (program_.state() != QProcess::NotRunning) {
    program_.kill();
    program_.waitForFinished();
  }
}

QString ProgramRun::Xdotool(const QStringList& arguments, int* exitCode) const {
  QProcess xdotool;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DISPLAY"), display_);
  xdotool.setProcessEnvironment(environment);
  xdotool.start(QStringLiteral("xdotool"), arguments);
  if (!xdotool.waitForFinished(60000)) throw std::runtime_error("xdotool did not finish");
  if (exitCode != nullptr) {
    *exitCode = xdotool.exitCode();
  } else if (xdotool.exitCode() != 0) {
    throw std::runtime_error("xdotool failed: " + arguments.join(' ').toStdString());
  }
  return QString::fromLocal8Bit(xdotool.readAllStandardOutput()).trimmed();
}

unsigned long ProgramRun::WaitForWindow(const QString& title) {
  // A loose pattern would also find Qt's hidden helper windows.
  const QString found = Xdotool({"search", "--sync", "--onlyvisible", "--name", '^' + title + '$'});
  return found.section(QLatin1Char('\n'), 0, 0).toULong();
}

bool ProgramRun::IsShown(const QString& title) {
  int exitCode = 0;
  Xdotool({"search", "--onlyvisible", "--name", '^' + title + '$'}, &exitCode);
  return exitCode == 0;
}

void ProgramRun::Click(unsigned long window, int x, int y, bool ctrl) {
  QStringList arguments{"mousemove", "--window", QString::number(window), QString::number(x),
                        QString::number(y)};
  if (ctrl) arguments << "keydown" << "ctrl";
  arguments << "click" << "1";
  if (ctrl) arguments << "keyup" << "ctrl";
  Xdotool(arguments);
}

void ProgramRun::Key(const QString& key) { Xdotool({"key", key}); }

int ProgramRun::WaitForExit() {
  if (!program_.waitForFinished(60000)) return -1;
  return program_.exitStatus() == QProcess::NormalExit ? program_.exitCode() : -1;
}

#include <cstring>

#include <gtest/gtest.h>
#include <QtGlobal>

#include "application/Application.h"

namespace {

// A handler the description names but TForm1 lacks is only a warning at run
// time; here it fails the test that creates the window.
void FailOnBrokenConnections(QtMsgType type, const QMessageLogContext&, const QString& message) {
  const QByteArray text = message.toLocal8Bit();
  if (type != QtDebugMsg && message.startsWith(QLatin1String("QObject::connect"))) {
    ADD_FAILURE() << text.constData();
  }
  std::fprintf(stderr, "%s\n", text.constData());
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(FailOnBrokenConnections);
  // The application class itself, so that its error display is in the loop.
  TApplication application;
  return RUN_ALL_TESTS();
}

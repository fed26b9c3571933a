#include "application/Application.h"

#include <cstdlib>

#include <QFileInfo>
#include <QFont>

#include "application/PlainStyle.h"

namespace {

// QApplication keeps references to these for its whole life.
int& ArgumentCount() {
  static int count = 1;
  return count;
}

char** Arguments() {
  static char name[] = "TAVRINE";
  static char* arguments[] = {name, nullptr};
  return arguments;
}

bool Given(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

}  // namespace

TApplication::TApplication() : QApplication(ArgumentCount(), Arguments()) {
  setStyle(new PlainStyle);
  // No MS font exists here, and fontconfig would answer the Japanese family
  // names with a Latin font; these are the installed Japanese equivalents.
  QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
  QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(QStringLiteral("System"), QStringLiteral("IPAGothic"));
}

TApplication& TApplication::Instance() { return *static_cast<TApplication*>(instance()); }

bool TApplication::DisplayGiven() {
  return Given("QT_QPA_PLATFORM") || Given("DISPLAY") || Given("WAYLAND_DISPLAY");
}

QString TApplication::TitleFor(const QString& executablePath) {
  const QString name = QFileInfo(executablePath).fileName().section(QLatin1Char('.'), 0, 0);
  return name.left(1) + name.mid(1).toLower();
}

QString TApplication::Title() const { return TitleFor(applicationFilePath()); }

void TApplication::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                              QMessageBox::Icon icon) {
  QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void TApplication::ShowException(const framework::Exception& error) {
  MessageBox(nullptr, QString::fromStdString(error.Message()) + QLatin1Char('.'), Title(),
             QMessageBox::Critical);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  HandleErrorsOf([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

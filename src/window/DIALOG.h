#pragma once

#include <memory>

#include <QDialog>

#include "history/HistoryEntries.h"
#include "store/RegistryStore.h"

namespace Ui {
class TForm1;
}

// The main window: the history list with OK, Cansel and Help. Creating it
// lists the history of `currentUser`; OK deletes the selected entries.
class TForm1 : public QDialog {
  Q_OBJECT

 public:
  TForm1(QWidget* owner, store::RegistryStore& currentUser);
  ~TForm1() override;

 public slots:
  void Button1Click();
  void Button2Click();
  void Button3Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SetWhatTheDescriptionCannotHold();
  void FormCreate();

  // The controls Button1, Button2, ListBox1 and Button3, as described.
  std::unique_ptr<Ui::TForm1> ui_;
  store::RegistryStore& currentUser_;
  history::WindowState state_;
};

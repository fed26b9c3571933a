#pragma once

#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "QtPrinting.h"

// What a message box showed, read while it was open.
struct SeenBox {
  QString caption;
  QString text;
  Qt::TextFormat format = Qt::AutoText;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  bool buttonsHaveIcons = false;
  QWidget* owner = nullptr;
  int otherVisibleWindows = 0;
};

// Runs `action` and answers every message box it opens with its OK button,
// returning what each box showed. The boxes are modal and run their own
// loops, so they are read from a timer that fires inside those loops.
template <typename Action>
std::vector<SeenBox> BoxesDuring(Action action) {
  std::vector<SeenBox> seen;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    SeenBox& s = seen.emplace_back();
    s.caption = box->windowTitle();
    s.text = box->text();
    s.format = box->textFormat();
    s.icon = box->icon();
    s.owner = box->parentWidget();
    for (QAbstractButton* button : box->buttons()) {
      s.buttons << button->text();
      s.buttonsHaveIcons = s.buttonsHaveIcons || !button->icon().isNull();
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window != box && window->isVisible()) ++s.otherVisibleWindows;
    }
    box->button(QMessageBox::Ok)->click();
  });
  timer.start(0);
  action();
  return seen;
}

#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

#include "MemoryStore.h"
#include "QtPrinting.h"
#include "history/HistoryEntries.h"
#include "window/DIALOG.h"
#include "window/ListBox.h"

// A history of `count` entries URL_1.. in a memory registry, and the main
// window over it, shown and active as after start-up.
struct FormHarness {
  explicit FormHarness(int count = 9) {
    for (int i = 1; i <= count; ++i) {
      store.SetString(history::kHistoryKey, "URL_" + std::to_string(i),
                      "http://host" + std::to_string(i) + "/");
    }
  }

  TForm1& Show() {
    form = std::make_unique<TForm1>(nullptr, store);
    form->show();
    form->activateWindow();
    QApplication::processEvents();
    return *form;
  }

  QPushButton* Button(const char* name) const { return form->findChild<QPushButton*>(name); }
  TListBox* List() const { return form->findChild<TListBox*>("ListBox1"); }

  std::vector<std::string> Names() const { return store.Names(history::kHistoryKey); }

  testing_support::MemoryStore store;
  std::unique_ptr<TForm1> form;
};

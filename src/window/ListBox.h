#pragma once

#include <QListWidget>

#include "history/HistoryLines.h"

// The list box of the main window: a list of text lines of one fixed height
// with Windows' extended selection, holding the history lines.
class TListBox : public QListWidget, public history::HistoryLines {
  Q_OBJECT

 public:
  explicit TListBox(QWidget* parent = nullptr);

  void SetItemHeight(int height);
  // Shrinks the list to the whole lines that fit into its height, as
  // Windows' IntegralHeight does, so that no line is ever cut off.
  void ShowWholeLinesOnly();

  void AddLine(const std::string& line) override;
  std::size_t LineCount() const override;
  bool IsLineSelected(std::size_t index) const override;

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;

 private:
  int itemHeight_ = 0;
};

#include "window/ListBox.h"

#include <QGuiApplication>
#include <QInputEvent>

#include "framework/Exception.h"

TListBox::TListBox(QWidget* parent) : QListWidget(parent) {}

void TListBox::SetItemHeight(int height) { itemHeight_ = height; }

void TListBox::ShowWholeLinesOnly() {
  const int frame = 2 * frameWidth();
  const int lines = (height() - frame) / itemHeight_;
  resize(width(), frame + lines * itemHeight_);
}

void TListBox::AddLine(const std::string& line) {
  auto* item = new QListWidgetItem(QString::fromStdString(line), this);
  // The width is the view's: in a one-column list every line spans it.
  item->setSizeHint(QSize(0, itemHeight_));
}

std::size_t TListBox::LineCount() const { return static_cast<std::size_t>(count()); }

bool TListBox::IsLineSelected(std::size_t index) const {
  if (index >= LineCount()) {
    throw framework::ListIndexError(std::string(framework::kListIndexMessage));
  }
  return item(static_cast<int>(index))->isSelected();
}

QItemSelectionModel::SelectionFlags TListBox::selectionCommand(const QModelIndex& index,
                                                               const QEvent* event) const {
  const auto command = QListWidget::selectionCommand(index, event);
  // Qt extends a Shift range on top of the lines picked before with Ctrl;
  // Windows starts over with just the range unless Ctrl is held as well.
  const auto* input = dynamic_cast<const QInputEvent*>(event);
  const auto modifiers = input != nullptr ? input->modifiers() : QGuiApplication::keyboardModifiers();
  if (command.testFlag(QItemSelectionModel::Current) && !modifiers.testFlag(Qt::ControlModifier)) {
    return command | QItemSelectionModel::Clear;
  }
  return command;
}

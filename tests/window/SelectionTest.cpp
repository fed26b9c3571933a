#include <set>

#include <QTest>

#include <gtest/gtest.h>

#include "FormHarness.h"
#include "framework/Exception.h"

namespace {

struct Click {
  Qt::KeyboardModifiers modifiers;
  int line;  // counted from 1, as shown
};

struct SelectionCase {
  const char* name;
  std::vector<Click> clicks;
  std::set<std::size_t> selected;  // line indexes, counted from 0
};

const Qt::KeyboardModifiers kPlain = Qt::NoModifier;
const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
const Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
const Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

TEST(Selection, FollowsWindowsExtendedSelection) {
  const SelectionCase cases[] = {
      {"a click selects one line", {{kPlain, 3}}, {2}},
      {"a click clears the others", {{kPlain, 1}, {kCtrl, 2}, {kPlain, 5}}, {4}},
      {"Ctrl+click adds a line", {{kPlain, 1}, {kCtrl, 4}}, {0, 3}},
      {"Ctrl+click removes a line", {{kPlain, 1}, {kCtrl, 4}, {kCtrl, 1}}, {3}},
      {"Shift+click selects a range", {{kPlain, 2}, {kShift, 5}}, {1, 2, 3, 4}},
      {"Shift+click selects a range upwards", {{kPlain, 5}, {kShift, 2}}, {1, 2, 3, 4}},
      {"Shift+click drops the Ctrl-picked lines", {{kPlain, 1}, {kCtrl, 4}, {kShift, 6}}, {3, 4, 5}},
      {"a second Shift+click moves the range's end", {{kPlain, 3}, {kShift, 6}, {kShift, 4}}, {2, 3}},
      {"Ctrl+Shift+click adds a range", {{kPlain, 1}, {kCtrl, 4}, {kCtrlShift, 6}}, {0, 3, 4, 5}},
  };
  for (const SelectionCase& c : cases) {
    SCOPED_TRACE(c.name);
    FormHarness harness;
    harness.Show();
    TListBox* list = harness.List();
    for (const Click& click : c.clicks) {
      const QPoint at = list->visualItemRect(list->item(click.line - 1)).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, click.modifiers, at);
    }
    std::set<std::size_t> selected;
    for (std::size_t i = 0; i < list->LineCount(); ++i) {
      if (list->IsLineSelected(i)) selected.insert(i);
    }
    EXPECT_EQ(selected, c.selected);
    EXPECT_EQ(QApplication::focusWidget(), list);
  }
}

TEST(Selection, AskingForALineBeyondTheListIsAListIndexError) {
  FormHarness harness(2);
  harness.Show();
  const TListBox* list = harness.List();
  ASSERT_EQ(list->LineCount(), 2u);
  EXPECT_THROW(list->IsLineSelected(2), framework::ListIndexError);
}

}  // namespace

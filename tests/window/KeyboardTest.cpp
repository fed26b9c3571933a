#include <QTest>

#include <gtest/gtest.h>

#include "FormHarness.h"
#include "ModalBoxes.h"

namespace {

// Line 2 (URL_2) is selected, then the focus is put on `focused`.
void SelectLine2AndFocus(FormHarness& harness, const char* focused) {
  TListBox* list = harness.List();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  if (std::string(focused) != "ListBox1") harness.form->findChild<QWidget*>(focused)->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(QApplication::focusWidget()->objectName(), focused);
}

enum class Outcome { Purged, ClosedUnchanged, HelpShown, Nothing };

struct KeyCase {
  const char* focused;
  Qt::Key key;
  const char* keyName;
  Outcome outcome;
};

TEST(Keyboard, EnterClicksTheFocusedButtonOrOkAndEscapeDoesNothing) {
  const KeyCase cases[] = {
      {"Button1", Qt::Key_Return, "Return", Outcome::Purged},
      {"Button2", Qt::Key_Return, "Return", Outcome::ClosedUnchanged},
      {"Button3", Qt::Key_Return, "Return", Outcome::HelpShown},
      {"ListBox1", Qt::Key_Return, "Return", Outcome::Purged},
      {"ListBox1", Qt::Key_Enter, "Enter", Outcome::Purged},
      {"Button1", Qt::Key_Escape, "Escape", Outcome::Nothing},
      {"Button2", Qt::Key_Escape, "Escape", Outcome::Nothing},
      {"Button3", Qt::Key_Escape, "Escape", Outcome::Nothing},
      {"ListBox1", Qt::Key_Escape, "Escape", Outcome::Nothing},
  };
  const std::vector<std::string> all = {"URL_1", "URL_2", "URL_3"};
  const std::vector<std::string> purged = {"URL_1", "URL_3"};
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.focused << " " << c.keyName);
    FormHarness harness(3);
    harness.Show();
    SelectLine2AndFocus(harness, c.focused);
    const auto boxes = BoxesDuring([&] { QTest::keyClick(QApplication::focusWidget(), c.key); });

    EXPECT_EQ(harness.form->isVisible(), c.outcome == Outcome::HelpShown || c.outcome == Outcome::Nothing);
    EXPECT_EQ(harness.Names(), c.outcome == Outcome::Purged ? purged : all);
    ASSERT_EQ(boxes.size(), c.outcome == Outcome::HelpShown ? 1u : 0u);
    if (!boxes.empty()) {
      EXPECT_EQ(boxes[0].caption, "TAVRINC Ver 0.01");
    }
  }
}

struct TabCase {
  const char* from;
  Qt::Key key;
  const char* to;
};

const char* NameOf(Qt::Key key) { return key == Qt::Key_Tab ? "Tab" : "Shift+Tab"; }

TEST(Keyboard, TabGoesOkCanselHelpAndSkipsTheListUnlessClicked) {
  const TabCase cases[] = {
      {"Button1", Qt::Key_Tab, "Button2"},     {"Button2", Qt::Key_Tab, "Button3"},
      {"Button3", Qt::Key_Tab, "Button1"},     {"Button1", Qt::Key_Backtab, "Button3"},
      {"Button3", Qt::Key_Backtab, "Button2"}, {"Button2", Qt::Key_Backtab, "Button1"},
      {"ListBox1", Qt::Key_Tab, "Button3"},    {"ListBox1", Qt::Key_Backtab, "Button2"},
  };
  for (const TabCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " " << NameOf(c.key));
    FormHarness harness(3);
    harness.Show();
    SelectLine2AndFocus(harness, c.from);
    QTest::keyClick(QApplication::focusWidget(), c.key);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), c.to);
  }
}

TEST(Keyboard, FormStartsWithTheFocusOnOk) {
  FormHarness harness;
  harness.Show();
  EXPECT_EQ(QApplication::focusWidget(), harness.Button("Button1"));
}

}  // namespace

#include <functional>

#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include "FormHarness.h"

namespace {

using Names = std::vector<std::string>;

struct CloseCase {
  const char* name;
  std::function<void(FormHarness&)> close;
  bool purged;
};

// Each way of closing the window has to end the message loop, which is what
// ends the program.
TEST(Closing, EveryWayOfClosingEndsTheLoop) {
  const CloseCase cases[] = {
      {"OK", [](FormHarness& h) { QTest::mouseClick(h.Button("Button1"), Qt::LeftButton); }, true},
      {"Cansel", [](FormHarness& h) { QTest::mouseClick(h.Button("Button2"), Qt::LeftButton); }, false},
      {"the close box", [](FormHarness& h) { h.form->windowHandle()->close(); }, false},
  };
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(c.name);
    FormHarness harness(2);
    harness.Show();
    harness.List()->item(0)->setSelected(true);
    QTimer::singleShot(0, harness.form.get(), [&] { c.close(harness); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(harness.form->isVisible());
    const std::vector<std::string> left = c.purged ? Names{"URL_2"} : Names{"URL_1", "URL_2"};
    EXPECT_EQ(harness.Names(), left);
  }
}

}  // namespace

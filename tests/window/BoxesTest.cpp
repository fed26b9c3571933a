#include <QTest>

#include <gtest/gtest.h>

#include "FormHarness.h"
#include "ModalBoxes.h"

namespace {

// The title the rule gives for the executable of these tests, window_tests.
const QString kTitle = QStringLiteral("window_tests");

TEST(HelpBox, ShowsTheUsageTextPlainlyAndKeepsTheSelection) {
  const QString usage = QStringLiteral(
      "Netscape Navigatorのlocation listに表示される閲覧履歴を消します。\n"
      "消去したいＵＲＬを選んで（複数可）ＯＫボタンを押してください。\n"
      "\n"
      "注意\n"
      "　１）本ソフトはwin95用Netscape Navigator Ver3 用です。\n"
      "　２）ブラウザを終了してから使ってください。\n"
      "\n"
      "     TAVRINE Ver 0.01 in 1997.05.25\n"
      "       ");
  FormHarness harness(4);
  TForm1& form = harness.Show();
  TListBox* list = harness.List();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    list->visualItemRect(list->item(3)).center());

  for (int time = 0; time < 2; ++time) {
    SCOPED_TRACE(time);
    const auto boxes = BoxesDuring([&] { QTest::mouseClick(harness.Button("Button3"), Qt::LeftButton); });
    ASSERT_EQ(boxes.size(), 1u);
    const SeenBox& box = boxes[0];
    EXPECT_EQ(box.caption, "TAVRINC Ver 0.01");
    EXPECT_TRUE(box.text.startsWith(usage)) << box.text.toStdString();
    EXPECT_FALSE(box.text.mid(usage.size()).contains(QLatin1Char('\n')));
    EXPECT_FALSE(box.text.mid(usage.size()).trimmed().isEmpty());
    EXPECT_EQ(box.format, Qt::PlainText);
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QStringList{"OK"});
    EXPECT_FALSE(box.buttonsHaveIcons);
    EXPECT_EQ(box.owner, &form);

    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(list->IsLineSelected(0));
    EXPECT_TRUE(list->IsLineSelected(1));
    EXPECT_FALSE(list->IsLineSelected(2));
    EXPECT_TRUE(list->IsLineSelected(3));
  }
}

void ExpectErrorBox(const SeenBox& box, const QString& text) {
  EXPECT_EQ(box.caption, kTitle);
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.format, Qt::PlainText);
  EXPECT_EQ(box.icon, QMessageBox::Critical);
  EXPECT_EQ(box.buttons, QStringList{"OK"});
  EXPECT_FALSE(box.buttonsHaveIcons);
}

struct ListingErrorCase {
  const char* name;
  const char* valueName;
  store::Value value;
  const char* text;
  int linesListed;
};

TEST(ErrorBox, ListingErrorIsShownBeforeTheWindowWhichKeepsTheLinesListedSoFar) {
  const ListingErrorCase cases[] = {
      {"value of the wrong type", "URL_3", {store::kRegDword, {1, 0, 0, 0}},
       "'URL_3' のﾃﾞｰﾀ型が不正です.", 2},
      {"name without a number", "URL_x", testing_support::StringValue("http://x/"),
       "'x' は整数ではありません.", 0},
  };
  for (const ListingErrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    FormHarness harness(4);
    harness.store.SetValue(history::kHistoryKey, c.valueName, c.value);
    const auto boxes = BoxesDuring([&] { harness.Show(); });
    ASSERT_EQ(boxes.size(), 1u);
    ExpectErrorBox(boxes[0], QString::fromUtf8(c.text));
    EXPECT_EQ(boxes[0].otherVisibleWindows, 0);
    EXPECT_TRUE(harness.form->isVisible());
    EXPECT_EQ(harness.List()->count(), c.linesListed);
  }
}

// A registry whose changes cannot be saved, as with a full disk.
class UnsavableStore : public testing_support::MemoryStore {
 public:
  void CloseKey(Key key) override {
    MemoryStore::CloseKey(key);
    if (failing) throw store::StoreError("user.reg を保存できません.");
  }
  bool failing = false;
};

TEST(ErrorBox, HandlerErrorIsShownAndTheWindowStaysOpen) {
  UnsavableStore unsavable;
  unsavable.SetString(history::kHistoryKey, "URL_1", "http://a/");
  TForm1 form(nullptr, unsavable);
  form.show();
  auto* list = form.findChild<TListBox*>("ListBox1");
  list->item(0)->setSelected(true);
  unsavable.failing = true;

  const auto boxes = BoxesDuring([&] { QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton); });
  ASSERT_EQ(boxes.size(), 1u);
  // The full stop is added also to a message that has one.
  ExpectErrorBox(boxes[0], QStringLiteral("user.reg を保存できません.."));
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(list->IsLineSelected(0));
}

}  // namespace

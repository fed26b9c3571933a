#include <QFontInfo>
#include <QImage>
#include <QScreen>

#include <gtest/gtest.h>

#include "FormHarness.h"

namespace {

TEST(Form, IsAFixedWindowWithTheOriginalCaptionAndColour) {
  FormHarness harness;
  TForm1& form = harness.Show();

  EXPECT_EQ(form.objectName(), "Form1");
  EXPECT_EQ(form.windowTitle(), "AVRINE");
  EXPECT_EQ(form.size(), QSize(403, 258));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0, 128, 255));
  EXPECT_EQ(form.palette().color(QPalette::WindowText), QColor(Qt::black));

  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
}

TEST(Form, IsCentredOnTheScreenWhenShown) {
  FormHarness harness;
  TForm1& form = harness.Show();
  const QRect screen = form.screen()->availableGeometry();
  EXPECT_LE((form.geometry().center() - screen.center()).manhattanLength(), 1);
}

struct ControlCase {
  const char* name;
  QRect geometry;
  const char* text;
};

TEST(Form, PlacesTheButtonsAsDescribed) {
  const ControlCase cases[] = {
      {"Button1", {296, 216, 97, 25}, "OK"},
      {"Button2", {184, 216, 97, 25}, "Cansel"},
      {"Button3", {24, 216, 73, 25}, "Help"},
  };
  FormHarness harness;
  harness.Show();
  for (const ControlCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QPushButton* button = harness.Button(c.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), c.geometry);
    EXPECT_EQ(button->text(), c.text);
    EXPECT_EQ(button->isDefault(), c.name == std::string("Button1"));
  }
}

TEST(Form, ListShowsWholeLinesOf22PixelsWithinItsPlace) {
  FormHarness harness;
  harness.Show();
  const TListBox* list = harness.List();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->pos(), QPoint(8, 16));
  EXPECT_EQ(list->width(), 385);
  EXPECT_LE(list->height(), 180);
  EXPECT_GT(list->height(), 180 - 22);
  EXPECT_EQ((list->viewport()->height()) % 22, 0);
  EXPECT_EQ(list->visualItemRect(list->item(0)).height(), 22);
  EXPECT_EQ(list->visualItemRect(list->item(0)).width(), list->viewport()->width());
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(list->focusPolicy(), Qt::ClickFocus);
}

struct FontCase {
  const char* widget;
  const char* family;
  const char* installedFamily;
  int pixelSize;
  bool bold;
};

TEST(Form, FontsKeepTheirNamesAndReachInstalledJapaneseFonts) {
  const FontCase cases[] = {
      {"Form1", "ＭＳ ゴシック", "IPAGothic", 20, false},
      {"ListBox1", "System", "IPAGothic", 20, false},
      {"Button1", "ＭＳ Ｐゴシック", "IPAPGothic", 17, true},
      {"Button2", "ＭＳ Ｐゴシック", "IPAPGothic", 17, true},
      {"Button3", "ＭＳ Ｐゴシック", "IPAPGothic", 17, true},
  };
  FormHarness harness;
  TForm1& form = harness.Show();
  for (const FontCase& c : cases) {
    SCOPED_TRACE(c.widget);
    const QWidget* widget = form.objectName() == c.widget ? &form : form.findChild<QWidget*>(c.widget);
    ASSERT_NE(widget, nullptr);
    const QFont font = widget->font();
    EXPECT_EQ(font.family(), QString::fromUtf8(c.family));
    EXPECT_EQ(font.pixelSize(), c.pixelSize);
    EXPECT_EQ(font.bold(), c.bold);
    EXPECT_EQ(QFontInfo(font).family(), c.installedFamily);
  }
}

TEST(Form, IconHoldsA32AndA16PixelImageOf16Colours) {
  FormHarness harness;
  const QList<QSize> sizes = harness.Show().windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  for (const char* path : {":/MAINICON/32.xpm", ":/MAINICON/16.xpm"}) {
    SCOPED_TRACE(path);
    const QImage image(QString::fromLatin1(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_LE(image.colorCount(), 16 + 1);  // plus the transparent colour
  }
}

}  // namespace

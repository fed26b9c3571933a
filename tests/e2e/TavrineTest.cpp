#include <functional>

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include "Prefix.h"
#include "ProgramRun.h"
#include "VirtualDisplay.h"
#include "XWindow.h"

namespace {

using Lines = std::vector<std::string>;

const QString kWindow = QStringLiteral("AVRINE");

const Lines kHistory = {
    R"("URL_1"="http://www.example.com/page1.html")",
    R"("URL_2"="http://www.example.com/page2.html")",
    R"("URL_3"="http://www.example.com/page3.html")",
    R"("URL_4"="http://www.example.com/page4.html")",
    R"("URL_5"="http://www.example.com/five")",
};

// Client coordinates of the list's lines (counted from 1) and the buttons.
int LineY(int line) { return 16 + 2 + 22 * (line - 1) + 11; }
constexpr int kLineX = 120;
constexpr int kOkX = 296 + 48, kCanselX = 184 + 48, kButtonY = 216 + 12;

TEST(Tavrine, DeletesTheClickedLinesOnEnterAndExitsWithZero) {
  Prefix prefix(kHistory);
  ProgramRun run(TheDisplay->Name(), prefix.Path());
  const unsigned long window = run.WaitForWindow(kWindow);
  run.Click(window, kLineX, LineY(2));
  run.Click(window, kLineX, LineY(4), true);
  run.Key(QStringLiteral("Return"));

  EXPECT_EQ(run.WaitForExit(), 0);
  EXPECT_EQ(WithStampsOf(prefix.Written(), prefix.Lines()), prefix.WrittenWithout({kHistory[1], kHistory[3]}));
}

TEST(Tavrine, ShowsTheWindowInItsColourAndSize) {
  Prefix prefix(kHistory);
  ProgramRun run(TheDisplay->Name(), prefix.Path());
  const unsigned long window = run.WaitForWindow(kWindow);
  run.Click(window, kLineX, LineY(3));
  const QImage picture = xwindow::Grab(TheDisplay->Name(), window);
  // Kept for the README.
  picture.save(QStringLiteral(SCREENSHOT_PATH));

  EXPECT_EQ(picture.size(), QSize(403, 258));
  EXPECT_EQ(QColor(picture.pixel(4, 4)), QColor(0, 128, 255));
  EXPECT_EQ(QColor(picture.pixel(200, 250)), QColor(0, 128, 255));
  run.Click(window, kCanselX, kButtonY);
  EXPECT_EQ(run.WaitForExit(), 0);
}

struct LeaveCase {
  const char* name;
  std::function<void(ProgramRun&, unsigned long)> leave;
};

TEST(Tavrine, CanselAndTheCloseBoxLeaveTheFileAsItWas) {
  const LeaveCase cases[] = {
      {"Cansel", [](ProgramRun& run, unsigned long w) { run.Click(w, kCanselX, kButtonY); }},
      {"the close box", [](ProgramRun&, unsigned long w) { xwindow::Close(TheDisplay->Name(), w); }},
  };
  for (const LeaveCase& c : cases) {
    SCOPED_TRACE(c.name);
    Prefix prefix(kHistory);
    ProgramRun run(TheDisplay->Name(), prefix.Path());
    const unsigned long window = run.WaitForWindow(kWindow);
    run.Click(window, kLineX, LineY(1));
    run.Click(window, kLineX, LineY(5), true);
    c.leave(run, window);
    EXPECT_EQ(run.WaitForExit(), 0);
    EXPECT_EQ(prefix.Lines(), prefix.Written());
  }
}

TEST(Tavrine, ValueOfTheWrongTypeShowsAnErrorFirstAndTheLinesBeforeItCanBePurged) {
  Lines history = kHistory;
  history[2] = R"("URL_3"=dword:00000003)";
  Prefix prefix(history);
  ProgramRun run(TheDisplay->Name(), prefix.Path());

  // The error box, under the title the rule makes of the executable's name.
  run.WaitForWindow(QStringLiteral("Tavrine"));
  EXPECT_FALSE(run.IsShown(kWindow));
  run.Key(QStringLiteral("Return"));

  const unsigned long window = run.WaitForWindow(kWindow);
  run.Click(window, kLineX, LineY(1));
  run.Click(window, kOkX, kButtonY);
  EXPECT_EQ(run.WaitForExit(), 0);
  EXPECT_EQ(WithStampsOf(prefix.Written(), prefix.Lines()), prefix.WrittenWithout({history[0]}));
}

TEST(Tavrine, WithoutAnyDisplaySaysSoAndExitsWithZero) {
  QProcess program;
  QProcessEnvironment environment;
  environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
  program.setProcessEnvironment(environment);
  program.start(ProgramRun::Binary(), {});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);
  const QString error = QString::fromLocal8Bit(program.readAllStandardError());
  EXPECT_EQ(error.count(QLatin1Char('\n')), 1) << error.toStdString();
  EXPECT_TRUE(error.contains(QStringLiteral("DISPLAY"))) << error.toStdString();
}

}  // namespace

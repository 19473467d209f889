// The screen saver's start under Wine in the Japanese locale, as a user meets it: a copy that
// finds the settings dialog open ends at once, a missing renderer is reported in Japanese (which
// file is reported for which command line is the start-up's unit tests' business), and the
// preview takes its place in the display settings' pane.
#include <filesystem>

#include "e2e_test.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;
using StartupTest = E2eTest;
using PreviewTest = E2eTest;

TEST_F(StartupTest, AMissingRendererIsReportedInJapaneseUnlessTheSettingsDialogIsOpen) {
  {
    // A title in code page 932 (an open saver window is met in the saver run's test).
    ChildProcess dialog = probe().Hold(kDialogTitle, 60s);
    ChildProcess saver = StartScreenSaver(MakeProgramFolder(Shipped{false, false}), {"/s"});
    EXPECT_TRUE(saver.WaitForExit(15s)) << "the program did not end beside the dialog";
    EXPECT_FALSE(probe().WaitForMessageBox(kApplicationTitle, 0ms)) << "it tested its files first";
    EXPECT_FALSE(fs::exists(StagingFolder()));
  }
  ChildProcess saver = StartScreenSaver(MakeProgramFolder(Shipped{false, true}, PrimaryBuild(), "alone"), {"/s"});
  const auto box = probe().WaitForMessageBox(kApplicationTitle, 15s, "OK");
  ASSERT_TRUE(box) << "no message box captioned " << kApplicationTitle;
  EXPECT_EQ(box->text, "3dOrvane.dll が同じフォルダに見つかりません！");
  EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(fs::is_directory(StagingFolder())) << "the staging folder is made first";
  EXPECT_EQ(saver.WaitForExit(10s), 0) << "the program went on after OK";

  // The programs' windows share one window procedure: a handler that throws closes its window
  // as its user would, and the program ends normally.
  EXPECT_EQ(RunTool(TestTools(PrimaryBuild()) / "probe.exe", {"throw"}), "unloaded\nended\n");
}

const std::string kPaneTitle = "Preview Host";

// A window of the probe stands in for the display settings' pane. Wine does not draw a child
// window whose parent belongs to another process, so what is looked at is where the preview's
// windows are, not their picture: the window, and its picture over it, take the pane's place
// and size once settled (the program parents the window first, then sizes it).
TEST_F(PreviewTest, TakesThePanesPlaceAndSizeAndEndsWithThePane) {
  const fs::path program = MakeProgramFolder({false, false});
  std::string paneHandle;
  ChildProcess paneHolder = probe().Hold(kPaneTitle, 120s, 200, 150, &paneHandle);
  ChildProcess saver = StartScreenSaver(program, {"/p", paneHandle});
  std::vector<ChildWindowInfo> inPane;
  Eventually([&] {
    inPane = probe().Contents(kPaneTitle).value_or(WindowContents{}).children;
    return saver.HasEnded() || (inPane.size() >= 2 && inPane[0].right > 0 && inPane[1].right == inPane[0].right &&
                                inPane[1].bottom == inPane[0].bottom);
  }, 20s, 200ms);
  ASSERT_EQ(inPane.size(), 2u) << "no preview in the pane";
  EXPECT_EQ(inPane[0].text, "Preview Window");
  for (const ChildWindowInfo& w : inPane) {
    EXPECT_EQ((std::vector<int>{w.left, w.top, w.right, w.bottom}), (std::vector<int>{0, 0, 200, 150}));
  }
  // It reacts to neither the mouse nor the keyboard, and stages nothing. Reading the pane asks
  // each of the preview's two windows for its text, a round trip to the preview's thread each:
  // after the second, that thread has dealt with the input queued before the first.
  Xdotool({"mousemove", "70", "50", "click", "1"});
  Xdotool({"key", "Escape"});
  ASSERT_EQ(probe().Contents(kPaneTitle).value_or(WindowContents{}).children.size(), 2u);
  ASSERT_FALSE(saver.HasEnded());
  EXPECT_FALSE(fs::exists(StagingFolder()));
  ASSERT_TRUE(probe().Close(kPaneTitle));
  ASSERT_TRUE(paneHolder.WaitForExit(10s)) << "the pane did not go";
  EXPECT_EQ(saver.WaitForExit(10s), 0) << "the preview outlived its pane";
}

}  // namespace
}  // namespace orvane::e2e

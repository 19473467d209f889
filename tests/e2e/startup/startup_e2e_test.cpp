// The screen saver's start under Wine in the Japanese locale, as a user meets it: a copy that
// finds the settings dialog open ends at once, and a missing renderer is reported in Japanese.
// (Which file is reported for which command line is the start-up's unit tests' business.)
#include <filesystem>

#include "e2e_test.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;
using StartupTest = E2eTest;

TEST_F(StartupTest, AMissingRendererIsReportedInJapaneseUnlessTheSettingsDialogIsOpen) {
  {
    // The dialog's title is code page 932 text; an open saver window is met in the saver run's
    // test.
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
}

}  // namespace
}  // namespace orvane::e2e

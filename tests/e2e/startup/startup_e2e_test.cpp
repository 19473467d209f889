// The screen saver's start under Wine in the Japanese locale, as a user meets it: a copy that
// finds the settings dialog open ends at once, and a missing file is reported in Japanese.
// (Which file is reported for which command line is the start-up's unit tests' business.)
#include <filesystem>

#include "e2e_test.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;
using StartupTest = E2eTest;

TEST_F(StartupTest, AMissingFileIsReportedInJapaneseUnlessTheSettingsDialogIsOpen) {
  {
    // The dialog's title is code page 932 text; an open saver window is met in the saver run's
    // test.
    ChildProcess dialog = probe().Hold("<3dOrvaneの設定>", 60s);
    ChildProcess saver = StartScreenSaver(MakeProgramFolder(Shipped{false, false}), {"/s"});
    EXPECT_TRUE(saver.WaitForExit(15s)) << "the program did not end beside the dialog";
    EXPECT_FALSE(probe().WaitForMessageBox(kApplicationTitle, 0ms)) << "it tested its files first";
    EXPECT_FALSE(fs::exists(StagingFolder()));
  }
  const struct {
    Shipped shipped;
    const char* mode;
    std::string text;
  } cases[] = {
      {{false, true}, "/s", "3dOrvane.dll が同じフォルダに見つかりません！"},
      {{true, false}, "/c", "3dOrvane.x が同じフォルダに見つかりません！"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    fs::remove_all(StagingFolder());
    ChildProcess saver =
        StartScreenSaver(MakeProgramFolder(c.shipped, PrimaryBuild(), c.mode + 1), {c.mode});
    const auto box = probe().WaitForMessageBox(kApplicationTitle, 15s, "OK");
    ASSERT_TRUE(box) << "no message box captioned " << kApplicationTitle;
    EXPECT_EQ(box->text, c.text);
    EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(fs::is_directory(StagingFolder())) << "the staging folder is made first";
    EXPECT_EQ(saver.WaitForExit(10s), 0) << "the program went on after OK";
  }
}

}  // namespace
}  // namespace orvane::e2e

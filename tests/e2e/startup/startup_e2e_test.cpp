// The screen saver's start under Wine in the Japanese locale: the single-instance test, the
// mode letter, the staging folder and the missing-file messages, as a user would meet them.
#include <filesystem>

#include "e2e_test.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kRendererMissing = "3dOrvane.dll が同じフォルダに見つかりません！";
const std::string kModelMissing = "3dOrvane.x が同じフォルダに見つかりません！";

constexpr Shipped kWithoutRenderer{false, true};
constexpr Shipped kWithoutModel{true, false};
constexpr Shipped kWithoutEither{false, false};

class StartupTest : public E2eTest {
 protected:
  // Expects the message box with `text` and an OK button only, presses OK and expects the
  // program to end.
  void ExpectMessageThenEnd(ChildProcess& saver, const std::string& text) {
    const auto box = probe().WaitForMessageBox(kApplicationTitle, 15s);
    ASSERT_TRUE(box) << "no message box captioned " << kApplicationTitle;
    EXPECT_EQ(box->text, text);
    EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
    Screenshot("message");
    ASSERT_TRUE(probe().Press(kApplicationTitle, "OK"));
    EXPECT_EQ(saver.WaitForExit(10s), 0) << "the program went on after OK";
  }
  void ExpectSilentEnd(ChildProcess& saver) {
    EXPECT_TRUE(saver.WaitForExit(15s)) << "the program did not end";
    EXPECT_FALSE(probe().WaitForMessageBox(kApplicationTitle, 0ms));
  }
};

TEST_F(StartupTest, MissingRendererIsReportedAfterTheStagingFolderIsMade) {
  const fs::path program = MakeProgramFolder(kWithoutRenderer);

  ChildProcess saver = StartScreenSaver(program, {"/s"});

  ExpectMessageThenEnd(saver, kRendererMissing);
  EXPECT_TRUE(fs::is_directory(StagingFolder()));
}

TEST_F(StartupTest, MissingModelIsReportedInSettingsMode) {
  const fs::path program = MakeProgramFolder(kWithoutModel);

  ChildProcess saver = StartScreenSaver(program, {"/c:1234"});

  ExpectMessageThenEnd(saver, kModelMissing);
}

TEST_F(StartupTest, WithBothFilesMissingOnlyTheRendererIsReported) {
  const fs::path program = MakeProgramFolder(kWithoutEither);

  ChildProcess saver = StartScreenSaver(program, {"x"});

  ExpectMessageThenEnd(saver, kRendererMissing);
}

TEST_F(StartupTest, EmptyCommandLineAndOtherLettersStillTestTheFiles) {
  const fs::path program = MakeProgramFolder(kWithoutRenderer);
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{}, std::vector<std::string>{"/a"}}) {
    ChildProcess saver = StartScreenSaver(program, arguments);
    ExpectMessageThenEnd(saver, kRendererMissing);
  }
}

TEST_F(StartupTest, UnknownModeEndsSilentlyAfterMakingTheStagingFolder) {
  const fs::path program = MakeProgramFolder();

  ChildProcess saver = StartScreenSaver(program, {"/a"});

  ExpectSilentEnd(saver);
  EXPECT_TRUE(fs::is_directory(StagingFolder()));
}

TEST_F(StartupTest, PreviewModeTestsForNoFilesAndMakesNoStagingFolder) {
  const fs::path program = MakeProgramFolder(kWithoutEither);

  ChildProcess saver = StartScreenSaver(program, {"/p", "0"});

  // Without a pane the preview has no size, and it stays until it is closed.
  const auto deadline = std::chrono::steady_clock::now() + 15s;
  while (!probe().Close("Preview Window") && std::chrono::steady_clock::now() < deadline) {
    ASSERT_FALSE(saver.HasEnded()) << "the preview ended by itself";
  }
  ExpectSilentEnd(saver);
  EXPECT_FALSE(fs::exists(StagingFolder()));
}

TEST_F(StartupTest, AnOpenSaverWindowOrSettingsDialogEndsEveryModeAtOnce) {
  const fs::path program = MakeProgramFolder(kWithoutEither);
  for (const std::string title : {"3dOrvane_Main", "<3dOrvaneの設定>"}) {
    ChildProcess other = probe().Hold(title, 60s);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"/s"}, std::vector<std::string>{"/c"},
          std::vector<std::string>{"/p", "0"}}) {
      ChildProcess saver = StartScreenSaver(program, arguments);
      ExpectSilentEnd(saver);
      EXPECT_FALSE(fs::exists(StagingFolder())) << title << " " << arguments[0];
    }
  }
}

TEST_F(StartupTest, APreviewWindowDoesNotCountAsAnotherCopy) {
  const fs::path program = MakeProgramFolder(kWithoutRenderer);
  ChildProcess preview = probe().Hold("Preview Window", 60s);

  ChildProcess saver = StartScreenSaver(program, {"/s"});

  ExpectMessageThenEnd(saver, kRendererMissing);
}

TEST_F(StartupTest, The64BitBuildStartsAndReportsInTheSameWords) {
  SKIP_WHERE_64_BIT_IS_PRIMARY();
  const fs::path program = MakeProgramFolder(kWithoutRenderer, Build::k64Bit);

  ChildProcess saver = StartScreenSaver(program, {"/S"});

  ExpectMessageThenEnd(saver, kRendererMissing);
  EXPECT_TRUE(fs::is_directory(StagingFolder()));
}

}  // namespace
}  // namespace orvane::e2e

#include "startup/start_program.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace orvane::startup {
namespace {

using Calls = std::vector<std::wstring>;

const std::wstring kFolder = L"C:\\Program Files\\3dOrvane";
const std::wstring kRendererMissing = L"3dOrvane.dll が同じフォルダに見つかりません！";
const std::wstring kModelMissing = L"3dOrvane.x が同じフォルダに見つかりません！";

// Records the windows the modes open into the platform's call list, so the order shows.
class RecordingModeWindows : public ModeWindows {
 public:
  explicit RecordingModeWindows(Calls& calls) : calls_(calls) {}
  void ShowPreview(platform::WindowHandle pane, std::int16_t width, std::int16_t height) override {
    calls_.push_back(L"ShowPreview(" + std::to_wstring(pane) + L", " + std::to_wstring(width) +
                     L", " + std::to_wstring(height) + L")");
  }
  void ShowSettingsDialog() override { calls_.push_back(L"ShowSettingsDialog()"); }
  void LoadSaverWindow() override { calls_.push_back(L"LoadSaverWindow()"); }

 private:
  Calls& calls_;
};

class StartProgramTest : public ::testing::Test {
 protected:
  void ShipBothFiles() {
    fake.readableFiles.insert(kFolder + L"\\3dOrvane.dll");
    fake.readableFiles.insert(kFolder + L"\\3dOrvane.x");
  }
  AfterStart Start(const std::wstring& commandLine) {
    fake.commandLine = commandLine;
    return StartProgram(fake.services, windows, state);
  }
  // The calls after the single-instance test, less the settings reads (tested on their own).
  Calls CallsOfMode() const {
    Calls result;
    for (std::size_t i = 2; i < fake.calls.size(); ++i) {
      if (fake.calls[i].rfind(L"ReadPrivateProfileValue", 0) != 0) result.push_back(fake.calls[i]);
    }
    return result;
  }

  testing::FakePlatform fake;
  RecordingModeWindows windows{fake.calls};
  ProgramState state;
};

TEST_F(StartProgramTest, SaverModeHidesTheCursorSetsTheFlagAndLoadsTheSaverWindow) {
  ShipBothFiles();
  fake.cursorCountAfterCall = -1;

  EXPECT_EQ(Start(L"/s"), AfterStart::kRunOpenWindows);

  EXPECT_EQ(CallsOfMode(), (Calls{
                               L"SetDpiAware(1)",
                               L"CreateFolder(C:\\v_orim)",
                               L"CanOpenForReading(" + kFolder + L"\\3dOrvane.dll)",
                               L"CanOpenForReading(" + kFolder + L"\\3dOrvane.x)",
                               L"ShowCursor(0)",
                               L"SetSystemParameter(97, 4294967295)",
                               L"LoadSaverWindow()",
                           }));
  EXPECT_EQ(state.saverMode.savedCursorCount, -1);
}

TEST_F(StartProgramTest, AnyLetterCaseAndPrefixSelectsSaverMode) {
  ShipBothFiles();
  for (const wchar_t* line : {L"/S", L"-S", L"xs"}) {
    fake.calls.clear();
    EXPECT_EQ(Start(line), AfterStart::kRunOpenWindows);
    EXPECT_EQ(fake.calls.back(), L"LoadSaverWindow()");
    EXPECT_EQ(fake.calls[fake.calls.size() - 3], L"ShowCursor(0)");
  }
}

TEST_F(StartProgramTest, EmptyCommandLineRunsTheSaverWithTheCursorAndWithoutTheFlag) {
  ShipBothFiles();

  EXPECT_EQ(Start(L""), AfterStart::kRunOpenWindows);

  EXPECT_EQ(CallsOfMode(), (Calls{
                               L"SetDpiAware(1)",
                               L"CreateFolder(C:\\v_orim)",
                               L"CanOpenForReading(" + kFolder + L"\\3dOrvane.dll)",
                               L"CanOpenForReading(" + kFolder + L"\\3dOrvane.x)",
                               L"LoadSaverWindow()",
                           }));
  // So the saver window leaves the cursor and the flag alone when it closes.
  EXPECT_FALSE(state.saverMode.savedCursorCount);
}

TEST_F(StartProgramTest, SettingsModeLeavesTheScalingToTheSystemShowsTheDialogThenEnds) {
  ShipBothFiles();

  EXPECT_EQ(Start(L"/c:1234"), AfterStart::kEndProcess);

  EXPECT_EQ(CallsOfMode(), (Calls{
                               L"SetDpiAware(0)",
                               L"CreateFolder(C:\\v_orim)",
                               L"CanOpenForReading(" + kFolder + L"\\3dOrvane.dll)",
                               L"CanOpenForReading(" + kFolder + L"\\3dOrvane.x)",
                               L"ShowSettingsDialog()",
                           }));
}

TEST_F(StartProgramTest, OtherLettersAndOneCharacterLinesEndSilentlyAfterThePreparations) {
  ShipBothFiles();
  for (const wchar_t* line : {L"/a", L"x"}) {
    fake.calls.clear();
    EXPECT_EQ(Start(line), AfterStart::kEndProcess);
    EXPECT_EQ(CallsOfMode(), (Calls{
                                 L"SetDpiAware(1)",
                                 L"CreateFolder(C:\\v_orim)",
                                 L"CanOpenForReading(" + kFolder + L"\\3dOrvane.dll)",
                                 L"CanOpenForReading(" + kFolder + L"\\3dOrvane.x)",
                             }));
  }
}

TEST_F(StartProgramTest, SettingsAreLoadedAfterTheStagingFolderAndBeforeTheFileTests) {
  ShipBothFiles();
  fake.iniValues[{L"Section", L"BGM区分"}] = L" 1";

  Start(L"/a");

  EXPECT_EQ(state.settings.bgmKind, 1);
  EXPECT_EQ(fake.calls[3], L"CreateFolder(C:\\v_orim)");
  EXPECT_EQ(fake.calls[4].rfind(L"ReadPrivateProfileValue(Section, BGM区分", 0), 0u);
}

TEST_F(StartProgramTest, OnlyTheSaverDropsAMusicFileThatIsOutOfReach) {
  ShipBothFiles();
  fake.iniValues[{L"Section", L"BGM区分"}] = L" 2";
  fake.iniValues[{L"Section", L"BGMﾌｧｲﾙ"}] = L"E:\\unplugged.mp3";

  Start(L"/c");
  EXPECT_EQ(state.settings.bgmKind, 2);
  EXPECT_EQ(state.settings.bgmFile, L"E:\\unplugged.mp3");

  state = {};
  Start(L"/s");
  EXPECT_EQ(state.settings.bgmKind, 0);
  EXPECT_EQ(state.settings.bgmFile, L"");
}

TEST_F(StartProgramTest, MissingRendererIsReportedAndEndsTheProcess) {
  fake.readableFiles.insert(kFolder + L"\\3dOrvane.x");

  EXPECT_EQ(Start(L"/s"), AfterStart::kEndProcess);

  EXPECT_EQ(fake.calls.back(),
            L"ShowOkMessage(" + kRendererMissing + L" | 3dOrvane (Screen Saver) | 0)");
}

TEST_F(StartProgramTest, MissingModelIsReportedAndEndsTheProcess) {
  fake.readableFiles.insert(kFolder + L"\\3dOrvane.dll");

  EXPECT_EQ(Start(L"/c"), AfterStart::kEndProcess);

  EXPECT_EQ(fake.calls.back(),
            L"ShowOkMessage(" + kModelMissing + L" | 3dOrvane (Screen Saver) | 0)");
}

TEST_F(StartProgramTest, WithBothFilesMissingOnlyTheRendererIsReported) {
  EXPECT_EQ(Start(L"x"), AfterStart::kEndProcess);

  EXPECT_EQ(CallsOfMode(), (Calls{
                               L"SetDpiAware(1)",
                               L"CreateFolder(C:\\v_orim)",
                               L"CanOpenForReading(" + kFolder + L"\\3dOrvane.dll)",
                               L"ShowOkMessage(" + kRendererMissing + L" | 3dOrvane (Screen Saver) | 0)",
                           }));
}

TEST_F(StartProgramTest, AnOpenSaverOrDialogEndsEveryModeAtOnce) {
  ShipBothFiles();
  for (const wchar_t* title : {L"3dOrvane_Main", L"<3dOrvaneの設定>"}) {
    for (const wchar_t* line : {L"/s", L"/c", L"/p 1234", L""}) {
      fake.windowTitles = {title};
      fake.calls.clear();
      EXPECT_EQ(Start(line), AfterStart::kEndProcess);
      EXPECT_EQ(fake.calls, (Calls{L"FindTopLevelWindow(3dOrvane_Main)",
                                   L"FindTopLevelWindow(<3dOrvaneの設定>)"}));
    }
  }
}

TEST_F(StartProgramTest, PreviewModeSizesThePreviewToThePaneInTwipsAndTestsNoFiles) {
  fake.windows.insert(1234);
  fake.windowRects[1234] = {10, 20, 162, 132};

  EXPECT_EQ(Start(L"/p 1234"), AfterStart::kRunOpenWindows);

  EXPECT_EQ(CallsOfMode(), (Calls{L"SetDpiAware(1)", L"IsWindow(1234)", L"GetWindowRect(1234)",
                                  L"ShowPreview(1234, 2280, 1680)"}));
}

TEST_F(StartProgramTest, PreviewModeUsesTheScreensTwipsPerPixel) {
  fake.windows.insert(77);
  fake.windowRects[77] = {0, 0, 152, 112};
  fake.twipsPerPixel = 10;

  Start(L"/p:77");

  EXPECT_EQ(fake.calls.back(), L"ShowPreview(77, 1520, 1120)");
}

TEST_F(StartProgramTest, APaneThatIsNoWindowEndsThePreviewAtOnce) {
  fake.windows.insert(1234);
  const struct {
    const wchar_t* line;
    const wchar_t* windowTest;
  } cases[] = {{L"/p abc", L"IsWindow(0)"}, {L"/p 0", L"IsWindow(0)"}, {L"/p 4321", L"IsWindow(4321)"}};
  for (const auto& c : cases) {
    fake.calls.clear();
    EXPECT_EQ(Start(c.line), AfterStart::kEndProcess) << c.line;
    EXPECT_EQ(CallsOfMode(), (Calls{L"SetDpiAware(1)", c.windowTest})) << c.line;
  }
}

}  // namespace
}  // namespace orvane::startup

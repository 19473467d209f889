#include "startup/start_program.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_platform.h"

namespace orvane::startup {
namespace {

using Calls = std::vector<std::wstring>;

const std::wstring kFolder = L"C:\\Program Files\\3dOrvane\\";

// Records the windows the modes open into the platform's call list, so the order shows.
class RecordingModeWindows : public ModeWindows {
 public:
  explicit RecordingModeWindows(Calls& calls) : calls_(calls) {}
  void ShowPreview(platform::WindowHandle pane, std::int16_t width, std::int16_t height) override {
    calls_.push_back(testing::Call(L"ShowPreview", pane, width, height));
  }
  void ShowSettingsDialog() override { calls_.push_back(L"ShowSettingsDialog()"); }
  void LoadSaverWindow() override { calls_.push_back(L"LoadSaverWindow()"); }

 private:
  Calls& calls_;
};

// A system with the pane 1234, a music file chosen on a drive that is not plugged in, whichever
// shipped files are beside the program and perhaps a window of another copy open.
struct System {
  testing::FakePlatform fake;
  RecordingModeWindows windows{fake.calls};
  ProgramState state;

  System(bool renderer, bool model, const wchar_t* openWindow = nullptr) {
    if (renderer) fake.readableFiles.insert(kFolder + L"3dOrvane.dll");
    if (model) fake.readableFiles.insert(kFolder + L"3dOrvane.x");
    if (openWindow) fake.windowTitles.insert(openWindow);
    fake.windows.insert(1234);
    fake.windowRects[1234] = {10, 20, 162, 132};
    fake.fileContents[kFolder + L"3dOrvane.ini"] =
        "[Section]\r\nBGM\x8b\xe6\x95\xaa=2\r\nBGM\xcc\xa7\xb2\xd9=E:\\unplugged.mp3\r\n";
    fake.cursorCountAfterCall = -3;
  }
  AfterStart Start(const std::wstring& commandLine) {
    fake.commandLine = commandLine;
    return StartProgram(fake.services, windows, state);
  }
  // The calls after the test for another copy, less the reads of the settings and the test of
  // their music file (the settings' own tests check those).
  Calls CallsOfMode() const {
    Calls result;
    for (std::size_t i = 2; i < fake.calls.size(); ++i) {
      const std::wstring& call = fake.calls[i];
      if (call.rfind(L"ReadWholeFile", 0) != 0 && call.find(L"unplugged") == std::wstring::npos) {
        result.push_back(call);
      }
    }
    return result;
  }
};

TEST(StartProgram, EachModePreparesWhatItNeedsAndOpensItsWindow) {
  const std::wstring aware = L"SetDpiAwareness(2)", unaware = L"SetDpiAwareness(0)";
  const std::wstring primaryAware = L"SetDpiAwareness(1)";
  const std::wstring stage = L"CreateFolder(C:\\v_orim)";
  const std::wstring testRenderer = L"CanOpenForReading(" + kFolder + L"3dOrvane.dll)";
  const std::wstring testModel = L"CanOpenForReading(" + kFolder + L"3dOrvane.x)";
  const std::wstring noRenderer =
      L"ShowOkMessage(3dOrvane.dll が同じフォルダに見つかりません！ | 3dOrvane (Screen Saver) | 0)";
  const std::wstring noModel =
      L"ShowOkMessage(3dOrvane.x が同じフォルダに見つかりません！ | 3dOrvane (Screen Saver) | 0)";
  const std::wstring hideCursor = L"ShowCursor(0)", saverRuns = L"SetSystemParameter(97, 4294967295)";
  const std::wstring saver = L"LoadSaverWindow()";
  constexpr auto kRun = AfterStart::kRunOpenWindows;
  constexpr auto kEnd = AfterStart::kEndProcess;
  const struct {
    const wchar_t* line;
    bool renderer, model;
    const wchar_t* openWindow;
    AfterStart after;
    std::int16_t musicKind;  // as the mode keeps it: only a saver run drops the file out of reach
    Calls calls;
  } cases[] = {
      {L"/s", true, true, nullptr, kRun, 0, {aware, stage, testRenderer, testModel, hideCursor, saverRuns, saver}},
      {L"-S", true, true, nullptr, kRun, 0, {aware, stage, testRenderer, testModel, hideCursor, saverRuns, saver}},
      // Started without arguments it runs the saver but leaves the cursor and the flag alone.
      {L"", true, true, nullptr, kRun, 0, {aware, stage, testRenderer, testModel, saver}},
      {L"/c:1234", true, true, nullptr, kEnd, 2, {unaware, stage, testRenderer, testModel, L"ShowSettingsDialog()"}},
      {L"/a", true, true, nullptr, kEnd, 0, {aware, stage, testRenderer, testModel}},
      {L"x", true, true, nullptr, kEnd, 0, {aware, stage, testRenderer, testModel}},
      {L"/s", false, true, nullptr, kEnd, 0, {aware, stage, testRenderer, noRenderer}},
      {L"/c", true, false, nullptr, kEnd, 2, {unaware, stage, testRenderer, testModel, noModel}},
      // With both missing only the renderer is named.
      {L"x", false, false, nullptr, kEnd, 0, {aware, stage, testRenderer, noRenderer}},
      // The preview tests no files and is sized to the pane in twips.
      {L"/p:1234", false, false, nullptr, kRun, 0,
       {primaryAware, L"IsWindow(1234)", L"GetWindowRect(1234)", L"ShowPreview(1234, 2280, 1680)"}},
      {L"/p abc", true, true, nullptr, kEnd, 0, {primaryAware, L"IsWindow(0)"}},
      {L"/p 4321", true, true, nullptr, kEnd, 0, {primaryAware, L"IsWindow(4321)"}},
      // An open saver or dialog ends every mode at once.
      {L"/s", true, true, L"3dOrvane_Main", kEnd, 0, {}},
      {L"/p 1234", true, true, L"<3dOrvaneの設定>", kEnd, 0, {}},
      {L"", true, true, L"<3dOrvaneの設定>", kEnd, 0, {}},
  };
  for (const auto& c : cases) {
    System system(c.renderer, c.model, c.openWindow);
    EXPECT_EQ(system.Start(c.line), c.after) << c.line;
    EXPECT_EQ(system.CallsOfMode(), c.calls) << c.line;
    EXPECT_EQ(static_cast<int>(system.state.settings.bgmKind), c.musicKind) << c.line;
    EXPECT_EQ(system.state.settings.bgmFile, c.musicKind ? L"E:\\unplugged.mp3" : L"") << c.line;
    // The saver keeps the count that hiding the cursor gave, to give the cursor back.
    const bool hidesCursor = std::count(c.calls.begin(), c.calls.end(), hideCursor) > 0;
    EXPECT_EQ(system.state.saverMode.savedCursorCount, hidesCursor ? std::optional(-3) : std::nullopt) << c.line;
  }
}

}  // namespace
}  // namespace orvane::startup

#include "startup/start_program.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_platform.h"

namespace orvane::startup {
namespace {

using testing::Calls;

const std::wstring kFolder = L"C:\\Program Files\\3dOrvane\\";

// Records the windows the modes open into the platform's call list, so the order shows. The
// saver window closes at once, giving back what saver mode changed.
struct RecordingModeWindows : ModeWindows {
  explicit RecordingModeWindows(Calls& calls) : calls(calls) {}
  void ShowPreview(platform::WindowHandle pane, std::int32_t width, std::int32_t height) override {
    calls.push_back(testing::Call(L"ShowPreview", pane, width, height));
  }
  void ShowSettingsDialog() override { calls.push_back(L"ShowSettingsDialog()"); }
  void LoadSaverWindow(std::unique_ptr<saver::SaverModeSystemState>) override { calls.push_back(L"LoadSaverWindow()"); }
  Calls& calls;
};

TEST(StartProgram, EachModePreparesWhatItNeedsAndOpensItsWindow) {
  const std::wstring aware = L"SetDpiAwareness(2)", primaryAware = L"SetDpiAwareness(1)";
  const std::wstring unaware = L"SetDpiAwareness(0)";
  const std::wstring stage = L"CreateFolder(C:\\v_orim)";
  const std::wstring testRenderer = L"CanOpenForReading(" + kFolder + L"3dOrvane.dll)";
  const std::wstring testModel = L"CanOpenForReading(" + kFolder + L"3dOrvane.x)";
  const std::wstring noRenderer =
      L"ShowOkMessage(3dOrvane.dll が同じフォルダに見つかりません！ | 3dOrvane (Screen Saver) | 0)";
  const std::wstring noModel =
      L"ShowOkMessage(3dOrvane.x が同じフォルダに見つかりません！ | 3dOrvane (Screen Saver) | 0)";
  // The cursor is hidden and the system told a saver runs until the saver window has closed,
  // which gives the count that hiding returned back.
  const Calls saverMode{aware, stage, testRenderer, testModel, L"ShowCursor(0)", L"SetSystemParameter(97, 4294967295)",
                        L"LoadSaverWindow()", L"ShowCursor(-3)", L"SetSystemParameter(97, 0)"};
  constexpr auto kRun = AfterStart::kRunOpenWindows, kEnd = AfterStart::kEndProcess;
  const struct {
    const wchar_t* line;
    bool renderer, model;
    const wchar_t* openWindow;
    AfterStart after;
    std::int16_t musicKind;  // as the mode keeps it: only a saver run drops the file out of reach
    Calls calls;
  } cases[] = {
      {L"/s", true, true, nullptr, kRun, 0, saverMode},
      {L"-S", true, true, nullptr, kRun, 0, saverMode},
      // Started without arguments it runs the saver but leaves the cursor and the flag alone.
      {L"", true, true, nullptr, kRun, 0, {aware, stage, testRenderer, testModel, L"LoadSaverWindow()"}},
      {L"/c:1234", true, true, nullptr, kEnd, 2, {unaware, stage, testRenderer, testModel, L"ShowSettingsDialog()"}},
      {L"/a", true, true, nullptr, kEnd, 0, {aware, stage, testRenderer, testModel}},
      {L"x", true, true, nullptr, kEnd, 0, {aware, stage, testRenderer, testModel}},
      {L"/s", false, true, nullptr, kEnd, 0, {aware, stage, testRenderer, noRenderer}},
      {L"/c", true, false, nullptr, kEnd, 2, {unaware, stage, testRenderer, testModel, noModel}},
      // With both missing only the renderer is named.
      {L"x", false, false, nullptr, kEnd, 0, {aware, stage, testRenderer, noRenderer}},
      // The preview tests no files and is sized to the pane, however wide.
      {L"/p:1234", false, false, nullptr, kRun, 0,
       {primaryAware, L"IsWindow(1234)", L"GetWindowRect(1234)", L"ShowPreview(1234, 152, 112)"}},
      {L"/p 5678", false, false, nullptr, kRun, 0,
       {primaryAware, L"IsWindow(5678)", L"GetWindowRect(5678)", L"ShowPreview(5678, 2400, 1350)"}},
      {L"/p 4321", true, true, nullptr, kEnd, 0, {primaryAware, L"IsWindow(4321)"}},
      // An open saver or dialog ends every mode at once.
      {L"/s", true, true, L"3dOrvane_Main", kEnd, 0, {}},
      {L"/p 1234", true, true, L"<3dOrvaneの設定>", kEnd, 0, {}},
      {L"", true, true, L"<3dOrvaneの設定>", kEnd, 0, {}},
  };
  for (const auto& c : cases) {
    // The panes 1234 and a wide 5678, and a music file chosen on a drive that is not plugged in.
    testing::FakePlatform fake;
    if (c.renderer) fake.readableFiles.insert(kFolder + L"3dOrvane.dll");
    if (c.model) fake.readableFiles.insert(kFolder + L"3dOrvane.x");
    if (c.openWindow) fake.windowTitles.insert(c.openWindow);
    fake.windows = {1234, 5678};
    fake.windowRects = {{1234, {10, 20, 162, 132}}, {5678, {-2400, 0, 0, 1350}}};
    fake.fileContents[kFolder + L"3dOrvane.ini"] =
        "[Section]\r\nBGM\x8b\xe6\x95\xaa=2\r\nBGM\xcc\xa7\xb2\xd9=E:\\unplugged.mp3\r\n";
    fake.cursorCountAfterCall = -3;
    fake.commandLine = c.line;
    RecordingModeWindows windows{fake.calls};
    settings::Settings settings;

    EXPECT_EQ(StartProgram(fake.services, windows, settings), c.after) << c.line;
    // After the test for another copy, less the reads of the settings and the test of their
    // music file (the settings' own tests check those).
    Calls calls;
    std::copy_if(fake.calls.begin() + 2, fake.calls.end(), std::back_inserter(calls), [](const auto& call) {
      return call.rfind(L"ReadWholeFile", 0) != 0 && call.find(L"unplugged") == std::wstring::npos;
    });
    EXPECT_EQ(calls, c.calls) << c.line;
    EXPECT_EQ(static_cast<int>(settings.bgmKind), c.musicKind) << c.line;
    EXPECT_EQ(settings.bgmFile, c.musicKind ? L"E:\\unplugged.mp3" : L"") << c.line;
  }
}

}  // namespace
}  // namespace orvane::startup

#include "saver/saver_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_platform.h"

namespace orvane::saver {
namespace {

using testing::Calls;

const std::wstring kFolder = L"C:\\Program Files\\3dOrvane";

// A saver run in saver mode (the cursor hidden at count -1) on a screen of 8 x 4 pixels at
// 60 Hz. Every draw of 0.25 gives a step width of 4 to the right, so the crack runs down the
// right edge and the travel is 8: frames at offsets -2.1, -4.3 and -6.6; -9.0 would pass it.
struct SaverRun {
  testing::FakePlatform fake;
  settings::Settings settings;
  std::unique_ptr<SaverWindow> saver = std::make_unique<SaverWindow>(
      fake.services, settings, std::make_unique<SaverModeSystemState>(fake.services.windows), [] { return 0.25; });

  explicit SaverRun(settings::Settings chosen = {}) : settings(std::move(chosen)) {
    fake.readableFiles.insert(kFolder + L"\\3dOrvane.x");
    fake.fileContents[kFolder + L"\\3dOrvane.x"] = "xof 0303txt 0032";
    fake.calls.clear();
  }
  testing::FakeFormWindow& Form() { return *fake.forms.form; }
  std::size_t IndexOf(const std::wstring& call) const {
    return std::find(fake.calls.begin(), fake.calls.end(), call) - fake.calls.begin();
  }
  bool Called(const std::wstring& call) const { return IndexOf(call) < fake.calls.size(); }
};

TEST(SaverWindow, ARunShowsTheDesktopTearsItApartOnEachMonitorHandsOverToTheRendererAndCleansUp) {
  SaverRun run;
  // The primary monitor of 8 x 4, and one of 6 x 4 left of it and a row lower: a virtual
  // screen of 14 x 5 from (-6, 0), whose top-left 6 x 1 and bottom-right 8 x 1 no monitor shows.
  run.fake.forms.monitors = {{{0, 0, 8, 4}, {0, 0, 8, 4}}, {{-6, 1, 0, 5}, {-6, 1, 0, 5}}};
  run.saver->Load();
  // The desktop is taken before the window shows, so the window is never in its own picture.
  EXPECT_EQ(run.fake.calls,
            (Calls{L"CreateForm(3dOrvane_Main)", L"SetBounds(-6, 0, 8, 5)", L"window: Resize(14, 5)",
                   L"window: CopyFromScreen(0, 0, 8, 4, 6, 0)", L"window: CopyFromScreen(-6, 1, 6, 4, 0, 1)",
                   L"HoldFolder(C:\\v_orim)", L"ReadWholeFile(" + kFolder + L"\\3dOrvane.x)",
                   L"WriteHeldFile(C:\\v_orim\\3dOrvane.x, 16 bytes)", L"ResourceData(101)",
                   L"WriteHeldFile(C:\\v_orim\\3dOrvane.bmp, 2 bytes)", L"Show",
                   L"EnableTimer(3, 1)"}));

  run.fake.calls.clear();
  run.Form().Tick(SaverWindow::kStartEffect);
  // The cracks come first, each down its monitor's middle, clipped to that monitor.
  EXPECT_EQ(Calls(run.fake.calls.begin(), run.fake.calls.begin() + 7),
            (Calls{L"DisableTimer(3)", L"CreateImage(image1, 14, 5)", L"image1: CopyFrom(window, 0, 0, 14, 5, 0, 0)",
                   L"window: DrawLine(10, 0, 14, 0, 0, 6, 0, 8, 4)", L"window: DrawLine(14, 0, 14, 2, 0, 6, 0, 8, 4)",
                   L"window: DrawLine(3, 1, 6, 1, 0, 0, 1, 6, 4)", L"window: DrawLine(6, 1, 6, 3, 0, 0, 1, 6, 4)"}));
  // The cracks and each frame stay on the screen for one refresh, the monitors advancing
  // together. The smaller monitor's travel of 6 takes two frames, the primary's of 8 three: in
  // the third the smaller one turns black.
  const std::wstring smallerBlack = L"window: FillRectangle(0, 1, 6, 4, 0)";
  EXPECT_EQ(run.fake.CallsBeginningWith({L"PresentBlocks", L"WaitForRefresh", L"ProcessPendingMessages", smallerBlack}),
            (Calls{L"PresentBlocks", L"WaitForRefresh(16667)", L"ProcessPendingMessages", L"PresentBlocks",
                   L"WaitForRefresh(33334)", L"ProcessPendingMessages", L"PresentBlocks", L"WaitForRefresh(50001)",
                   L"ProcessPendingMessages", smallerBlack, L"PresentBlocks", L"WaitForRefresh(66668)",
                   L"ProcessPendingMessages"}));
  EXPECT_EQ(Calls(run.fake.calls.end() - 5, run.fake.calls.end()),
            (Calls{L"window: FillRectangle(0, 0, 14, 5, 0)", L"Present",
                   L"StartProgram(" + kFolder + L"\\3dOrvane.dll | " + kFolder + L"\\3dOrvane.dll | 1)",
                   L"EnableTimer(4, 500)", L"Hide"}));

  // The renderer's window comes and goes; the cursor comes back and the system is told.
  run.fake.windowTitles = {L"3dOrvane_VC"};
  run.Form().Tick(SaverWindow::kRendererWatch);
  run.fake.windowTitles.clear();
  run.fake.calls.clear();
  run.Form().Tick(SaverWindow::kRendererWatch);
  EXPECT_EQ(run.fake.calls,
            (Calls{L"FindTopLevelWindow(3dOrvane_VC)", L"DisableTimer(4)", L"Unload", L"ShowCursor(-1)",
                   L"SetSystemParameter(97, 0)", L"RemoveHeldFile(C:\\v_orim\\3dOrvane.x)",
                   L"RemoveHeldFile(C:\\v_orim\\3dOrvane.bmp)", L"EndMessageLoop"}));
}

TEST(SaverWindow, MonitorsThatFillTheDeskAreTakenInOneCopy) {
  SaverRun run;
  run.fake.forms.monitors = {{{0, 0, 8, 4}, {0, 0, 8, 4}}, {{-6, 0, 0, 4}, {-6, 0, 0, 4}}};
  run.saver->Load();
  EXPECT_EQ(run.fake.CallsBeginningWith({L"window: CopyFromScreen"}),
            Calls{L"window: CopyFromScreen(-6, 0, 14, 4, 0, 0)"});
}

TEST(SaverWindow, AStagingFolderThatIsALinkIsLeftAloneAndAFileThatCannotBeStagedIsLeftOut) {
  // Both files are left from a run that was killed. The run goes on without what it could not stage.
  for (const bool linked : {false, true}) {
    SaverRun run;
    for (const wchar_t* file : {L"C:\\v_orim\\3dOrvane.x", L"C:\\v_orim\\3dOrvane.bmp"}) {
      run.fake.readableFiles.insert(file);
      run.fake.fileContents[file] = "left";
    }
    if (linked) run.fake.linkedFolders = {L"C:\\v_orim"};
    else run.fake.failingCall = L"WriteHeldFile";
    run.saver->Load();
    EXPECT_EQ(run.Form().TimerInterval(SaverWindow::kStartEffect), 1u);
    run.Form().Unload();
    // Through a link nothing is written or deleted; in a folder of its own nothing old stays.
    EXPECT_EQ(run.fake.readableFiles.count(L"C:\\v_orim\\3dOrvane.x"), linked);
    EXPECT_EQ(run.fake.fileContents.count(L"C:\\v_orim\\3dOrvane.bmp"), linked);
    EXPECT_EQ(run.Called(L"WriteHeldFile(C:\\v_orim\\3dOrvane.x, 16 bytes)"), !linked);
  }
}

TEST(SaverWindow, MusicStartsByKindAndFileTypeAndStopsWhenTheWindowGoesEvenAsAnExceptionUnwindsTheProgram) {
  const struct { std::int16_t kind; std::wstring file; bool disc; Calls started, stopped; } cases[] = {
      {1, L"", true, {L"mci open cdaudio [0]", L"mci set cdaudio time format tmsf [0]"},
       {L"mci stop cdaudio [0]", L"mci close cdaudio [0]"}},
      // Once the watch has found no disc it stops for good, and the drive is left alone.
      {1, L"", false, {L"mci open cdaudio [0]", L"mci set cdaudio time format tmsf [0]"}, {}},
      {2, L"D:\\a.Wav", true, {L"waveOutGetNumDevs", L"PlaySound(D:\\a.Wav, 9)"}, {L"PlaySound(NULL, 0)"}},
      {2, L"D:\\bWAV", true, {L"waveOutGetNumDevs", L"PlaySound(D:\\bWAV, 9)"}, {L"PlaySound(NULL, 0)"}},
      {2, L"D:\\c.mp3", true, {L"mci open \"D:\\c.mp3\" type MPEGVideo Alias MP3Play [0]", L"mci play MP3Play [0]"},
       {L"mci stop MP3Play [0]", L"mci close MP3Play [0]"}},
      // No music for other endings, nor for kinds other than 1 and 2.
      {2, L"D:\\d.mpeg", true, {}, {}}, {0, L"D:\\e.wav", true, {}, {}}, {5, L"D:\\f.wav", true, {}, {}},
  };
  for (const auto& c : cases) {
    SaverRun run({settings::MusicSource{c.kind}, 0, c.file});
    run.saver->Load();
    EXPECT_EQ(run.fake.multimedia.calls, c.started) << c.file;
    EXPECT_EQ(run.Form().TimerInterval(SaverWindow::kCdWatch), c.kind == 1 ? 200u : 0u) << c.file;
    EXPECT_EQ(run.Form().TimerInterval(SaverWindow::kMp3Watch), c.file == L"D:\\c.mp3" ? 1000u : 0u);
    if (!c.disc) run.fake.multimedia.Script(L"status cdaudio current track", {266, std::nullopt});
    run.Form().Tick(SaverWindow::kCdWatch);
    run.fake.multimedia.calls.clear();
    run.fake.calls.clear();
    // Still open as it goes, as when an exception unwinds the program, it closes as any close does.
    run.saver.reset();
    EXPECT_EQ(run.fake.multimedia.calls, c.stopped) << c.file;
    EXPECT_EQ(run.fake.CallsBeginningWith({L"Unload", L"ShowCursor", L"EndMessageLoop"}),
              (Calls{L"Unload", L"ShowCursor(-1)", L"EndMessageLoop"}));
  }
}

TEST(SaverWindow, TheRunEndsTheNormalWayWhenTheRendererFailsOrIsClosedEndingOneThatNeverShowed) {
  // `events`: a tick of the renderer watch each, '.' with no renderer window, 'W' with its window
  // shown, 'E' with the renderer ended; or a close from outside, 'u' without its window, 'U' with it.
  const struct { const char* what; bool startFails; std::string events; std::size_t closedAfter; bool rendererEnded; }
      cases[] = {
      {"cannot start", true, "", 0, false},
      {"ends before its window", false, "..E", 3, true},
      {"never shows a window in 30 s", false, std::string(60, '.'), 60, true},
      {"closed before its window shows", false, "u", 1, true},
      {"closed as its window shows", false, "U", 1, false},
      {"closed with its window up", false, "WU", 2, false},
  };
  for (const auto& c : cases) {
    SaverRun run;
    run.fake.startProgramFails = c.startFails;
    run.saver->Load();
    run.Form().Tick(SaverWindow::kStartEffect);
    std::size_t events = 0;
    for (; run.Form().IsLoaded() && events < c.events.size(); ++events) {
      const char event = c.events[events];
      run.fake.windowTitles.clear();
      if (event == 'W' || event == 'U') run.fake.windowTitles.insert(L"3dOrvane_VC");
      run.fake.startedProgramEnded = event == 'E';
      if (event == 'u' || event == 'U') run.Form().Unload();
      else run.Form().Tick(SaverWindow::kRendererWatch);
    }
    EXPECT_FALSE(run.Form().IsLoaded()) << c.what;
    EXPECT_EQ(events, c.closedAfter) << c.what;
    EXPECT_EQ(run.Called(L"EndProgram"), c.rendererEnded) << c.what;
    // The files are removed last, a renderer ended before the files it would read go.
    EXPECT_EQ(run.IndexOf(L"RemoveHeldFile(C:\\v_orim\\3dOrvane.x)") + 3, run.fake.calls.size()) << c.what;
    EXPECT_TRUE(!c.rendererEnded || run.IndexOf(L"EndProgram") < run.fake.calls.size() - 3) << c.what;
  }
}

}  // namespace
}  // namespace orvane::saver

#include "saver/saver_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_platform.h"

namespace orvane::saver {
namespace {

using Calls = std::vector<std::wstring>;

const std::wstring kFolder = L"C:\\Program Files\\3dOrvane";
const std::wstring kStartRenderer =
    L"StartProgram(" + kFolder + L"\\3dOrvane.dll | " + kFolder + L"\\3dOrvane.dll | 1)";
const Calls kRemoveStagedFiles{L"CanOpenForReading(C:\\v_orim\\3dOrvane.x)", L"RemoveFile(C:\\v_orim\\3dOrvane.x)",
                               L"CanOpenForReading(C:\\v_orim\\3dOrvane.bmp)",
                               L"RemoveFile(C:\\v_orim\\3dOrvane.bmp)"};

// A saver run on a screen of 8 x 4 pixels at 60 Hz. Every draw of 0.25 gives a step width of
// 4 to the right, so the crack runs down the right edge and the travel is 8: frames at
// offsets -2.1, -4.3 and -6.6; -9.0 would pass it.
struct SaverRun {
  testing::FakePlatform fake;
  settings::Settings settings;
  SaverModeState saverMode{-1};
  SaverWindow saver{fake.services, settings, saverMode, [] { return 0.25; }};
  testing::FakeFormWindow* form = nullptr;

  explicit SaverRun(settings::Settings chosen = {}) : settings(std::move(chosen)) {
    fake.readableFiles.insert(kFolder + L"\\3dOrvane.x");
  }
  void Load() {
    saver.Load();
    form = fake.forms.form;
  }
  std::size_t IndexOf(const std::wstring& call) const {
    return std::find(fake.calls.begin(), fake.calls.end(), call) - fake.calls.begin();
  }
  bool Called(const std::wstring& call) const { return IndexOf(call) < fake.calls.size(); }
  // What was done about showing frames, in order: presents, waits and message handling.
  Calls FrameCalls() const {
    Calls calls;
    std::copy_if(fake.calls.begin(), fake.calls.end(), std::back_inserter(calls), [](const auto& call) {
      return call == L"Present" || call == L"ProcessPendingMessages" || call.rfind(L"WaitForRefresh", 0) == 0;
    });
    return calls;
  }
};

TEST(SaverWindow, ARunShowsTheDesktopTearsItApartHandsOverToTheRendererAndCleansUpAfterIt) {
  SaverRun run;
  run.fake.cursorCountAfterCall = 0;
  run.Load();
  // The desktop is taken before the window shows, so the window is never in its own picture.
  EXPECT_EQ(run.fake.calls,
            (Calls{L"CreateForm(3dOrvane_Main)", L"SetBounds(0, 0, 8, 4)", L"window: Resize(8, 4)",
                   L"CreateImage(image1, 8, 4)", L"image1: CopyFromScreen(0, 0)",
                   L"window: CopyFrom(image1, 0, 0, 8, 4, 0, 0)",
                   L"CopyFileReplacing(" + kFolder + L"\\3dOrvane.x, C:\\v_orim\\3dOrvane.x)",
                   L"ResourceData(101)", L"WriteWholeFile(C:\\v_orim\\3dOrvane.bmp, 2 bytes)", L"Show",
                   L"EnableTimer(3, 1)"}));

  run.fake.calls.clear();
  EXPECT_TRUE(run.form->Tick(SaverWindow::kStartEffect));
  EXPECT_EQ(run.fake.calls[0], L"DisableTimer(3)");
  // The crack comes first, drawn on a picture of the screen.
  EXPECT_EQ(Calls(run.fake.calls.begin() + 1, run.fake.calls.begin() + 5),
            (Calls{L"CreateImage(image2, 8, 4)", L"image2: CopyFrom(image1, 0, 0, 8, 4, 0, 0)",
                   L"image2: DrawLine(4, 0, 8, 0, 0)", L"image2: DrawLine(8, 0, 8, 2, 0)"}));
  EXPECT_EQ(run.fake.calls[5], L"window: CopyFrom(image2, 0, 0, 8, 4, 0, 0)");
  // The first frame: the left part 2 pixels left, the gap of 4 black pixels round the crack,
  // both cut at the screen's edge.
  EXPECT_TRUE(run.Called(L"window: CopyFrom(image1, 2, 0, 6, 2, 0, 0)"));
  EXPECT_TRUE(run.Called(L"window: FillRectangle(6, 0, 2, 2, 0)"));
  // The crack and each frame stay on the screen for one refresh.
  EXPECT_EQ(run.FrameCalls(), (Calls{L"Present", L"WaitForRefresh(16667)", L"ProcessPendingMessages",
                                     L"Present", L"WaitForRefresh(33334)", L"ProcessPendingMessages",
                                     L"Present", L"WaitForRefresh(50001)", L"ProcessPendingMessages",
                                     L"Present", L"WaitForRefresh(66668)", L"ProcessPendingMessages",
                                     L"Present"}));
  EXPECT_EQ(Calls(run.fake.calls.end() - 5, run.fake.calls.end()),
            (Calls{L"window: FillRectangle(0, 0, 8, 4, 0)", L"Present", kStartRenderer, L"EnableTimer(4, 500)",
                   L"Hide"}));
  EXPECT_FALSE(run.form->Tick(SaverWindow::kStartEffect)) << "the effect ran twice";

  // The renderer's window comes and goes.
  for (const bool shown : {false, true, true}) {
    run.fake.windowTitles = shown ? std::set<std::wstring>{L"3dOrvane_VC"} : std::set<std::wstring>{};
    run.form->Tick(SaverWindow::kRendererWatch);
    EXPECT_TRUE(run.form->IsLoaded());
  }
  run.fake.windowTitles.clear();
  run.fake.calls.clear();
  run.form->Tick(SaverWindow::kRendererWatch);
  Calls close{L"FindTopLevelWindow(3dOrvane_VC)", L"DisableTimer(4)", L"Unload", L"ShowCursor(-1)",
              L"SetSystemParameter(97, 0)"};
  close.insert(close.end(), kRemoveStagedFiles.begin(), kRemoveStagedFiles.end());
  EXPECT_EQ(run.fake.calls, close);
  EXPECT_EQ(run.saverMode.savedCursorCount, 0);
}

TEST(SaverWindow, EveryMonitorIsCoveredAndTornApartOnItsOwn) {
  SaverRun run;
  // The primary monitor of 8 x 4, and one of 6 x 4 left of it and a row lower: a virtual
  // screen of 14 x 5 from (-6, 0), whose top-left 6 x 1 and bottom-right 8 x 1 no monitor shows.
  run.fake.forms.monitors = {{{0, 0, 8, 4}, {0, 0, 8, 4}}, {{-6, 1, 0, 5}, {-6, 1, 0, 5}}};
  run.Load();
  EXPECT_EQ(Calls(run.fake.calls.begin() + 1, run.fake.calls.begin() + 7),
            (Calls{L"SetBounds(-6, 0, 8, 5)", L"window: Resize(14, 5)", L"CreateImage(image1, 14, 5)",
                   L"image1: CopyFromScreen(-6, 0)", L"window: CopyFrom(image1, 6, 0, 8, 4, 6, 0)",
                   L"window: CopyFrom(image1, 0, 1, 6, 4, 0, 1)"}));

  run.fake.calls.clear();
  run.form->Tick(SaverWindow::kStartEffect);
  // Each monitor's crack runs down its own middle, on a picture of that monitor alone.
  for (const std::wstring& call :
       {L"image2: CopyFrom(image1, 6, 0, 8, 4, 0, 0)", L"image2: DrawLine(4, 0, 8, 0, 0)",
        L"window: CopyFrom(image2, 0, 0, 8, 4, 6, 0)", L"image3: CopyFrom(image1, 0, 1, 6, 4, 0, 0)",
        L"image3: DrawLine(3, 0, 6, 0, 0)", L"window: CopyFrom(image3, 0, 0, 6, 4, 0, 1)"}) {
    EXPECT_TRUE(run.Called(call)) << call;
  }
  // The first frame: each left part leaves by its own monitor's left edge, each gap stops at
  // its right edge; nothing reaches the other monitor.
  for (const std::wstring& call :
       {L"window: CopyFrom(image1, 8, 0, 6, 2, 6, 0)", L"window: FillRectangle(12, 0, 2, 2, 0)",
        L"window: CopyFrom(image1, 2, 1, 4, 2, 0, 1)", L"window: FillRectangle(4, 1, 2, 2, 0)"}) {
    EXPECT_TRUE(run.Called(call)) << call;
  }
  // The smaller monitor's travel of 6 takes two frames, the primary's of 8 three: in the third
  // the smaller one turns black, and the monitors advance together, one present a refresh.
  Calls presentsAndBlack;
  std::copy_if(run.fake.calls.begin(), run.fake.calls.end(), std::back_inserter(presentsAndBlack),
               [](const auto& call) { return call == L"Present" || call == L"window: FillRectangle(0, 1, 6, 4, 0)"; });
  EXPECT_EQ(presentsAndBlack, (Calls{L"Present", L"Present", L"Present", L"window: FillRectangle(0, 1, 6, 4, 0)",
                                     L"Present", L"Present"}));
  EXPECT_TRUE(run.Called(L"window: FillRectangle(0, 0, 14, 5, 0)"));
}

TEST(SaverWindow, MusicStartsByKindAndFileTypeAndStopsAtTheClose) {
  const struct {
    std::int16_t kind;
    std::wstring file;
    bool disc;
    Calls started, stopped;
  } cases[] = {
      {1, L"", true, {L"mci open cdaudio [0]", L"mci set cdaudio time format tmsf [0]"},
       {L"mci stop cdaudio [0]", L"mci close cdaudio [0]"}},
      // Once the watch has found no disc it stops for good, and the drive is left alone.
      {1, L"", false, {L"mci open cdaudio [0]", L"mci set cdaudio time format tmsf [0]"}, {}},
      {2, L"D:\\a.Wav", true, {L"waveOutGetNumDevs", L"PlaySound(D:\\a.Wav, 9)"}, {L"PlaySound(NULL, 0)"}},
      {2, L"D:\\bWAV", true, {L"waveOutGetNumDevs", L"PlaySound(D:\\bWAV, 9)"}, {L"PlaySound(NULL, 0)"}},
      {2, L"D:\\c.mp3", true, {L"mci open \"D:\\c.mp3\" type MPEGVideo Alias MP3Play [0]", L"mci play MP3Play [0]"},
       {L"mci stop MP3Play [0]", L"mci close MP3Play [0]"}},
      {2, L"D:\\d.mpeg", true, {}, {}},
      {0, L"D:\\e.wav", true, {}, {}},
      {5, L"D:\\f.wav", true, {}, {}},
  };
  for (const auto& c : cases) {
    SaverRun run({settings::MusicSource{c.kind}, 0, c.file});
    run.Load();
    EXPECT_EQ(run.fake.multimedia.calls, c.started) << c.file;
    EXPECT_EQ(run.form->TimerInterval(SaverWindow::kCdWatch), c.kind == 1 ? 200u : 0u) << c.file;
    EXPECT_EQ(run.form->TimerInterval(SaverWindow::kMp3Watch), c.file == L"D:\\c.mp3" ? 1000u : 0u);
    if (!c.disc) run.fake.multimedia.Script(L"status cdaudio current track", {266, std::nullopt});
    run.form->Tick(SaverWindow::kCdWatch);
    run.fake.multimedia.calls.clear();
    run.form->Unload();
    EXPECT_EQ(run.fake.multimedia.calls, c.stopped) << c.file;
  }
}

TEST(SaverWindow, TheRunEndsTheNormalWayWhenTheRendererFailsOrIsClosedEndingOneThatNeverShowed) {
  const struct {
    const char* what;
    bool startFails;
    // A tick of the renderer watch each: '.' no renderer window, 'W' its window shown, 'E' the
    // renderer ended; or a close from outside: 'u' without its window, 'U' with it.
    std::string events;
    std::size_t closedAfter;
    bool rendererEnded;
  } cases[] = {
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
    run.Load();
    run.form->Tick(SaverWindow::kStartEffect);
    std::size_t closedAfter = run.form->IsLoaded() ? c.events.size() + 1 : 0;
    for (std::size_t i = 0; i < c.events.size(); ++i) {
      const char event = c.events[i];
      run.fake.windowTitles.clear();
      if (event == 'W' || event == 'U') run.fake.windowTitles.insert(L"3dOrvane_VC");
      run.fake.startedProgramEnded = event == 'E';
      if (event == 'u' || event == 'U') {
        run.form->Unload();
      } else {
        run.form->Tick(SaverWindow::kRendererWatch);
      }
      if (!run.form->IsLoaded() && closedAfter > c.events.size()) closedAfter = i + 1;
    }
    EXPECT_EQ(closedAfter, c.closedAfter) << c.what;
    EXPECT_EQ(run.Called(L"EndProgram"), c.rendererEnded) << c.what;
    // Cursor back and files removed; a renderer is ended before the files it would read go.
    EXPECT_TRUE(run.Called(L"ShowCursor(-1)")) << c.what;
    EXPECT_EQ(run.IndexOf(L"CanOpenForReading(C:\\v_orim\\3dOrvane.x)") + 4, run.fake.calls.size()) << c.what;
    EXPECT_TRUE(!c.rendererEnded || run.IndexOf(L"EndProgram") < run.fake.calls.size() - 4) << c.what;
  }
}

}  // namespace
}  // namespace orvane::saver

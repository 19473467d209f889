#include "saver/saver_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_platform.h"

namespace orvane::saver {
namespace {

using Calls = std::vector<std::wstring>;

const std::wstring kFolder = L"C:\\Program Files\\3dOrvane";
const std::wstring kRenderer = kFolder + L"\\3dOrvane.dll";

class SaverWindowTest : public ::testing::Test {
 protected:
  SaverWindowTest() {
    fake.readableFiles.insert(kFolder + L"\\3dOrvane.x");
    saverMode.savedCursorCount = -1;
  }
  void Load() {
    saver.Load();
    form = fake.forms.form;
  }
  // Loads, runs the effect and leaves the renderer watch running.
  void LoadAndStartRenderer() {
    Load();
    form->Tick(SaverWindow::kStartEffect);
    fake.calls.clear();
  }
  bool Called(const std::wstring& call) const {
    return std::find(fake.calls.begin(), fake.calls.end(), call) != fake.calls.end();
  }
  std::size_t IndexOf(const std::wstring& call) const {
    return static_cast<std::size_t>(std::find(fake.calls.begin(), fake.calls.end(), call) -
                                    fake.calls.begin());
  }
  Calls CallsFrom(const std::wstring& first) const {
    const auto start = std::find(fake.calls.begin(), fake.calls.end(), first);
    return Calls(start, fake.calls.end());
  }

  testing::FakePlatform fake;
  settings::Settings settings;
  SaverModeState saverMode;
  SaverWindow saver{fake.services, settings, saverMode, [] { return 0.25; }};
  testing::FakeFormWindow* form = nullptr;
};

TEST_F(SaverWindowTest, LoadCoversTheScreenWithTheDesktopStagesTheFilesThenShows) {
  Load();

  EXPECT_EQ(fake.calls,
            (Calls{
                L"CreateForm(3dOrvane_Main)",
                L"SetBounds(0, 0, 8, 4)",
                L"window: Resize(8, 4)",
                L"CreateImage(image1, 8, 4)",
                L"image1: CopyFromScreen",
                L"window: CopyFrom(image1, 0, 0, 8, 4, 0, 0)",
                L"CopyFileReplacing(" + kFolder + L"\\3dOrvane.x, C:\\v_orim\\3dOrvane.x)",
                L"ResourceData(101)",
                L"WriteWholeFile(C:\\v_orim\\3dOrvane.bmp, 2 bytes)",
                L"Show",
                L"EnableTimer(3, 1)",
            }));
}

TEST_F(SaverWindowTest, MusicStartsByKindAndFileType) {
  const struct {
    std::int16_t kind;
    std::wstring file;
    std::wstring expectedCall;  // empty: no music at all
  } cases[] = {
      {1, L"", L"mci open cdaudio [0]"},
      {2, L"D:\\a.Wav", L"PlaySound(D:\\a.Wav, 9)"},
      {2, L"D:\\bWAV", L"PlaySound(D:\\bWAV, 9)"},
      {2, L"D:\\c.mp3", L"mci open \"D:\\c.mp3\" type MPEGVideo Alias MP3Play [0]"},
      {2, L"D:\\d.mpeg", L""},
      {0, L"D:\\e.wav", L""},
      {5, L"D:\\f.wav", L""},
  };
  for (const auto& c : cases) {
    testing::FakePlatform platform;
    settings = {c.kind, 0, c.file};
    SaverWindow window(platform.services, settings, saverMode, [] { return 0.5; });
    window.Load();
    const Calls& calls = platform.multimedia.calls;
    if (c.expectedCall.empty()) {
      EXPECT_TRUE(calls.empty()) << c.kind;
    } else {
      EXPECT_NE(std::find(calls.begin(), calls.end(), c.expectedCall), calls.end()) << c.kind;
    }
    auto* form = platform.forms.form;
    EXPECT_EQ(form->TimerEnabled(SaverWindow::kCdWatch), c.kind == 1);
    EXPECT_EQ(form->TimerInterval(SaverWindow::kCdWatch), c.kind == 1 ? 200u : 0u);
    EXPECT_EQ(form->TimerEnabled(SaverWindow::kMp3Watch), c.file == L"D:\\c.mp3" && c.kind == 2);
  }
}

TEST_F(SaverWindowTest, CdWatchSwitchesItselfOffForGoodWithoutADisc) {
  settings.bgmKind = settings::kAudioCd;
  fake.multimedia.Script(L"status cdaudio current track", {266, std::nullopt});
  Load();

  EXPECT_TRUE(form->Tick(SaverWindow::kCdWatch));
  EXPECT_FALSE(form->TimerEnabled(SaverWindow::kCdWatch));
  fake.multimedia.calls.clear();
  form->Unload();

  EXPECT_TRUE(fake.multimedia.calls.empty()) << "the drive was closed although polling had stopped";
}

TEST_F(SaverWindowTest, CloseStopsTheMusicGivesTheCursorBackClearsTheFlagAndRemovesTheFiles) {
  settings = {settings::kMusicFile, 0, L"D:\\song.mp3"};
  Load();
  fake.calls.clear();
  fake.multimedia.calls.clear();
  fake.cursorCountAfterCall = 0;

  form->Unload();

  EXPECT_EQ(fake.multimedia.calls, (Calls{L"mci stop MP3Play [0]", L"mci close MP3Play [0]"}));
  EXPECT_EQ(fake.calls, (Calls{L"Unload", L"DisableTimer(1)", L"ShowCursor(-1)",
                               L"SetSystemParameter(97, 0)",
                               L"CanOpenForReading(C:\\v_orim\\3dOrvane.x)",
                               L"RemoveFile(C:\\v_orim\\3dOrvane.x)",
                               L"CanOpenForReading(C:\\v_orim\\3dOrvane.bmp)",
                               L"RemoveFile(C:\\v_orim\\3dOrvane.bmp)"}));
  EXPECT_EQ(saverMode.savedCursorCount, 0);
}

TEST_F(SaverWindowTest, WithoutSaverModeTheCursorAndFlagAreLeftAlone) {
  saverMode.savedCursorCount.reset();
  Load();
  fake.calls.clear();

  form->Unload();

  EXPECT_FALSE(Called(L"ShowCursor(-1)"));
  EXPECT_FALSE(Called(L"SetSystemParameter(97, 0)"));
}

TEST_F(SaverWindowTest, FirstTickPlaysTheEffectBlackensStartsTheRendererAndHides) {
  Load();
  fake.calls.clear();

  EXPECT_TRUE(form->Tick(SaverWindow::kStartEffect));

  EXPECT_EQ(fake.calls.front(), L"DisableTimer(3)");
  // The crack starts at the top middle; a draw of 0.25 gives a step width of 4, to the right.
  EXPECT_EQ(fake.calls[1], L"window: DrawLine(4, 0, 8, 0, 0)");
  EXPECT_EQ(CallsFrom(L"window: FillRectangle(0, 0, 8, 4, 0)"),
            (Calls{L"window: FillRectangle(0, 0, 8, 4, 0)", L"Present",
                   L"StartProgram(" + kRenderer + L" | " + kRenderer + L" | 1)",
                   L"EnableTimer(4, 500)", L"Hide"}));
  EXPECT_FALSE(form->Tick(SaverWindow::kStartEffect)) << "the effect ran twice";
}

TEST_F(SaverWindowTest, RendererWatchWaitsForTheWindowThenForItToGo) {
  LoadAndStartRenderer();

  EXPECT_TRUE(form->Tick(SaverWindow::kRendererWatch));
  EXPECT_TRUE(form->IsLoaded()) << "closed before the renderer's window appeared";
  fake.windowTitles.insert(L"3dOrvane_VC");
  form->Tick(SaverWindow::kRendererWatch);
  form->Tick(SaverWindow::kRendererWatch);
  EXPECT_TRUE(form->IsLoaded());

  fake.windowTitles.clear();
  form->Tick(SaverWindow::kRendererWatch);

  EXPECT_FALSE(form->IsLoaded());
  EXPECT_TRUE(Called(L"DisableTimer(4)"));
  EXPECT_TRUE(Called(L"RemoveFile(C:\\v_orim\\3dOrvane.x)"));
}

TEST_F(SaverWindowTest, RendererThatCannotStartClosesTheSaverTheNormalWay) {
  fake.startProgramFails = true;
  Load();

  form->Tick(SaverWindow::kStartEffect);

  EXPECT_FALSE(form->IsLoaded());
  EXPECT_TRUE(Called(L"ShowCursor(-1)"));
  EXPECT_TRUE(Called(L"RemoveFile(C:\\v_orim\\3dOrvane.bmp)"));
}

TEST_F(SaverWindowTest, RendererThatEndsBeforeItsWindowWasSeenClosesTheSaver) {
  LoadAndStartRenderer();
  *fake.startedProgramEnded = true;

  form->Tick(SaverWindow::kRendererWatch);

  EXPECT_FALSE(form->IsLoaded());
}

TEST_F(SaverWindowTest, RendererThatNeverShowsAWindowIsGivenUpAfterThirtySecondsAndEnded) {
  LoadAndStartRenderer();

  for (int tick = 1; tick < SaverWindow::kRendererWindowWaitTicks; ++tick) {
    form->Tick(SaverWindow::kRendererWatch);
  }
  EXPECT_TRUE(form->IsLoaded());
  form->Tick(SaverWindow::kRendererWatch);

  EXPECT_FALSE(form->IsLoaded());
  EXPECT_EQ(SaverWindow::kRendererWindowWaitTicks * SaverWindow::kRendererWatchMs, 30000u);
  // Ended, and before the files it would read go.
  EXPECT_LT(IndexOf(L"EndProgram"), IndexOf(L"RemoveFile(C:\\v_orim\\3dOrvane.x)"));
}

TEST_F(SaverWindowTest, CloseFromOutsideEndsTheRendererOnlyWhileItsWindowHasNotShown) {
  const struct {
    bool seenByATick;
    bool shownAtTheClose;
    bool ended;
  } cases[] = {
      {false, false, true},
      // Shown since the last tick: the user is already looking at it.
      {false, true, false},
      {true, true, false},
  };
  for (const auto& c : cases) {
    testing::FakePlatform platform;
    SaverWindow window(platform.services, settings, saverMode, [] { return 0.5; });
    window.Load();
    auto* form = platform.forms.form;
    form->Tick(SaverWindow::kStartEffect);
    if (c.seenByATick) {
      platform.windowTitles.insert(L"3dOrvane_VC");
      form->Tick(SaverWindow::kRendererWatch);
    }
    if (c.shownAtTheClose) platform.windowTitles.insert(L"3dOrvane_VC");

    form->Unload();

    const Calls& calls = platform.calls;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), L"EndProgram"), c.ended ? 1 : 0)
        << c.seenByATick << c.shownAtTheClose;
  }
}

TEST_F(SaverWindowTest, CloseFromOutsideDuringTheEffectStopsItAndStartsNoRenderer) {
  Load();
  fake.forms.onPendingMessages = [this] { form->Unload(); };

  form->Tick(SaverWindow::kStartEffect);

  EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), L"ProcessPendingMessages"), 1);
  EXPECT_FALSE(Called(L"StartProgram(" + kRenderer + L" | " + kRenderer + L" | 1)"));
  EXPECT_TRUE(Called(L"RemoveFile(C:\\v_orim\\3dOrvane.x)"));
}

}  // namespace
}  // namespace orvane::saver

// The settings dialog under Wine in the Japanese locale: what it shows of each kind of
// settings file, where it and its controls sit, what "設定" and "ｷｬﾝｾﾙ" leave in the file,
// and that it refuses a second copy.
#include <algorithm>

#include "dialog_fixture.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

TEST_F(DialogTest, OpensShowingTheSettingsOfEachKindOfFile) {
  std::ofstream(program_ / "song.wav") << "RIFF";
  const std::string song = WindowsPath(program_ / "song.wav");
  const struct {
    std::string kind, repeat, file;
    int marked;
    bool trackBoxEnabled;
    std::string trackText;
    bool fileButtonEnabled;
    std::string fileShown;
  } cases[] = {
      {"0", "0", "", 0, false, "", false, ""},
      {"1", "12", "", 1, true, "12", false, ""},
      {"2", "0", song, 2, false, "", true, song},
      // A music file that is gone falls back to no music.
      {"2", "4", WindowsPath(program_ / "gone.mp3"), 0, false, "4", false, ""},
      // A kind from a hand-edited file: no source is marked.
      {"7", "3", song, -1, false, "3", false, song},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("kind " + c.kind + ", track " + c.repeat + ", file " + c.file);
    WriteIni(c.kind, c.repeat, c.file);
    const std::string before = IniBytes();
    ChildProcess saver = OpenDialog();

    EXPECT_EQ(MarkedSource(), c.marked);
    EXPECT_EQ(Control(kTrackBox).enabled, c.trackBoxEnabled);
    EXPECT_EQ(Control(kTrackBox).text, c.trackText);
    EXPECT_EQ(Control(kFileButton).enabled, c.fileButtonEnabled);
    EXPECT_EQ(Control(kFileName).text, c.fileShown);

    // Closed from the title bar: nothing is written.
    ASSERT_TRUE(probe().Close(kDialogTitle));
    EXPECT_EQ(saver.WaitForExit(10s), 0);
    EXPECT_EQ(IniBytes(), before);
  }
}

TEST_F(DialogTest, ControlsSitWhereTheDialogIsDesignedAndItOpensAThirdOfTheWayDown) {
  ChildProcess saver = OpenDialog();

  EXPECT_EQ(dialog_.clientWidth, 495);
  EXPECT_EQ(dialog_.clientHeight, 246);
  // Left, top, width and height in the client area; the panel's controls lie in the panel
  // at (12, 16).
  const struct {
    int id;
    std::string className, text;
    int left, top, width, height;
  } layout[] = {
      {kPanel, "ThreeDOrvane.PictureBox", "", 12, 16, 469, 165},
      {kHeading, "ThreeDOrvane.Label", "BGM", 12 + 20, 16 + 24, 111, 13},
      {kSourceMark + 1, "ThreeDOrvane.Image", "", 12 + 28, 16 + 56, 13, 13},
      {kSourceName + 1, "ThreeDOrvane.Label", "音楽CD", 12 + 44, 16 + 56, 43, 13},
      {kTrackBox, "ComboBox", "", 12 + 112, 16 + 52, 41, 20},
      {kTrackCaption, "ThreeDOrvane.Label", "曲目をﾘﾋﾟｰﾄ", 12 + 156, 16 + 56, 66, 13},
      {kSourceMark + 0, "ThreeDOrvane.Image", "", 12 + 28, 16 + 76, 13, 13},
      {kSourceName + 0, "ThreeDOrvane.Label", "なし", 12 + 44, 16 + 76, 22, 13},
      {kSourceMark + 2, "ThreeDOrvane.Image", "", 12 + 28, 16 + 96, 13, 13},
      {kSourceName + 2, "ThreeDOrvane.Label", "MP3、WAV", 12 + 44, 16 + 96, 60, 13},
      {kFileButton, "ThreeDOrvane.Command", "", 12 + 40, 16 + 112, 29, 21},
      {kFileName, "ThreeDOrvane.Label", "", 12 + 72, 16 + 112, 381, 33},
      {kCredit, "ThreeDOrvane.Label", "3dOrvane Screen Saver", 12, 192, 165, 13},
      {kLink, "ThreeDOrvane.Label", "http://3dorvane.example.com/", 12, 208, 219, 13},
      {kSaveButton, "ThreeDOrvane.Command", "", 292, 200, 93, 25},
      {kCancelButton, "ThreeDOrvane.Command", "", 388, 200, 93, 25},
  };
  for (const auto& c : layout) {
    const ChildWindowInfo& control = Control(c.id);
    EXPECT_EQ(control.className, c.className) << c.id;
    EXPECT_EQ(control.text, c.text) << c.id;
    EXPECT_EQ(control.left, c.left) << c.id;
    EXPECT_EQ(control.top, c.top) << c.id;
    EXPECT_EQ(control.right - control.left, c.width) << c.id;
    EXPECT_EQ(control.bottom - control.top, c.height) << c.id;
  }

  // Centred across the 1024 x 768 screen, a third of the free height down.
  const std::vector<WindowInfo> windows = probe().Windows();
  const auto window = std::find_if(windows.begin(), windows.end(),
                                   [](const WindowInfo& w) { return w.title == kDialogTitle; });
  ASSERT_NE(window, windows.end());
  const int width = window->right - window->left;
  const int height = window->bottom - window->top;
  EXPECT_EQ(window->left, (1024 - width) / 2);
  EXPECT_EQ(window->top, (768 - height) / 3);
  EXPECT_EQ(window->className, "ThreeDOrvane.Form");

  Click(kCancelButton);
  EXPECT_EQ(saver.WaitForExit(10s), 0);
}

TEST_F(DialogTest, SavingWritesTheThreeKeysAndEndsTheProgram) {
  ChildProcess saver = OpenDialog();

  Click(kSaveButton);

  EXPECT_EQ(saver.WaitForExit(10s), 0);
  // The track box starts empty, and an empty track is saved as 0.
  EXPECT_EQ(IniBytes(), SavedIni("0", "0", ""));
}

TEST_F(DialogTest, CancellingAfterChangesLeavesTheFileAsItWasAndEndsTheProgram) {
  std::ofstream(program_ / "old.mp3") << "ID3";
  WriteIni(" 1", " 5", WindowsPath(program_ / "old.mp3"));
  const std::string before = IniBytes();
  ChildProcess saver = OpenDialog();
  Click(kSourceName + 2);
  ChooseFile(WindowsPath(program_ / "other.wav"));
  TypeTrack("9");
  ASSERT_EQ(Control(kFileName).text, WindowsPath(program_ / "other.wav"));

  Click(kCancelButton);

  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), before);
}

TEST_F(DialogTest, ASecondCopyEndsAtOnceWhileTheDialogIsOpen) {
  ChildProcess dialog = OpenDialog();
  const fs::path other = MakeProgramFolder({}, PrimaryBuild(), "other");

  for (const std::string mode : {"/c", "/s"}) {
    ChildProcess second = StartScreenSaver(other, {mode});
    EXPECT_EQ(second.WaitForExit(15s), 0) << mode;
  }

  const std::vector<WindowInfo> windows = probe().Windows();
  EXPECT_EQ(std::count_if(windows.begin(), windows.end(),
                          [](const WindowInfo& w) { return w.title == kDialogTitle; }),
            1);
  EXPECT_FALSE(dialog.HasEnded());
  Click(kCancelButton);
  EXPECT_EQ(dialog.WaitForExit(10s), 0);
}

}  // namespace
}  // namespace orvane::e2e

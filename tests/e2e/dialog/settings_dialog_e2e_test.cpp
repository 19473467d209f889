// The settings dialog under Wine in the Japanese locale: what it shows of each kind of
// settings file, where it and its controls sit and that every text shows whole, also on a
// scaled display, what "設定" and "ｷｬﾝｾﾙ" leave in the file, that a file it cannot write is
// reported, that only a press begun on a button clicks it, and that it refuses a second copy.
#include <algorithm>
#include <iostream>

#include "dialog_fixture.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

// The music file of the settings the layout is looked at with.
const std::string kMusicFile = R"(C:\Music\song.wav)";

// Left, top, width and height of each control in the client area, as the dialog is designed;
// the panel's controls lie in the panel at (12, 16).
const struct {
  int id;
  std::string className, text;
  int left, top, width, height;
} kLayout[] = {
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
    // A button's window carries its caption, so screen readers can name it.
    {kFileButton, "ThreeDOrvane.Command", "...", 12 + 40, 16 + 112, 29, 21},
    {kFileName, "ThreeDOrvane.Label", kMusicFile, 12 + 72, 16 + 112, 381, 33},
    {kCredit, "ThreeDOrvane.Label", "3dOrvane Screen Saver", 12, 192, 165, 13},
    {kLink, "ThreeDOrvane.Label", "http://3dorvane.example.com/", 12, 208, 219, 13},
    {kSaveButton, "ThreeDOrvane.Command", "設定", 292, 200, 93, 25},
    {kCancelButton, "ThreeDOrvane.Command", "ｷｬﾝｾﾙ", 388, 200, 93, 25},
};

// The dialog's texts and captions, in its font: "ＭＳ Ｐゴシック" at 9.75 points.
const std::string kDialogFace = "ＭＳ Ｐゴシック";
constexpr double kDialogPoints = 9.75;
constexpr int kButtonFrame = 4;  // a caption lies inside the button's frame
const struct {
  int id;
  std::string text;
  // How many pixels wider than its box the text may be: Wine has no ＭＳ Ｐゴシック, and the
  // half-width kana of the font standing in for it are wider.
  int wider;
} kTexts[] = {
    {kHeading, "BGM", 0},
    {kSourceName + 0, "なし", 0},
    {kSourceName + 1, "音楽CD", 0},
    {kSourceName + 2, "MP3、WAV", 0},
    {kTrackCaption, "曲目をﾘﾋﾟｰﾄ", 2},
    {kFileName, kMusicFile, 0},
    {kCredit, "3dOrvane Screen Saver", 0},
    {kLink, "http://3dorvane.example.com/", 0},
    {kFileButton, "...", 0},
    {kSaveButton, "設定", 0},
    {kCancelButton, "ｷｬﾝｾﾙ", 0},
};

class LayoutTest : public DialogTest {
 protected:
  void TearDown() override {
    if (scaled_) DotsPerInchSetting({"delete"});
    DialogTest::TearDown();
  }

  // The display's dots per inch for the programs started from now on in the test.
  void ScaleDisplay(int dotsPerInch) {
    DotsPerInchSetting({"add", "/t", "REG_DWORD", "/d", std::to_string(dotsPerInch)});
    scaled_ = true;
  }

  // The dialog of a program folder whose settings name a music file, so that every text is
  // shown, the file button's caption in ink, not greyed.
  ChildProcess OpenDialogWithAMusicFile() {
    const fs::path music = WineSession::Current().DriveC() / "Music";
    fs::create_directories(music);
    std::ofstream(music / "song.wav") << "RIFF";
    WriteIni("2", "0", kMusicFile);
    return OpenDialog();
  }

  void ExpectControlsWhereDesigned() {
    for (const auto& c : kLayout) {
      const ChildWindowInfo& control = Control(c.id);
      EXPECT_EQ(control.className, c.className) << c.id;
      EXPECT_EQ(control.text, c.text) << c.id;
      EXPECT_EQ(control.left, c.left) << c.id;
      EXPECT_EQ(control.top, c.top) << c.id;
      EXPECT_EQ(control.right - control.left, c.width) << c.id;
      EXPECT_EQ(control.bottom - control.top, c.height) << c.id;
    }
  }

  // Every text's extent, in the dialog's font at the dots per inch the dialog works in, fits
  // inside its box.
  void ExpectEveryTextFits() {
    std::vector<std::string> texts;
    for (const auto& text : kTexts) texts.push_back(text.text);
    const auto extents = probe().TextExtents(kDialogTitle, kDialogFace, kDialogPoints, texts);
    ASSERT_EQ(extents.size(), texts.size()) << "the texts were not measured";
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const ChildWindowInfo& control = Control(kTexts[i].id);
      const int inset = control.className == "ThreeDOrvane.Command" ? 2 * kButtonFrame : 0;
      const int width = control.right - control.left - inset;
      const int height = control.bottom - control.top - inset;
      const auto [textWidth, textHeight] = extents[i];
      std::cout << texts[i] << ": " << textWidth << " x " << textHeight << " in " << width << " x "
                << height << "\n";
      EXPECT_LE(textWidth, width + kTexts[i].wider) << texts[i];
      EXPECT_LE(textHeight, height) << texts[i];
    }
  }

 private:
  // Adds or deletes Wine's setting of the display's dots per inch in the prefix's registry.
  void DotsPerInchSetting(const std::vector<std::string>& change) {
    std::vector<std::string> command{WineSession::Current().Variable("WINE"), "reg", change[0],
                                     R"(HKCU\Control Panel\Desktop)", "/v", "LogPixels", "/f"};
    command.insert(command.end(), change.begin() + 1, change.end());
    RunOnLinux(command);
  }

  bool scaled_ = false;
};

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
      // A music file out of reach stays chosen, as the file holds it.
      {"2", "4", WindowsPath(program_ / "gone.mp3"), 2, false, "4", true,
       WindowsPath(program_ / "gone.mp3")},
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

TEST_F(LayoutTest, ControlsSitWhereDesignedEveryTextFitsAndItOpensAThirdOfTheWayDown) {
  ChildProcess saver = OpenDialogWithAMusicFile();

  EXPECT_EQ(dialog_.clientWidth, 495);
  EXPECT_EQ(dialog_.clientHeight, 246);
  ExpectControlsWhereDesigned();
  ExpectEveryTextFits();

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

TEST_F(LayoutTest, OnADisplayScaledTo150PercentTheLayoutHoldsAndEveryTextFits) {
  ScaleDisplay(144);
  ChildProcess saver = OpenDialogWithAMusicFile();

  // The dialog is laid out in pixels of 96 dots per inch, and the system scales it whole;
  // Wine shows it at that size.
  EXPECT_EQ(dialog_.clientWidth, 495);
  EXPECT_EQ(dialog_.clientHeight, 246);
  ExpectControlsWhereDesigned();
  ExpectEveryTextFits();

  // Closed from outside, not with "ｷｬﾝｾﾙ": Wine scales the pointer's position for a program
  // unaware of the display's scale but not its windows, so the buttons' hover poll would see
  // the pointer elsewhere and could take the click back.
  ASSERT_TRUE(probe().Close(kDialogTitle));
  EXPECT_EQ(saver.WaitForExit(10s), 0);
}

TEST_F(DialogTest, SavingWritesTheThreeKeysAndEndsTheProgram) {
  ChildProcess saver = OpenDialog();

  Click(kSaveButton);

  EXPECT_EQ(saver.WaitForExit(10s), 0);
  // The track box starts empty, and an empty track is saved as 0.
  EXPECT_EQ(IniBytes(), SavedIni("0", "0", ""));
}

TEST_F(DialogTest, SavingKeepsAMusicFileThatIsOutOfReach) {
  const std::string unplugged = WindowsPath(program_ / "unplugged" / "song.mp3");
  WriteIni(" 2", " 0", unplugged);
  ChildProcess saver = OpenDialog();

  // Only the CD track is changed.
  Click(kSourceName + 1);
  TypeTrack("5");
  Click(kSaveButton);

  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), SavedIni("1", "5", unplugged));
}

// A folder where the settings file belongs makes every write fail, even for root, under
// whom Wine rewrites a read-only file.
TEST_F(DialogTest, ASaveThatFailsIsReportedNamingTheFileAndTheDialogStaysOpen) {
  fs::create_directory(IniFile());
  ChildProcess saver = OpenDialog();

  Click(kSaveButton);

  const auto box = probe().WaitForMessageBox(kApplicationTitle, 10s);
  ASSERT_TRUE(box) << "no message";
  EXPECT_EQ(box->text, WindowsPath(IniFile()) + " に設定を保存できませんでした！");
  EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
  Screenshot("save-failed");
  ASSERT_TRUE(probe().Press(kApplicationTitle, "OK"));
  std::this_thread::sleep_for(500ms);
  EXPECT_FALSE(saver.HasEnded());
  ASSERT_TRUE(Refresh()) << "the dialog closed";

  Click(kCancelButton);
  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_TRUE(fs::is_directory(IniFile()));
}

// A press that closes the window under the pointer, as the second press of a double click
// closes the file chooser, or that starts a drag on the panel, leaves its release to land on
// a button of the dialog. Whichever mouse button it is, that release clicks nothing.
TEST_F(DialogTest, OnlyAPressBegunOnAButtonClicksIt) {
  ChildProcess saver = OpenDialog();
  const auto clicked = [&](const std::string& what) {
    std::this_thread::sleep_for(300ms);
    EXPECT_FALSE(fs::exists(IniFile())) << what << " saved";
    if (!saver.HasEnded()) return false;
    ADD_FAILURE() << what << " clicked a button";
    return true;
  };

  for (const std::string mouseButton : {"1", "2", "3"}) {
    for (const int target : {kSaveButton, kCancelButton}) {
      const auto [x, y] = ScreenPoint(target);
      ChildProcess cover = probe().HoldUntilPressed("Closes On Press", x - 30, y - 10, 60, 20);
      MovePointer(x, y);
      Xdotool({"mousedown", mouseButton});
      ASSERT_TRUE(cover.WaitForExit(10s)) << "the press did not close the window";
      Xdotool({"mouseup", mouseButton});
      if (clicked("button " + mouseButton + " released on " + std::to_string(target) +
                  " after closing a window")) {
        return;
      }
    }
    const auto [panelX, panelY] = ScreenPoint(kPanel, 300, 20);
    MovePointer(panelX, panelY);
    Xdotool({"mousedown", mouseButton});
    MoveOnto(kSaveButton);
    Xdotool({"mouseup", mouseButton});
    if (clicked("button " + mouseButton + " dragged from the panel")) return;
  }

  // A press of its own still clicks it.
  Click(kSaveButton);
  EXPECT_EQ(saver.WaitForExit(10s), 0);
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

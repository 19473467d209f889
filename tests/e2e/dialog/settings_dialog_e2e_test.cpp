// The settings dialog under Wine in the Japanese locale, driven with the real pointer and
// keyboard: that its code page 932 texts show whole on a scaled display, where it opens,
// what it shows of a settings file, what "設定", "ｷｬﾝｾﾙ" and the title bar's close leave in the
// file, and that a file it cannot write is reported.
#include <algorithm>
#include <iterator>

#include "dialog_fixture.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

// The texts of the dialog, in its font "ＭＳ Ｐゴシック" at 9.75 points, and how many pixels
// wider than its box each may be: Wine has no ＭＳ Ｐゴシック, and the half-width kana of the
// font standing in for it are wider.
const struct {
  int id;
  std::string text;
  int wider;
} kTexts[] = {
    {kHeading, "BGM", 0},
    {kSourceName + 0, "なし", 0},
    {kSourceName + 1, "音楽CD", 0},
    {kSourceName + 2, "MP3、WAV", 0},
    {kTrackCaption, "曲目をﾘﾋﾟｰﾄ", 2},
    {kCredit, "3dOrvane Screen Saver", 0},
    {kLink, "http://3dorvane.example.com/", 0},
    {kFileButton, "...", 0},
    {kSaveButton, "設定", 0},
    {kCancelButton, "ｷｬﾝｾﾙ", 0},
};
constexpr int kButtonFrame = 4;  // a caption lies inside the button's frame

// The dialog on a display scaled to 150%: 144 dots per inch for the programs started in the
// test.
class LayoutTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    DotsPerInchSetting({"add", "/t", "REG_DWORD", "/d", "144"});
  }
  void TearDown() override {
    DotsPerInchSetting({"delete"});
    DialogTest::TearDown();
  }
  // Adds or deletes Wine's setting of the display's dots per inch in the prefix's registry.
  void DotsPerInchSetting(std::vector<std::string> change) {
    change.insert(change.begin() + 1, {R"(HKCU\Control Panel\Desktop)", "/v", "LogPixels", "/f"});
    change.insert(change.begin(), {WineSession::Current().Variable("WINE"), "reg"});
    RunOnLinux(change);
  }
};

TEST_F(LayoutTest, EveryTextShowsWholeInItsBoxAndClosingWritesNothing) {
  WriteIni(IniText("2", "0", FarMusicFile(true)));
  const std::string before = IniBytes();
  ChildProcess saver = OpenDialog();

  // Every control lies inside the client area, and apart from every other but the panel,
  // which holds the sources wholly.
  std::vector<ChildWindowInfo> controls;
  std::copy_if(dialog_.children.begin(), dialog_.children.end(), std::back_inserter(controls),
               [](const ChildWindowInfo& c) { return c.controlId >= kSourceName && c.controlId <= kCredit; });
  const auto apart = [](const ChildWindowInfo& a, const ChildWindowInfo& b) {
    return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
  };
  const auto inside = [](const ChildWindowInfo& a, const ChildWindowInfo& b) {
    return a.left >= b.left && a.top >= b.top && a.right <= b.right && a.bottom <= b.bottom;
  };
  for (const ChildWindowInfo& a : controls) {
    EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= dialog_.clientWidth &&
                a.bottom <= dialog_.clientHeight)
        << a.controlId;
    EXPECT_TRUE(a.controlId == kPanel || apart(a, Control(kPanel)) || inside(a, Control(kPanel)))
        << a.controlId;
    for (const ChildWindowInfo& b : controls) {
      if (a.controlId < b.controlId && a.controlId != kPanel && b.controlId != kPanel) {
        EXPECT_TRUE(apart(a, b)) << a.controlId << " overlaps " << b.controlId;
      }
    }
  }

  // The texts are the program's own, converted from code page 932, and each fits its box in
  // the dialog's font at the dots per inch it works in: the system enlarges the dialog whole.
  std::vector<std::string> texts;
  for (const auto& text : kTexts) texts.push_back(text.text);
  const auto extents = probe().TextExtents(kDialogTitle, "ＭＳ Ｐゴシック", 9.75, texts);
  ASSERT_EQ(extents.size(), texts.size()) << "the texts were not measured";
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const ChildWindowInfo& control = Control(kTexts[i].id);
    EXPECT_EQ(control.text, texts[i]);
    const int inset = control.className == "ThreeDOrvane.Command" ? 2 * kButtonFrame : 0;
    const auto [width, height] = extents[i];
    EXPECT_LE(width, control.right - control.left - inset + kTexts[i].wider) << texts[i];
    EXPECT_LE(height, control.bottom - control.top - inset) << texts[i];
  }
  EXPECT_EQ(Control(kFileName).text, FarMusicFile(false));

  // Closed from outside, not with "ｷｬﾝｾﾙ": Wine scales the pointer's position for a program
  // unaware of the display's scale but not its windows, so the buttons' hover poll would see
  // the pointer elsewhere and could take the click back.
  ASSERT_TRUE(probe().Close(kDialogTitle));
  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), before);
}

TEST_F(DialogTest, OpensCentredShowsTheStoredChoiceAndSavesTheNewOneKeepingAFileOutOfReach) {
  WriteIni(IniText("2", "0", FarMusicFile(true)));
  ChildProcess saver = OpenDialog();
  // Centred across the 1024 x 768 screen, a third of the free height down.
  const std::vector<WindowInfo> windows = probe().Windows();
  const auto window = std::find_if(windows.begin(), windows.end(),
                                   [](const WindowInfo& w) { return w.title == kDialogTitle; });
  ASSERT_NE(window, windows.end());
  EXPECT_EQ(window->left, (1024 - (window->right - window->left)) / 2);
  EXPECT_EQ(window->top, (768 - (window->bottom - window->top)) / 3);

  EXPECT_EQ(Control(kFileName).text, FarMusicFile(false));
  EXPECT_EQ(MarkedSource(), 2);
  EXPECT_TRUE(Control(kFileButton).enabled);
  EXPECT_FALSE(Control(kTrackBox).enabled);

  // The CD, by its mark and with the right button, and the last track of its list.
  Click(kSourceMark + 1, "3");
  EXPECT_EQ(MarkedSource(), 1);
  EXPECT_TRUE(Control(kTrackBox).enabled);
  EXPECT_FALSE(Control(kFileButton).enabled);
  Click(kTrackBox);
  Xdotool({"key", "--repeat", "40", "Down"});
  Click(kSaveButton);

  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), IniText("1", "30", FarMusicFile(true)));
}

TEST_F(DialogTest, CancellingWritesNothingAndASaveThatFailsIsReported) {
  WriteIni(IniText("1", "5", ""));
  const std::string before = IniBytes();
  ChildProcess cancelled = OpenDialog();
  // A music file, by the source's name and with the middle button, through the file chooser.
  Click(kSourceName + 2, "2");
  EXPECT_EQ(MarkedSource(), 2);
  const std::string song = R"(C:\new song.wav)";
  ChooseFile(song);
  EXPECT_EQ(Control(kFileName).text, song);
  Click(kCancelButton);
  EXPECT_EQ(cancelled.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), before);

  // A folder where the settings file belongs makes every write fail, even for root, under
  // whom Wine rewrites a read-only file.
  fs::remove(IniFile());
  fs::create_directory(IniFile());
  ChildProcess failing = OpenDialog();
  Click(kSaveButton);
  const auto box = probe().WaitForMessageBox(kApplicationTitle, 10s);
  ASSERT_TRUE(box) << "no message";
  EXPECT_EQ(box->text, WindowsPath(IniFile()) + " に設定を保存できませんでした！");
  ASSERT_TRUE(probe().Press(kApplicationTitle, "OK"));
  std::this_thread::sleep_for(500ms);
  EXPECT_TRUE(Refresh()) << "the dialog closed";
  Click(kCancelButton);
  EXPECT_EQ(failing.WaitForExit(10s), 0);
}

TEST_F(DialogTest, The64BitBuildChoosesAndSavesAFileToo) {
  SKIP_WHERE_64_BIT_IS_PRIMARY();
  program_ = MakeProgramFolder({}, Build::k64Bit, "program64");
  ChildProcess saver = OpenDialog();
  Click(kSourceName + 2);
  const std::string song = R"(C:\loop.wav)";

  ChooseFile(song);
  Click(kSaveButton);

  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), IniText("2", "0", song));
}

}  // namespace
}  // namespace orvane::e2e

// The settings dialog under Wine in the Japanese locale, driven with the real pointer and
// keyboard: where it opens, its code page 932 texts in boxes that do not overlap, the
// Japanese settings file it shows and saves, what "ｷｬﾝｾﾙ" leaves in the file, and that a file
// it cannot write is reported and the title bar's close then still ends the program.
#include <algorithm>
#include <iterator>

#include "dialog_fixture.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

const std::pair<int, std::string> kTexts[] = {
    {kHeading, "BGM"}, {kSourceName + 0, "なし"}, {kSourceName + 1, "音楽CD"},
    {kSourceName + 2, "MP3、WAV"}, {kTrackCaption, "曲目をﾘﾋﾟｰﾄ"},
    {kCredit, "3dOrvane Screen Saver"}, {kLink, "http://3dorvane.example.com/"},
    {kFileButton, "..."}, {kSaveButton, "設定"}, {kCancelButton, "ｷｬﾝｾﾙ"},
};

// A music file out of reach with a Japanese name, and its bytes in code page 932.
const std::string kJapaneseFile = R"(C:\音楽\夜の曲.mp3)";
const std::string kJapaneseFileBytes = "C:\\\x89\xb9\x8a\x79\\\x96\xe9\x82\xcc\x8b\xc8.mp3";

bool Apart(const ChildWindowInfo& a, const ChildWindowInfo& b) {
  return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
}

TEST_F(DialogTest, OpensCentredWithItsTextsAndSavesTheChoiceKeepingAJapaneseFile) {
  WriteIni(IniText("2", "0", kJapaneseFileBytes));
  ChildProcess saver = OpenDialog();

  // Centred across the 1024 x 768 screen, a third of the free height down.
  const std::vector<WindowInfo> windows = probe().Windows();
  const auto window = std::find_if(windows.begin(), windows.end(),
                                   [](const WindowInfo& w) { return w.title == kDialogTitle; });
  ASSERT_NE(window, windows.end());
  EXPECT_EQ(window->left, (1024 - (window->right - window->left)) / 2);
  EXPECT_EQ(window->top, (768 - (window->bottom - window->top)) / 3);

  // Every control lies inside the client area, and apart from every other but the panel,
  // which holds the sources wholly.
  std::vector<ChildWindowInfo> controls;
  std::copy_if(dialog_.children.begin(), dialog_.children.end(), std::back_inserter(controls),
               [](const ChildWindowInfo& c) { return c.controlId >= 100 && c.controlId <= kCredit; });
  const ChildWindowInfo& panel = Control(kPanel);
  for (const ChildWindowInfo& a : controls) {
    EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= dialog_.clientWidth &&
                a.bottom <= dialog_.clientHeight) << a.controlId;
    EXPECT_TRUE(a.controlId == kPanel || Apart(a, panel) || Inside(a, panel)) << a.controlId;
    for (const ChildWindowInfo& b : controls) {
      if (a.controlId < b.controlId && a.controlId != kPanel && b.controlId != kPanel) {
        EXPECT_TRUE(Apart(a, b)) << a.controlId << " overlaps " << b.controlId;
      }
    }
  }

  // The texts, read from code page 932, and the stored music file out of reach as it is stored.
  for (const auto& [id, text] : kTexts) EXPECT_EQ(Control(id).text, text);
  EXPECT_EQ(Control(kFileName).text, kJapaneseFile);
  EXPECT_TRUE(Control(kFileButton).enabled);
  EXPECT_FALSE(Control(kTrackBox).enabled);

  // The CD, by its mark and with the right button, and the last track of its list.
  Click(kSourceMark + 1, "3");
  EXPECT_TRUE(Control(kTrackBox).enabled);
  EXPECT_FALSE(Control(kFileButton).enabled);
  Click(kTrackBox);
  Xdotool({"key", "--repeat", "40", "Down"});
  Click(kSaveButton);

  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), IniText("1", "30", kJapaneseFileBytes));
}

TEST_F(DialogTest, CancellingWritesNothingAndASaveThatFailsIsReported) {
  WriteIni(IniText("1", "5", ""));
  const std::string before = IniBytes();
  ChildProcess cancelled = OpenDialog();
  // A music file, by the source's name and with the middle button, through the file chooser.
  Click(kSourceName + 2, "2");
  EXPECT_FALSE(Control(kTrackBox).enabled);
  ChooseFile(R"(C:\new song.wav)");
  EXPECT_EQ(Control(kFileName).text, R"(C:\new song.wav)");
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
  ASSERT_TRUE(probe().Close(kDialogTitle));
  EXPECT_EQ(failing.WaitForExit(10s), 0);
}

TEST_F(DialogTest, The64BitBuildChoosesAndSavesAFileToo) {
  SKIP_WHERE_64_BIT_IS_PRIMARY();
  program_ = MakeProgramFolder({}, Build::k64Bit, "program64");
  ChildProcess saver = OpenDialog();
  Click(kSourceName + 2);
  ChooseFile(R"(C:\loop.wav)");
  Click(kSaveButton);

  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), IniText("2", "0", R"(C:\loop.wav)"));
}

}  // namespace
}  // namespace orvane::e2e

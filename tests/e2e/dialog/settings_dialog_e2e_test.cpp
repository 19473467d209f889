// The settings dialog under Wine in the Japanese locale, driven with the real pointer and
// keyboard: its code page 932 texts and settings file, the file chooser, a file it cannot
// write, "ｷｬﾝｾﾙ"; and on the screen, its background's band, its tiled panel and its link.
#include "dialog_fixture.h"
#include "x_screen.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

// A music file out of reach with a Japanese name, and its bytes in code page 932.
const std::string kJapaneseFile = R"(C:\音楽\夜の曲.mp3)";
const std::string kJapaneseFileBytes = "C:\\\x89\xb9\x8a\x79\\\x96\xe9\x82\xcc\x8b\xc8.mp3";

TEST_F(DialogTest, ShowsItsTextsAndSavesTheChoiceKeepingAJapaneseFile) {
  WriteIni(IniText("2", "0", kJapaneseFileBytes));
  ChildProcess saver = OpenDialog();
  const std::pair<int, std::string> texts[] = {
      {kSourceName + 0, "なし"}, {kSourceName + 1, "音楽CD"}, {kSourceName + 2, "MP3、WAV"},
      {kTrackCaption, "曲目をﾘﾋﾟｰﾄ"}, {kSaveButton, "設定"}, {kCancelButton, "ｷｬﾝｾﾙ"},
      {kFileName, kJapaneseFile}};
  for (const auto& [id, text] : texts) EXPECT_EQ(Control(id).text, text);

  // The CD, by its mark and with the right button, and the last track of its list.
  Click(kSourceMark + 1, "3");
  EXPECT_TRUE(Control(kTrackBox).enabled);
  EXPECT_FALSE(Control(kFileButton).enabled);
  Click(kTrackBox);
  Xdotool({"key", "--repeat", "40", "Down"});
  Click(kSaveButton);
  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(ReadBytes(IniFile()), IniText("1", "30", kJapaneseFileBytes));
}

// The x86_64 build, which is also the primary one where the session runs no other.
TEST_F(DialogTest, The64BitBuildChoosesAFileReportsASaveThatFailsAndCancelsWithoutWriting) {
  program_ = MakeProgramFolder({}, Build::k64Bit, "program64");
  WriteIni(IniText("1", "5", ""));
  ChildProcess saver = OpenDialog();

  // A music file, by the source's name and with the middle button, through the file chooser.
  Click(kSourceName + 2, "2");
  EXPECT_FALSE(Control(kTrackBox).enabled);
  Click(kFileButton);
  ASSERT_TRUE(Eventually([&] { return Shown("ﾌｧｲﾙを開く"); })) << "no file chooser";
  std::this_thread::sleep_for(500ms);
  Xdotool({"type", "--delay", "30", R"(C:\new song.wav)"});
  Xdotool({"key", "Return"});
  ASSERT_TRUE(Eventually([&] { return !Shown("ﾌｧｲﾙを開く"); }) && Refresh()) << "the chooser stayed";
  EXPECT_EQ(Control(kFileName).text, R"(C:\new song.wav)");

  // A folder where the settings file belongs makes every write fail, even for root, under
  // whom Wine rewrites a read-only file.
  fs::remove(IniFile());
  fs::create_directory(IniFile());
  Click(kSaveButton);
  const auto box = probe().WaitForMessageBox(kApplicationTitle, 10s);
  ASSERT_TRUE(box) << "no message";
  EXPECT_EQ(box->text, WindowsPath(IniFile()) + " に設定を保存できませんでした！");
  ASSERT_TRUE(probe().Press(kApplicationTitle, "OK"));
  std::this_thread::sleep_for(500ms);
  ASSERT_TRUE(Refresh()) << "the dialog closed";
  fs::remove(IniFile());
  Click(kCancelButton);
  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_FALSE(fs::exists(IniFile()));
}

class DecorationTest : public DialogTest {};

TEST_F(DecorationTest, ABandFadingToDarkBlueATiledPanelAndALinkToTheHomePage) {
  ChildProcess saver = OpenDialog();
  const ScreenImage screen = XScreen(WineSession::Current().Variable("DISPLAY")).Capture();
  const auto pixel = [&](int x, int y) {
    return screen.At(dialog_.clientLeft + x, dialog_.clientTop + y);
  };

  // Beside the panel, on both sides alike, each row is a bluish grey that brightens from the
  // top to the middle and darkens again to the bottom, dark at both edges.
  const auto brightness = [&](int y) { const Rgb c = pixel(4, y); return c.red + c.green + c.blue; };
  const int middle = dialog_.clientHeight / 2, bottom = dialog_.clientHeight - 1;
  for (int y = 0; y <= bottom; ++y) {
    const Rgb left = pixel(4, y);
    EXPECT_EQ(left, pixel(dialog_.clientWidth - 4, y)) << y;
    EXPECT_TRUE(left.blue > left.red && left.red == left.green) << y;
    const int change = y == 0 ? 0 : brightness(y) - brightness(y - 1);
    EXPECT_TRUE(y <= middle ? change >= 0 : change <= 0) << y;
  }
  EXPECT_LT(4 * std::max(brightness(0), brightness(bottom)), brightness(middle));

  // In the strip right of the file name, the panel shows its tile, repeated downwards.
  const fs::path tileCopy = OutputFolder() / "tile.bmp";
  fs::copy_file(kArtworkFolder / "dialog_tile.bmp", tileCopy);
  const ScreenImage tile = ScreenImage::Load(tileCopy);
  const ChildWindowInfo panel = Control(kPanel);
  for (int y = panel.top; y < panel.bottom; ++y) {
    for (int x = Control(kFileName).right; x < panel.right; ++x) {
      ASSERT_EQ(pixel(x, y), tile.At(x - panel.left, (y - panel.top) % tile.height())) << x << "," << y;
    }
  }

  // A click on the link opens the home page with the program registered for http addresses,
  // here one that notes it; the dialog stays until its title bar's close ends the program.
  const std::string httpOpen = R"(HKCR\http\shell\open\command)";
  const fs::path opened = OutputFolder() / "opened.txt";
  RunTool("reg", {"add", httpOpen, "/ve", "/d", "cmd /c echo %1>\"" + WindowsPath(opened) + "\"", "/f"});
  Click(kLink);
  Eventually([&] { return !ReadBytes(opened).empty(); });
  RunTool("reg", {"add", httpOpen, "/ve", "/d", R"("C:\windows\system32\winebrowser.exe" "%1")", "/f"});
  EXPECT_EQ(ReadBytes(opened), "http://3dorvane.example.com/\r\n");
  ASSERT_TRUE(probe().Close(kDialogTitle)) << "the dialog closed";
  EXPECT_EQ(saver.WaitForExit(10s), 0);
}

}  // namespace
}  // namespace orvane::e2e

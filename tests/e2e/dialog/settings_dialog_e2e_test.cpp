// The settings dialog under Wine in the Japanese locale, driven with the real pointer and
// keyboard: where it opens, its code page 932 texts, the Japanese settings file it shows and
// saves, a file it cannot write reported, and "ｷｬﾝｾﾙ" leaving the file as it was.
#include "dialog_fixture.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

// A music file out of reach with a Japanese name, and its bytes in code page 932.
const std::string kJapaneseFile = R"(C:\音楽\夜の曲.mp3)";
const std::string kJapaneseFileBytes = "C:\\\x89\xb9\x8a\x79\\\x96\xe9\x82\xcc\x8b\xc8.mp3";

TEST_F(DialogTest, OpensCentredWithItsTextsAndSavesTheChoiceKeepingAJapaneseFile) {
  WriteIni(IniText("2", "0", kJapaneseFileBytes));
  ChildProcess saver = OpenDialog();

  // Centred across the 1024 x 768 screen, a third of the free height down.
  EXPECT_EQ(window_.left, (1024 - (window_.right - window_.left)) / 2);
  EXPECT_EQ(window_.top, (768 - (window_.bottom - window_.top)) / 3);

  // The texts, read from code page 932, and the stored music file out of reach as it is stored.
  const std::pair<int, std::string> texts[] = {
      {kHeading, "BGM"}, {kSourceName + 0, "なし"}, {kSourceName + 1, "音楽CD"},
      {kSourceName + 2, "MP3、WAV"}, {kTrackCaption, "曲目をﾘﾋﾟｰﾄ"},
      {kCredit, "3dOrvane Screen Saver"}, {kLink, "http://3dorvane.example.com/"},
      {kFileButton, "..."}, {kSaveButton, "設定"}, {kCancelButton, "ｷｬﾝｾﾙ"},
      {kFileName, kJapaneseFile}};
  for (const auto& [id, text] : texts) EXPECT_EQ(Control(id).text, text);
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

// The x86_64 build, the primary one where the session runs no other.
TEST_F(DialogTest, The64BitBuildChoosesAFileReportsASaveThatFailsAndCancelsWithoutWriting) {
  program_ = MakeProgramFolder({}, Build::k64Bit, "program64");
  WriteIni(IniText("1", "5", ""));
  const std::string before = IniBytes();
  ChildProcess saver = OpenDialog();

  // A music file, by the source's name and with the middle button, through the file chooser.
  Click(kSourceName + 2, "2");
  EXPECT_FALSE(Control(kTrackBox).enabled);
  Click(kFileButton);
  ASSERT_TRUE(WaitForWindow("ﾌｧｲﾙを開く", true)) << "no file chooser";
  std::this_thread::sleep_for(500ms);
  Xdotool({"type", "--delay", "30", R"(C:\new song.wav)"});
  Xdotool({"key", "Return"});
  ASSERT_TRUE(WaitForWindow("ﾌｧｲﾙを開く", false)) << "the file chooser stayed";
  Refresh();
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
  WriteIni(before);
  Click(kCancelButton);
  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), before);
}

}  // namespace
}  // namespace orvane::e2e

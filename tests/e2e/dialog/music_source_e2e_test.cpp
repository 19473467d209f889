// Choosing the music source, the CD track and the music file in the settings dialog with the
// real pointer and keyboard, and the settings file that "設定" then leaves.
#include "dialog_fixture.h"

namespace orvane::e2e {
namespace {

TEST_F(DialogTest, EachSourceIsChosenByItsNameOrItsMarkWithAnyButton) {
  ChildProcess saver = OpenDialog();
  const struct {
    int control;
    std::string button;
    int marked;
    bool trackBoxEnabled;
    bool fileButtonEnabled;
  } presses[] = {
      {kSourceName + 1, "1", 1, true, false},
      {kSourceMark + 2, "3", 2, false, true},
      {kSourceMark + 0, "1", 0, false, false},
      {kSourceName + 2, "2", 2, false, true},
      {kSourceMark + 1, "3", 1, true, false},
  };
  for (const auto& press : presses) {
    SCOPED_TRACE("control " + std::to_string(press.control) + ", button " + press.button);
    Click(press.control, press.button);
    EXPECT_EQ(MarkedSource(), press.marked);
    EXPECT_EQ(Control(kTrackBox).enabled, press.trackBoxEnabled);
    EXPECT_EQ(Control(kFileButton).enabled, press.fileButtonEnabled);
  }

  Click(kSaveButton);
  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), SavedIni("1", "0", ""));
}

TEST_F(DialogTest, TheTrackIsTypedOrPickedFromTheList) {
  ChildProcess saver = OpenDialog();
  Click(kSourceName + 1);

  TypeTrack("12");
  EXPECT_EQ(Control(kTrackBox).text, "12");
  Click(kSaveButton);

  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), SavedIni("1", "12", ""));

  // The list holds an empty entry, then 1 to 30: the third entry down is 2, the last 30.
  ChildProcess again = OpenDialog();
  Click(kTrackBox);
  Xdotool({"key", "Down", "Down", "Down"});
  Refresh();
  EXPECT_EQ(Control(kTrackBox).text, "2");
  Xdotool({"key", "--repeat", "40", "Down"});
  Refresh();
  EXPECT_EQ(Control(kTrackBox).text, "30");
  Click(kSaveButton);
  EXPECT_EQ(again.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), SavedIni("1", "30", ""));
}

TEST_F(DialogTest, ATypedTrackIsRoundedHalfToEvenAndAnythingElseSavesZero) {
  const struct {
    std::string typed, saved;
  } cases[] = {{"7.5", "8"}, {"6.5", "6"}, {"abc", "0"}, {"40000", "0"}, {"-3", "-3"}};
  for (const auto& c : cases) {
    SCOPED_TRACE("typed " + c.typed);
    std::filesystem::remove(IniFile());
    ChildProcess saver = OpenDialog();
    Click(kSourceName + 1);
    TypeTrack(c.typed);

    Click(kSaveButton);

    EXPECT_EQ(saver.WaitForExit(10s), 0);
    EXPECT_EQ(IniBytes(), SavedIni("1", c.saved, ""));
  }
}

TEST_F(DialogTest, AFileChosenThroughTheFileChooserIsShownAndSavedWhateverTheSource) {
  ChildProcess saver = OpenDialog();
  Click(kSourceMark + 2, "3");
  const std::string song = WindowsPath(program_ / "new song.mp3");

  // The file need not exist.
  ChooseFile(song);
  EXPECT_EQ(Control(kFileName).text, song);
  // Choosing no music keeps the file on show, and in the file.
  Click(kSourceName + 0);
  EXPECT_EQ(Control(kFileName).text, song);
  EXPECT_FALSE(Control(kFileButton).enabled);
  Click(kSaveButton);

  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), SavedIni("0", "0", song));
}

TEST_F(DialogTest, CancellingTheFileChooserKeepsTheFileThatWasChosen) {
  std::ofstream(program_ / "old.wav") << "RIFF";
  WriteIni("2", "0", WindowsPath(program_ / "old.wav"));
  ChildProcess saver = OpenDialog();

  Click(kFileButton);
  ASSERT_TRUE(WaitForWindow(kFileChooserTitle, true));
  Xdotool({"key", "Escape"});
  ASSERT_TRUE(WaitForWindow(kFileChooserTitle, false));
  Refresh();

  EXPECT_EQ(Control(kFileName).text, WindowsPath(program_ / "old.wav"));
  EXPECT_EQ(MarkedSource(), 2);
  Click(kCancelButton);
  EXPECT_EQ(saver.WaitForExit(10s), 0);
}

TEST_F(DialogTest, The64BitBuildChoosesAndSavesAFileToo) {
  SKIP_WHERE_64_BIT_IS_PRIMARY();
  const std::filesystem::path program = MakeProgramFolder({}, Build::k64Bit, "program64");
  ChildProcess saver = OpenDialog(program);
  Click(kSourceName + 2);
  const std::string song = WindowsPath(program / "loop.wav");

  ChooseFile(song);
  Click(kSaveButton);

  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(ReadBytes(program / "3dOrvane.ini"), SavedIni("2", "0", song));
}

}  // namespace
}  // namespace orvane::e2e

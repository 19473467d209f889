#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace orvane::dialog {
namespace {

TEST_F(DialogTest, PressingANameOrItsMarkSelectsThatSourceAndEnablesOnlyItsControl) {
  const struct {
    int kind;
    std::vector<std::wstring> marks;
    bool trackBoxEnabled;
    bool fileButtonEnabled;
  } cases[] = {
      {0, {kSelected, kUnselected, kUnselected}, false, false},
      {1, {kUnselected, kSelected, kUnselected}, true, false},
      {2, {kUnselected, kUnselected, kSelected}, false, true},
  };
  for (const auto& c : cases) {
    for (const int control : {kSourceName + c.kind, kSourceMark + c.kind}) {
      DialogRig rig;
      rig.Open({c.kind == 2 ? std::int16_t{1} : std::int16_t{2}, 4, L"D:\\old.mp3"});

      rig.dialog.OnControlMouseDown(control);

      EXPECT_EQ(rig.settings.bgmKind, c.kind) << control;
      EXPECT_EQ(rig.Marks(), c.marks) << control;
      EXPECT_EQ(rig.TrackBox().enabled, c.trackBoxEnabled) << control;
      EXPECT_EQ(rig.Button(kFileButton).enabled, c.fileButtonEnabled) << control;
      // Another source keeps the file and the track, and the file stays on show.
      EXPECT_EQ(rig.settings.bgmFile, L"D:\\old.mp3") << control;
      EXPECT_EQ(rig.settings.bgmRepeat, 4) << control;
      EXPECT_EQ(rig.Label(kFileName).caption, L"D:\\old.mp3") << control;
    }
  }
}

TEST_F(DialogTest, ASelectionSwitchesBothControlsOffBeforeTheMarksAndTheOneThatBelongs) {
  OpenQuietly({2, 0, L""});

  dialog.OnControlMouseDown(kSourceName + 1);

  EXPECT_EQ(fake.calls, (Calls{
                            L"Button 121: SetEnabled(false)",
                            L"Combo 120: SetEnabled(false)",
                            L"Image 110: SetPicture(DIALOG_MARK_UNSELECTED)",
                            L"Image 111: SetPicture(DIALOG_MARK_UNSELECTED)",
                            L"Image 112: SetPicture(DIALOG_MARK_UNSELECTED)",
                            L"Image 111: SetPicture(DIALOG_MARK_SELECTED)",
                            L"Combo 120: SetEnabled(true)",
                        }));
}

TEST_F(DialogTest, TheFileChooserAsksForAnMp3OrWavFileAndTheChoiceShowsAtOnce) {
  fake.forms.chosenFile = L"E:\\曲\\loop.WAV";
  OpenQuietly({2, 0, L"D:\\old.mp3"});

  Click(kFileButton);

  EXPECT_EQ(fake.calls, (Calls{
                            L"ChooseFileToOpen(owner 23130, BGMﾌｧｲﾙ (MP3 WAV) | *.MP3;*.WAV, "
                            L"buffers 255 255, ﾌｧｲﾙを開く, flags 0)",
                            L"Label 125: SetCaption(E:\\曲\\loop.WAV)",
                        }));
  EXPECT_EQ(settings.bgmFile, L"E:\\曲\\loop.WAV");
}

TEST_F(DialogTest, CancellingTheFileChooserKeepsTheOldFile) {
  OpenQuietly({0, 0, L"D:\\old.mp3"});
  dialog.OnControlMouseDown(kSourceMark + 2);

  Click(kFileButton);

  EXPECT_EQ(settings.bgmKind, 2);
  EXPECT_EQ(settings.bgmFile, L"D:\\old.mp3");
  EXPECT_EQ(Label(kFileName).caption, L"D:\\old.mp3");
}

}  // namespace
}  // namespace orvane::dialog

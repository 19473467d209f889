#include "dialog/settings_dialog.h"

#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace orvane::dialog {
namespace {

TEST_F(DialogTest, OpeningPlacesInitialisesTilesZoomsFromTheMouseThenPaintsAndShowsModally) {
  Open({0, 0, L""});

  EXPECT_EQ(CallsBeginningWith({L"CreateForm", L"SetBounds", L"Button",
                                L"picture 124: CopyFrom(DIALOG_TILE, 0, 0, 556, 20, 0, 0)",
                                L"DrawAnimatedRects", L"SetScreenPointer",
                                L"window: DrawLine(0, 0, 495, 0,", L"ShowModal"}),
            (Calls{
                L"CreateForm(<3dOrvaneの設定>, dialog 495, 246)",
                // Centred across the 1024-pixel screen, a third of the free height down.
                L"SetBounds(261, 165, 762, 437)",
                L"Button 121: Initialize",
                L"Button 122: Initialize",
                L"Button 123: Initialize",
                L"picture 124: CopyFrom(DIALOG_TILE, 0, 0, 556, 20, 0, 0)",
                L"Button 121: SetEnabled(false)",
                L"DrawAnimatedRects(23130, 3, 300 200 300 200, 10 20 511 292)",
                L"SetScreenPointer(default)",
                L"window: DrawLine(0, 0, 495, 0, 1966080)",
                L"ShowModal",
            }));
}

TEST_F(DialogTest, OpeningShowsTheSettingsOfEachKind) {
  const struct {
    std::int16_t kind;
    std::int16_t repeat;
    const wchar_t* file;
    std::vector<std::wstring> marks;
    bool trackBoxEnabled;
    bool fileButtonEnabled;
    const wchar_t* trackText;
  } cases[] = {
      {0, 0, L"", {kSelected, kUnselected, kUnselected}, false, false, L""},
      {1, 12, L"", {kUnselected, kSelected, kUnselected}, true, false, L"12"},
      {2, 0, L"D:\\曲\\song.mp3", {kUnselected, kUnselected, kSelected}, false, true, L""},
      // A kind from a hand-edited file: no source is marked and both controls stay off.
      {7, 3, L"D:\\a.wav", {kUnselected, kUnselected, kUnselected}, false, false, L"3"},
  };
  for (const auto& c : cases) {
    DialogRig rig;
    rig.Open({c.kind, c.repeat, c.file});
    EXPECT_EQ(rig.Marks(), c.marks) << c.kind;
    EXPECT_EQ(rig.TrackBox().enabled, c.trackBoxEnabled) << c.kind;
    EXPECT_EQ(rig.Button(kFileButton).enabled, c.fileButtonEnabled) << c.kind;
    EXPECT_EQ(rig.TrackBox().text, c.trackText) << c.kind;
    EXPECT_EQ(rig.Label(kFileName).caption, c.file) << c.kind;
  }
}

TEST_F(DialogTest, TheTrackListHoldsAnEmptyEntryThenOneToThirty) {
  Open({1, 0, L""});

  const std::vector<std::wstring>& items = TrackBox().items;
  ASSERT_EQ(items.size(), 31u);
  EXPECT_EQ(items[0], L"");
  EXPECT_EQ(items[1], L"1");
  EXPECT_EQ(items[30], L"30");
}

TEST_F(DialogTest, SavingWritesTheThreeKeysInOrderThenZoomsShut) {
  OpenQuietly({2, 12, L"D:\\Music\\曲.mp3"});

  Click(kSaveButton);

  EXPECT_EQ(fake.calls, (Calls{
                            L"WritePrivateProfileValue(Section, BGM区分,  2, " + kIniFile + L")",
                            L"WritePrivateProfileValue(Section, BGMﾘﾋﾟｰﾄ,  12, " + kIniFile + L")",
                            L"WritePrivateProfileValue(Section, BGMﾌｧｲﾙ, D:\\Music\\曲.mp3, " +
                                kIniFile + L")",
                            L"Unload",
                            L"GetWindowRect(23130)",
                            L"DrawAnimatedRects(23130, 3, 10 20 511 292, 300 200 300 200)",
                        }));
  EXPECT_FALSE(form->IsLoaded());
}

TEST_F(DialogTest, ASaveThatFailsIsReportedNamingTheFileAndTheDialogStaysOpen) {
  OpenQuietly({1, 4, L""});
  fake.iniWritesFail = true;

  Click(kSaveButton);

  EXPECT_EQ(fake.calls, (Calls{
                            L"WritePrivateProfileValue(Section, BGM区分,  1, " + kIniFile + L")",
                            L"ShowOkMessage(" + kIniFile +
                                L" に設定を保存できませんでした！ | 3dOrvane (Screen Saver) | 23130)",
                        }));
  EXPECT_TRUE(form->IsLoaded());

  // Cancelling is still open to the user, and so is saving again once the file can be written.
  fake.iniWritesFail = false;
  Click(kSaveButton);
  EXPECT_FALSE(form->IsLoaded());
  EXPECT_EQ((fake.iniValues[{L"Section", L"BGM区分"}]), L" 1");
}

TEST_F(DialogTest, TheTypedTrackIsRoundedHalfToEvenAndAnythingElseSavesZero) {
  const struct {
    std::wstring typed;
    std::wstring saved;
  } cases[] = {{L"", L" 0"},     {L"7.5", L" 8"},   {L"6.5", L" 6"},  {L"abc", L" 0"},
               {L"12x", L" 0"},  {L" 30 ", L" 30"}, {L"-3", L"-3"},   {L"32767", L" 32767"},
               {L"32768", L" 0"}, {L"1e9", L" 0"}};
  for (const auto& c : cases) {
    DialogRig rig;
    rig.Open({1, 5, L""});
    rig.TrackBox().text = c.typed;

    rig.Click(kSaveButton);

    EXPECT_EQ((rig.fake.iniValues[{L"Section", L"BGMﾘﾋﾟｰﾄ"}]), c.saved) << c.typed;
  }
}

TEST_F(DialogTest, AKindOutsideTheThreeIsWrittenBackUnchanged) {
  Open({-1, 0, L""});

  Click(kSaveButton);

  EXPECT_EQ((fake.iniValues[{L"Section", L"BGM区分"}]), L"-1");
}

TEST_F(DialogTest, CancellingAfterChangesWritesNothingAndZoomsShut) {
  fake.forms.chosenFile = L"D:\\new.wav";
  Open({0, 0, L""});
  dialog.OnControlMouseDown(kSourceName + 2);
  Click(kFileButton);
  TrackBox().text = L"9";
  fake.calls.clear();

  Click(kCancelButton);

  EXPECT_EQ(fake.calls, (Calls{
                            L"Unload",
                            L"GetWindowRect(23130)",
                            L"DrawAnimatedRects(23130, 3, 10 20 511 292, 300 200 300 200)",
                        }));
  EXPECT_TRUE(fake.iniValues.empty());
}

TEST_F(DialogTest, WithoutTheMousePositionTheDialogZoomsFromAndToTheTopLeftCorner) {
  fake.cursorPosition.reset();
  Open({0, 0, L""});

  form->Unload();

  EXPECT_EQ(CallsBeginningWith({L"DrawAnimatedRects"}),
            (Calls{L"DrawAnimatedRects(23130, 3, 0 0 0 0, 10 20 511 292)",
                   L"DrawAnimatedRects(23130, 3, 10 20 511 292, 0 0 0 0)"}));
}

}  // namespace
}  // namespace orvane::dialog

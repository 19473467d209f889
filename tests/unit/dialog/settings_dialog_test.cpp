// The settings dialog as its user meets it: what it shows, and what pressing and clicking on it
// do and write.
#include "dialog/settings_dialog.h"

#include <gtest/gtest.h>

#include "dialog/repeat_text.h"
#include "fakes/fake_platform.h"

namespace orvane::dialog {
namespace {

using testing::Calls;

const std::wstring kIniFile = L"C:\\Program Files\\3dOrvane\\3dOrvane.ini";

// The dialog with the program's own push buttons on a desk of a primary monitor of 1024 x 768
// with a taskbar 30 pixels high at its foot, and an 800 x 600 monitor left of it, 168 pixels
// lower; its window (23130) 501 x 272 pixels with the frame, and the mouse at (300, 200).
struct DialogRig {
  DialogRig() {
    fake.forms.monitors = {{{0, 0, 1024, 768}, {0, 0, 1024, 738}}, {{-800, 168, 0, 768}, {-800, 168, 0, 768}}};
    fake.windowRects[0x5A5A] = {10, 20, 511, 292};
    fake.cursorPosition = platform::Point{300, 200};
  }

  void Open(const settings::Settings& stored) {
    settings = stored;
    dialog.ShowModal();
    form = fake.forms.form;
  }
  testing::FakeControl& Control(int id) { return *form->controls().Find(id); }
  // The marks of the three sources in the order of their kinds: "x" selected, "-" unselected.
  std::wstring Marks() {
    std::wstring marks;
    for (int kind = 0; kind < kSourceCount; ++kind) {
      const std::wstring& picture = Control(kSourceMark + kind).picture;
      marks += picture == L"DIALOG_MARK_SELECTED" ? L"x" : picture == L"DIALOG_MARK_UNSELECTED" ? L"-" : L"?";
    }
    return marks;
  }
  // A left click on a push button; what its press drew is forgotten.
  void Click(int id) {
    Control(id).handlers->OnMouseDown(platform::MouseButton::kLeft);
    fake.calls.clear();
    Control(id).handlers->OnMouseUp(platform::MouseButton::kLeft);
  }

  testing::FakePlatform fake;
  settings::Settings settings;
  SettingsDialog dialog{fake.services, settings};
  testing::FakeFormWindow* form = nullptr;
};

class DialogTest : public ::testing::Test, public DialogRig {};

TEST_F(DialogTest, OpeningCentresAndZoomsFromTheMouseThenPaintsTheBandAndShowsModally) {
  Open({});

  EXPECT_EQ(fake.CallsBeginningWith({L"CreateForm", L"SetBounds", L"DrawAnimatedRects", L"SetScreenPointer",
                                     L"window: DrawLine(0, 0, ", L"window: DrawLine(0, 123, ",
                                     L"window: DrawLine(0, 245, ", L"ShowModal"}),
            (Calls{
                L"CreateForm(<3dOrvaneの設定>, dialog, 495, 246)",
                // Centred across the pointer's 1024-pixel monitor, a third of the free height
                // above the taskbar down.
                L"SetBounds(261, 155, 762, 427)",
                L"DrawAnimatedRects(23130, 3, 300, 200, 0, 0, 10, 20, 501, 272)",
                L"SetScreenPointer(default)",
                L"window: DrawLine(0, 0, 495, 0, 1966080, 0, 0, 495, 246)",        // dark blue (0, 0, 30) at the top,
                L"window: DrawLine(0, 123, 495, 123, 16440540, 0, 0, 495, 246)",  // light (220, 220, 250) midway,
                L"window: DrawLine(0, 245, 495, 245, 2163459, 0, 0, 495, 246)",   // and near dark blue again
                L"ShowModal",
            }));
  // With the pointer on the other monitor the dialog opens there; with no pointer, on the primary.
  for (const auto& [pointer, bounds] :
       {std::pair{std::optional<platform::Point>{{-400, 300}}, L"SetBounds(-651, 277, -150, 549)"},
        std::pair{std::optional<platform::Point>{}, L"SetBounds(261, 155, 762, 427)"}}) {
    DialogRig elsewhere;
    elsewhere.fake.cursorPosition = pointer;
    elsewhere.Open({});
    EXPECT_EQ(elsewhere.fake.CallsBeginningWith({L"SetBounds"}), Calls{bounds});
  }
  // The link shows the home page under a hand; a click opens it under the hourglass.
  EXPECT_EQ(Control(kLink).caption, L"http://3dorvane.example.com/");
  EXPECT_EQ(Control(kLink).style.pointer, platform::Pointer::kHand);
  fake.calls.clear();
  dialog.OnControlClick(kLink);
  EXPECT_EQ(fake.calls, (Calls{L"SetScreenPointer(hourglass)",
                               L"OpenWithShell(23130, open, http://3dorvane.example.com/, , , 1)",
                               L"SetScreenPointer(default)"}));
}

TEST_F(DialogTest, TheStoredSourceShowsAndPressingANameOrItsMarkSelectsAnother) {
  const struct {
    std::int16_t storedKind, storedTrack;
    const wchar_t* file;
    int pressed, kind;  // the control pressed (0: none), and the kind selected afterwards
    const wchar_t* marks;
    bool trackBoxEnabled, fileButtonEnabled;
    const wchar_t* trackText;
  } rows[] = {
      {0, 0, L"", 0, 0, L"x--", false, false, L""},
      {1, 12, L"", 0, 1, L"-x-", true, false, L"12"},
      {2, 0, L"D:\\曲\\song.mp3", 0, 2, L"--x", false, true, L""},
      // A kind from a hand-edited file: no source is marked and both controls stay off.
      {7, 3, L"D:\\a.wav", 0, 7, L"---", false, false, L"3"},
      // Another source, by its name or its mark, keeps the track and the file on show.
      {2, 4, L"D:\\old.mp3", kSourceName + 0, 0, L"x--", false, false, L"4"},
      {2, 4, L"D:\\old.mp3", kSourceMark + 1, 1, L"-x-", true, false, L"4"},
      {1, 4, L"D:\\old.mp3", kSourceName + 2, 2, L"--x", false, true, L"4"},
      {1, 4, L"D:\\old.mp3", kTrackCaption, 1, L"-x-", true, false, L"4"},
  };
  for (const auto& row : rows) {
    DialogRig rig;
    rig.Open({settings::MusicSource{row.storedKind}, row.storedTrack, row.file});
    if (row.pressed) rig.dialog.OnControlMouseDown(row.pressed);

    const std::wstring where = L"kind " + std::to_wstring(row.storedKind) + L" pressed " + std::to_wstring(row.pressed);
    EXPECT_EQ(rig.settings.bgmKind, static_cast<settings::MusicSource>(row.kind)) << where;
    EXPECT_EQ(rig.Marks(), row.marks) << where;
    EXPECT_EQ(rig.Control(kTrackBox).enabled, row.trackBoxEnabled) << where;
    EXPECT_EQ(rig.Control(kFileButton).enabled, row.fileButtonEnabled) << where;
    EXPECT_EQ(rig.Control(kTrackBox).text, row.trackText) << where;
    EXPECT_EQ(rig.Control(kFileName).caption, row.file) << where;
    EXPECT_EQ(rig.settings.bgmFile, row.file) << where;
  }
}

TEST_F(DialogTest, SavingWritesTheChosenFileAndZoomsShutAndAFailedSaveIsReportedWithTheDialogLeftOpen) {
  Open({settings::MusicSource::kMusicFile, 12, L"D:\\Music\\曲.mp3"});
  fake.forms.chosenFile = L"E:\\曲\\loop.WAV";
  Click(kFileButton);
  // Owned by the dialog, with 255-byte buffers and no flags: the file need not exist.
  EXPECT_EQ(fake.calls, Calls{L"ChooseFileToOpen(23130, BGMﾌｧｲﾙ (MP3 WAV), *.MP3;*.WAV, 255, 255, ﾌｧｲﾙを開く, 0)"});
  EXPECT_EQ(Control(kFileName).caption, L"E:\\曲\\loop.WAV");

  // The settings' own tests see how a save goes; here it fails at its last step.
  fake.failingCall = L"MoveFileReplacing";
  Click(kSaveButton);
  EXPECT_EQ(fake.CallsBeginningWith({L"WriteNewFile", L"ShowOkMessage"}),
            (Calls{L"WriteNewFile(" + kIniFile + L".new, 59 bytes)",
                   L"ShowOkMessage(" + kIniFile + L" に設定を保存できませんでした！ | 3dOrvane (Screen Saver) | 23130)"}));
  EXPECT_TRUE(form->IsLoaded());

  // A name code page 932 cannot hold, on a volume without short names: the dialog says so
  // and stays, and the file is not touched.
  fake.failingCall.clear();
  fake.forms.chosenFile = L"E:\\Café.wav";
  Click(kFileButton);
  Click(kSaveButton);
  EXPECT_EQ(fake.calls, (Calls{L"ShortPath(E:\\Café.wav)",
                               L"ShowOkMessage(E:\\Café.wav は設定ファイルに書けない文字を名前に含み、"
                               L"短い名前もありません。別の名前のファイルを選んでください。"
                               L" | 3dOrvane (Screen Saver) | 23130)"}));
  EXPECT_TRUE(form->IsLoaded());

  // Saved in its short form, with the track as typed.
  fake.shortPaths[L"E:\\Café.wav"] = L"E:\\CAF_~1.WAV";
  Control(kTrackBox).text = L"7.5";
  Click(kSaveButton);
  EXPECT_EQ(fake.CallsBeginningWith({L"MoveFileReplacing", L"Unload", L"GetWindowRect", L"DrawAnimatedRects"}),
            (Calls{L"MoveFileReplacing(" + kIniFile + L".new, " + kIniFile + L")", L"Unload", L"GetWindowRect(23130)",
                   L"DrawAnimatedRects(23130, 3, 10, 20, 501, 272, 300, 200, 0, 0)"}));
  EXPECT_EQ(fake.fileContents[kIniFile],
            "[Section]\r\nBGM\x8b\xe6\x95\xaa=2\r\nBGM\xd8\xcb\xdf\xb0\xc4=8\r\n"
            "BGM\xcc\xa7\xb2\xd9=E:\\CAF_~1.WAV\r\n");
  EXPECT_FALSE(form->IsLoaded());
}

TEST(RepeatText, TheTypedTrackIsRoundedHalfToEvenAndAnythingElseIsZero) {
  const std::pair<const wchar_t*, std::int16_t> rows[] = {
      {L"", 0},      {L"7.5", 8}, {L"6.5", 6},       {L"abc", 0},   {L"12x", 0},
      {L" 30 ", 30}, {L"-3", -3}, {L"32767", 32767}, {L"32768", 0}, {L"1e9", 0}};
  for (const auto& [typed, track] : rows) EXPECT_EQ(RepeatFromText(typed), track) << typed;
}

}  // namespace
}  // namespace orvane::dialog

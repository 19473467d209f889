// The settings dialog under Wine, driven with the real pointer and keyboard: in the Japanese
// locale its texts and code page 932 settings file, its background's band and tiled panel and
// its "設定" button's faces on the screen, the file chooser, a file it cannot write, and
// "ｷｬﾝｾﾙ"; in an English locale the same texts on the screen and the same bytes in the file.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>

#include "artwork/dialog_pictures.h"
#include "e2e_test.h"
#include "screen_checks.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kChooserTitle = "ﾌｧｲﾙを開く";
constexpr int kChooserFileName = 0x47c;  // the system's file chooser's file name box

// The dialog's controls, by the identifiers their windows carry.
enum DialogControl : int {
  kSourceName = 100,  // 100 none, 101 audio CD, 102 music file
  kSourceMark = 110,  // the marks in front of them, in the same order
  kTrackBox = 120, kFileButton, kSaveButton, kCancelButton, kPanel, kFileName, kLink, kHeading, kTrackCaption
};

// A music file out of reach with a Japanese name, and its bytes in code page 932.
const std::string kJapaneseFile = R"(C:\音楽\夜の曲.mp3)";
const std::string kJapaneseFileBytes = "C:\\\x89\xb9\x8a\x79\\\x96\xe9\x82\xcc\x8b\xc8.mp3";

// Each text control with the text it shows.
const std::pair<int, std::string> kTexts[] = {
    {kSourceName + 0, "なし"}, {kSourceName + 1, "音楽CD"}, {kSourceName + 2, "MP3、WAV"},
    {kTrackCaption, "曲目をﾘﾋﾟｰﾄ"}, {kSaveButton, "設定"}, {kCancelButton, "ｷｬﾝｾﾙ"},
    {kFileName, kJapaneseFile}};

int Brightness(const Rgb& c) { return c.red + c.green + c.blue; }
bool IsBorder(const Rgb& c) { return c.blue > 90 && c.red < 40 && c.green < 90; }  // dark blue

// The settings dialog of a program folder of its own, opened with /c.
class DialogTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    program_ = MakeProgramFolder();
    // Away from where the dialog opens, so no control starts under the pointer.
    Xdotool({"mousemove", "1000", "700"});
  }

  fs::path IniFile() const { return program_ / "3dOrvane.ini"; }

  // Starts the program with /c, its settings file holding `ini`, and waits until its dialog
  // shows and has painted.
  ChildProcess OpenDialog(const std::string& ini, const std::vector<std::string>& locale = {}) {
    std::ofstream(IniFile(), std::ios::binary) << ini;
    ChildProcess saver = StartScreenSaver(program_, {"/c"}, locale, workingFolder_);
    if (!Soon([&] { return probe().Shown(kDialogTitle) && Refresh(); })) ADD_FAILURE() << "no dialog";
    return saver;
  }
  // Reads the dialog's windows again; false once it has gone.
  bool Refresh() {
    const std::optional<WindowContents> contents = probe().Contents(kDialogTitle);
    if (contents && !contents->children.empty()) dialog_ = *contents;
    return contents && !contents->children.empty();
  }
  const ChildWindowInfo& Control(int id) {
    for (const ChildWindowInfo& control : dialog_.children) {
      if (control.controlId == id) return control;
    }
    throw std::runtime_error("no control " + std::to_string(id));
  }
  // Moves the pointer to the middle of a control, or `dx` pixels right of it.
  void PointAt(int id, int dx = 0) {
    const ChildWindowInfo& c = Control(id);
    Xdotool({"mousemove", std::to_string(dialog_.clientLeft + (c.left + c.right) / 2 + dx),
             std::to_string(dialog_.clientTop + (c.top + c.bottom) / 2)});
  }
  // Clicks a control and waits until the click has had its `outcome`.
  void Click(int id, const std::string& button, const std::function<bool()>& outcome) {
    PointAt(id);
    Xdotool({"click", button});
    EXPECT_TRUE(Soon([&] { return (Refresh(), outcome()); }))
        << "clicking control " << id << " had not its outcome";
  }
  static bool Soon(const std::function<bool()>& condition) { return Eventually(condition, 15s, 100ms); }
  Rgb Pixel(const Picture& screen, int x, int y) const {
    return screen.At(dialog_.clientLeft + x, dialog_.clientTop + y);
  }
  // In the strip right of the file name, the panel shows its tile, repeated downwards.
  bool TileShown(const Picture& screen) {
    const Picture tile = artwork::PaintTile();
    const ChildWindowInfo panel = Control(kPanel);
    for (int y = panel.top; y < panel.bottom; ++y) {
      for (int x = Control(kFileName).right; x < panel.right; ++x) {
        if (!(Pixel(screen, x, y) == tile.At(x - panel.left, (y - panel.top) % tile.height))) return false;
      }
    }
    return true;
  }
  // The screen once the dialog has painted its band and its tile.
  Picture PaintedScreen() {
    Picture screen;
    EXPECT_TRUE(Soon([&] {
      screen = this->screen().Capture();
      return Brightness(Pixel(screen, 4, dialog_.clientHeight / 2)) > 0 && TileShown(screen);
    })) << "the dialog did not paint its band and tile";
    return screen;
  }
  // Checks the text each text control holds, and gives its pixels on the screen.
  std::vector<std::vector<Rgb>> TextsOn(const Picture& screen) {
    std::vector<std::vector<Rgb>> texts;
    for (const auto& [id, text] : kTexts) {
      const ChildWindowInfo& c = Control(id);
      EXPECT_EQ(c.text, text);
      texts.push_back(Crop(screen, {dialog_.clientLeft + c.left, dialog_.clientTop + c.top, c.right - c.left, c.bottom - c.top}).pixels);
    }
    return texts;
  }
  // Enters `file` in the file chooser that the "..." button opens. It is set as the name box's
  // text: xdotool types a letter the keyboard lacks by remapping a key under Wine, which now and
  // then reads the key before or after the change and drops the letter.
  void ChooseFile(const std::string& file) {
    Click(kFileButton, "1", [&] { return probe().Shown(kChooserTitle).has_value(); });
    ASSERT_TRUE(Soon([&] { return probe().Contents(kChooserTitle).value_or(WindowContents{}).focusId == kChooserFileName; }))
        << "the file chooser's file name box did not take the focus";
    ASSERT_TRUE(probe().SetText(kChooserTitle, kChooserFileName, file));
    Xdotool({"key", "Return"});
    ASSERT_TRUE(Soon([&] { return !probe().Shown(kChooserTitle); }) && Refresh()) << "the chooser stayed";
    EXPECT_EQ(Control(kFileName).text, file);
  }
  // Expects the face the "設定" button shows, told as a user tells it down a column clear of
  // the caption, inside the dark blue border: "pressed" is sunken, its rim lighter below than
  // above; the others are raised, lit from above, their gradient white at the top for "normal"
  // and "focused" (a blue rim) and at the bottom for "hot" (an orange rim).
  void ExpectFace(const std::string& face) {
    std::string shown;
    EXPECT_TRUE(Soon([&] {
      const Picture screen = this->screen().Capture();
      const ChildWindowInfo& b = Control(kSaveButton);
      std::vector<Rgb> column;
      for (int y = b.top; y < b.bottom; ++y) column.push_back(Pixel(screen, b.left + 20, y));
      const int upper = int(std::find_if(column.begin(), column.end(), IsBorder) - column.begin());
      const int lower = int(column.rend() - std::find_if(column.rbegin(), column.rend(), IsBorder)) - 1;
      if (lower - upper < 8) return (shown = "unframed") == face;
      const int warmth = column[lower - 1].red - column[lower - 1].blue;
      shown = Brightness(column[upper + 1]) < Brightness(column[lower - 1]) ? "pressed"
              : warmth > 100 ? "hot" : warmth < -100 ? "focused" : "normal";
      const bool whiteAtTop = Brightness(column[upper + 3]) > Brightness(column[lower - 3]);
      if (whiteAtTop != (shown == "normal" || shown == "focused")) shown = "unknown";
      return shown == face;
    })) << "the button shows " << shown << ", not " << face;
  }
  // "設定" meets a save it must refuse: its message box, answered, and the dialog left open.
  void ExpectRefusedSave(const std::string& message) {
    Click(kSaveButton, "1", [] { return true; });
    const auto box = probe().WaitForMessageBox(kApplicationTitle, 10s, "OK");
    ASSERT_TRUE(box) << "no message with OK";
    EXPECT_EQ(box->text, message);
    ASSERT_TRUE(WaitForWindow(kApplicationTitle, false, 10s)) << "the message stayed";
    ASSERT_TRUE(Refresh()) << "the dialog closed";
  }

  fs::path program_;
  fs::path workingFolder_;  // where the tests run, unless a test says
  WindowContents dialog_;
};

TEST_F(DialogTest, ShowsItsTextsPictureAndButtonFacesAndSavesTheChoiceAlikeUnderAJapaneseAndAnEnglishLocale) {
  const std::string ini = IniText("2", "0", kJapaneseFileBytes);
  ChildProcess saver = OpenDialog(ini);

  // Once painted, its texts; beside the panel, on both sides alike, a bluish grey band, light in
  // the middle and dark at the top and bottom edges.
  const Picture screen = PaintedScreen();
  const std::vector<std::vector<Rgb>> japaneseTexts = TextsOn(screen);
  const Rgb top = Pixel(screen, 4, 0), middle = Pixel(screen, 4, dialog_.clientHeight / 2);
  EXPECT_EQ(middle, Pixel(screen, dialog_.clientWidth - 4, dialog_.clientHeight / 2));
  EXPECT_TRUE(middle.blue > middle.red && middle.red == middle.green) << "not a bluish grey";
  EXPECT_LT(4 * std::max(Brightness(top), Brightness(Pixel(screen, 4, dialog_.clientHeight - 1))), Brightness(middle));

  // "設定" at rest, under the pointer and pressed; dragged off until the hover poll has seen
  // the pointer leave, it shows the focus it took, and released there it clicks nothing.
  ExpectFace("normal");
  PointAt(kSaveButton);
  ExpectFace("hot");
  Xdotool({"mousedown", "1"});
  ExpectFace("pressed");
  PointAt(kSaveButton, -60);
  ExpectFace("focused");
  Xdotool({"mouseup", "1"});

  // The CD, by its mark and with the right button (by then the release above has been taken,
  // and it saved nothing), and the last track of its list.
  Click(kSourceMark + 1, "3", [&] { return Control(kTrackBox).enabled; });
  EXPECT_FALSE(saver.HasEnded());
  EXPECT_EQ(ReadBytes(IniFile()), ini);
  EXPECT_FALSE(Control(kFileButton).enabled);
  Click(kTrackBox, "1", [&] { return dialog_.focusId == kTrackBox; });
  Xdotool({"key", "--repeat", "40", "Down"});
  EXPECT_TRUE(Soon([&] { return Refresh() && Control(kTrackBox).text == "30"; }));
  Click(kSaveButton, "1", [&] { return saver.HasEnded(); });
  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(ReadBytes(IniFile()), IniText("1", "30", kJapaneseFileBytes));

  // A Windows whose ANSI code page is not 932 reads the file a Japanese one wrote, shows every
  // text as the Japanese one does, pixel for pixel, and writes the same bytes.
  Xdotool({"mousemove", "1000", "700"});
  ChildProcess english = OpenDialog(ini, kEnglishLocale);
  const Picture englishScreen = PaintedScreen();
  // Kept after the run: the README's picture of it.
  SaveBitmap(englishScreen, kOutputFolder / "settings-dialog-english.bmp");
  const std::vector<std::vector<Rgb>> englishTexts = TextsOn(englishScreen);
  for (std::size_t i = 0; i < std::size(kTexts); ++i) {
    EXPECT_TRUE(englishTexts[i] == japaneseTexts[i]) << kTexts[i].second << " looks other than in Japanese";
  }
  Click(kSourceMark + 1, "1", [&] { return Control(kTrackBox).enabled; });
  Click(kSaveButton, "1", [&] { return english.HasEnded(); });
  EXPECT_EQ(english.WaitForExit(10s), 0);
  EXPECT_EQ(ReadBytes(IniFile()), IniText("1", "0", kJapaneseFileBytes));
}

// The x86_64 build, which is also the primary one where the session runs no other; started
// from a folder where, as in its own, DLLs are planted under the names of those it uses.
TEST_F(DialogTest, The64BitBuildChoosesAFileReportsASaveThatFailsOrANameItCannotStoreAndCancelsWithoutWriting) {
  program_ = MakeProgramFolder({}, Build::k64Bit, "program64");
  workingFolder_ = OutputFolder() / "Downloads";
  fs::create_directories(workingFolder_);
  PlantRecordingDlls(Build::k64Bit, {program_, workingFolder_});
  ChildProcess saver = OpenDialog(IniText("1", "5", ""));

  // A music file, by the source's name and with the middle button, through the file chooser.
  Click(kSourceName + 2, "2", [&] { return !Control(kTrackBox).enabled; });
  ChooseFile(R"(C:\new song.wav)");

  // A folder where the settings file belongs makes every write fail, even for root, under
  // whom Wine rewrites a read-only file.
  fs::remove(IniFile());
  fs::create_directory(IniFile());
  ExpectRefusedSave(WindowsPath(IniFile()) + " に設定を保存できませんでした！");
  fs::remove(IniFile());
  EXPECT_FALSE(fs::exists(program_ / "3dOrvane.ini.new")) << "the new file was left behind";
  // A save that cannot write its new file (a folder has its name) leaves the old file whole.
  std::ofstream(IniFile(), std::ios::binary) << IniText("1", "5", "");
  fs::create_directory(program_ / "3dOrvane.ini.new");
  ExpectRefusedSave(WindowsPath(IniFile()) + " に設定を保存できませんでした！");
  EXPECT_EQ(ReadBytes(IniFile()), IniText("1", "5", ""));
  fs::remove(program_ / "3dOrvane.ini.new");
  fs::remove(IniFile());

  // A name code page 932 cannot hold, of a file that is not there to have a short name.
  ChooseFile(R"(C:\Café.wav)");
  ExpectRefusedSave(R"(C:\Café.wav)" " は設定ファイルに書けない文字を名前に含み、短い名前もありません。"
                    "別の名前のファイルを選んでください。");
  Click(kCancelButton, "1", [&] { return saver.HasEnded(); });
  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_FALSE(fs::exists(IniFile()));
  EXPECT_EQ(PlantedDllLoads({program_, workingFolder_}), "");
}

}  // namespace
}  // namespace orvane::e2e

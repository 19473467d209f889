// The settings dialog's look on the screen: the band painted across its background, the tiled
// panel, the push buttons' faces, and the link that opens the home page.
#include "dialog_fixture.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

Rgb Hex(unsigned rgb) { return {int(rgb >> 16), int((rgb >> 8) & 0xFF), int(rgb & 0xFF)}; }

// A face of the push button as the rows at the middle of the button show it.
struct Face {
  const char* name;
  std::vector<std::pair<int, unsigned>> rows;  // from the top; negative rows from the bottom
};

const Face kNormal{"Normal", {{0, 0xDCD6C2}, {1, 0x003C74}, {2, 0xF3F3EE}, {-4, 0xE2DFD6},
                              {-3, 0xD6D0C5}, {-2, 0x003C74}, {-1, 0xFAFAF6}}};
const Face kDisable{"Disable", {{0, 0xECE9D8}, {1, 0xC9C7BA}, {2, 0xF5F4EA}, {-3, 0xF5F4EA},
                                {-2, 0xC9C7BA}, {-1, 0xECE9D8}}};

class DecorationTest : public DialogTest {
 protected:
  void TearDown() override {
    // Wine's own command for http addresses comes back.
    if (httpCommandChanged_) SetHttpOpenCommand(R"("C:\windows\system32\winebrowser.exe" "%1")");
    DialogTest::TearDown();
  }

  // What the system runs to open an http address.
  void SetHttpOpenCommand(const std::string& command) {
    RunOnLinux({WineSession::Current().Variable("WINE"), "reg", "add", R"(HKCR\http\shell\open\command)", "/ve", "/d", command, "/f"});
    httpCommandChanged_ = true;
  }

  std::string FaceMismatches(const ScreenImage& screen, int id, const Face& face) {
    const ChildWindowInfo& button = Control(id);
    const int x = (button.left + button.right) / 2;
    std::string found;
    for (const auto& [row, colour] : face.rows) {
      const int y = row >= 0 ? button.top + row : button.bottom + row;
      const Rgb pixel = ClientPixel(screen, x, y);
      if (pixel != Hex(colour)) {
        found += " row " + std::to_string(row) + " is " + Describe(pixel) + ", not " +
                 Describe(Hex(colour)) + ";";
      }
    }
    return found;
  }

  bool httpCommandChanged_ = false;
};

TEST_F(DecorationTest, TheBackgroundIsALightBandFadingToDarkBlueAtTheTopAndBottom) {
  ChildProcess saver = OpenDialog();

  const ScreenImage screen = Capture();

  // Left of the panel and right of it, where no control lies.
  for (const int x : {0, 5, 488, 494}) {
    EXPECT_EQ(ClientPixel(screen, x, 0), (Rgb{0, 0, 30})) << x;
    EXPECT_EQ(ClientPixel(screen, x, 123), (Rgb{220, 220, 250})) << x;
    EXPECT_EQ(ClientPixel(screen, x, 61), (Rgb{155, 155, 185})) << x;
    // The last row, one above the row H that closes the band with (0, 0, 30).
    EXPECT_EQ(ClientPixel(screen, x, 245), (Rgb{3, 3, 33})) << x;
  }
  Click(kCancelButton);
  EXPECT_EQ(saver.WaitForExit(10s), 0);
}

TEST_F(DecorationTest, ThePanelIsTiledAndTheButtonsShowTheirFaces) {
  const ScreenImage tile = DialogPicture("dialog_tile.bmp");
  ASSERT_EQ(tile.width(), 556);
  ASSERT_EQ(tile.height(), 20);
  // A music file where a user keeps one, for the picture of the dialog.
  const fs::path music = WineSession::Current().DriveC() / "Music";
  fs::create_directories(music);
  std::ofstream(music / "night song.mp3") << "ID3";
  WriteIni(" 1", " 12", R"(C:\Music\night song.mp3)");
  ChildProcess saver = OpenDialog();
  const ScreenImage screen = Capture();

  // Points of the panel that no control covers, the tile's rows repeating every 20 pixels.
  const ChildWindowInfo& panel = Control(kPanel);
  int compared = 0;
  for (int y = 0; y < 165; y += 7) {
    for (const int x : {2, 250, 300, 460, 468}) {
      const bool underControl = (x < 240 && y >= 20 && y < 150) || (x >= 72 && y >= 112);
      if (underControl) continue;
      EXPECT_EQ(ClientPixel(screen, panel.left + x, panel.top + y), tile.At(x, y % 20))
          << x << "," << y;
      ++compared;
    }
  }
  EXPECT_GT(compared, 50);

  EXPECT_EQ(FaceMismatches(screen, kSaveButton, kNormal), "");
  EXPECT_EQ(FaceMismatches(screen, kCancelButton, kNormal), "");
  EXPECT_EQ(FaceMismatches(screen, kFileButton, kDisable), "");

  // The dialog as the test saw it, for the README.
  const std::vector<WindowInfo> windows = probe().Windows();
  for (const WindowInfo& window : windows) {
    if (window.title != kDialogTitle) continue;
    ScreenImage picture(window.right - window.left, window.bottom - window.top);
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) picture.Set(x, y, screen.At(window.left + x, window.top + y));
    }
    picture.SavePng(kOutputFolder / "settings-dialog.png");
  }
  EXPECT_TRUE(fs::exists(kOutputFolder / "settings-dialog.png"));
  Click(kCancelButton);
  EXPECT_EQ(saver.WaitForExit(10s), 0);
  fs::remove_all(music);
}

TEST_F(DecorationTest, TheLinkShowsAHandAndOpensTheHomePageWithTheRegisteredProgram) {
  const fs::path recorder = OutputFolder() / "url_recorder.exe";
  fs::copy_file(TestTools(PrimaryBuild()) / "url_recorder.exe", recorder);
  SetHttpOpenCommand("\"" + WindowsPath(recorder) + "\" \"%1\"");
  ChildProcess hand = probe().Hold("Hand", 60s, 64, 64, true);
  XScreen screen(WineSession::Current().Variable("DISPLAY"));
  MovePointer(32, 32);
  std::this_thread::sleep_for(300ms);
  const ScreenImage handPointer = screen.Pointer();
  ChildProcess saver = OpenDialog();

  MoveOnto(kCredit);
  std::this_thread::sleep_for(300ms);
  EXPECT_FALSE(SamePicture(screen.Pointer(), handPointer)) << "a hand over a label that is no link";
  MoveOnto(kLink);
  std::this_thread::sleep_for(300ms);
  EXPECT_TRUE(SamePicture(screen.Pointer(), handPointer)) << "no hand over the link";

  Click(kLink);
  const fs::path opened = OutputFolder() / "opened.txt";
  const auto deadline = std::chrono::steady_clock::now() + 15s;
  while (!fs::exists(opened) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(100ms);
  }
  EXPECT_EQ(ReadBytes(opened), "http://3dorvane.example.com/\n");
  EXPECT_FALSE(saver.HasEnded());
  Click(kCancelButton);
  EXPECT_EQ(saver.WaitForExit(10s), 0);
}

}  // namespace
}  // namespace orvane::e2e

// The settings dialog's look on the screen: the band painted across its background, the tiled
// panel, the push buttons, and the link that shows a hand and opens the home page.
#include "dialog_fixture.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

int Brightness(const Rgb& c) { return c.red + c.green + c.blue; }
// The dark blue of a push button's border.
bool IsBorder(const Rgb& c) { return c.blue > 90 && c.red < 40 && c.green < 90; }

bool SamePicture(const ScreenImage& a, const ScreenImage& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.At(x, y) != b.At(x, y)) return false;
    }
  }
  return true;
}

class DecorationTest : public DialogTest {
 protected:
  void TearDown() override {
    // Wine's own command for http addresses comes back.
    SetHttpOpenCommand(R"("C:\windows\system32\winebrowser.exe" "%1")");
    DialogTest::TearDown();
  }
  // What the system runs to open an http address.
  void SetHttpOpenCommand(const std::string& command) {
    RunOnLinux({WineSession::Current().Variable("WINE"), "reg", "add",
                R"(HKCR\http\shell\open\command)", "/ve", "/d", command, "/f"});
  }

  // Whether the column of a control `x` pixels in from its left edge holds a border pixel.
  bool ShowsBorder(const ScreenImage& screen, int id, int x) {
    const ChildWindowInfo& control = Control(id);
    for (int y = control.top; y < control.bottom; ++y) {
      if (IsBorder(ClientPixel(screen, control.left + x, y))) return true;
    }
    return false;
  }

  // The dialog as the test saw it, for the README: e2e-output/settings-dialog.png.
  void SaveForTheReadme(const ScreenImage& screen) {
    for (const WindowInfo& window : probe().Windows()) {
      if (window.title != kDialogTitle) continue;
      ScreenImage picture(window.right - window.left, window.bottom - window.top);
      for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
          picture.Set(x, y, screen.At(window.left + x, window.top + y));
        }
      }
      picture.SavePng(kOutputFolder / "settings-dialog.png");
    }
  }
};

TEST_F(DecorationTest, BandTilesButtonsAndALinkThatShowsAHandAndOpensTheHomePage) {
  const fs::path recorder = OutputFolder() / "url_recorder.exe";
  fs::copy_file(TestTools(PrimaryBuild()) / "url_recorder.exe", recorder);
  SetHttpOpenCommand("\"" + WindowsPath(recorder) + "\" \"%1\"");
  ChildProcess hand = probe().Hold("Hand", 60s, 64, 64, true);
  XScreen pointer(WineSession::Current().Variable("DISPLAY"));
  MovePointer(32, 32);
  std::this_thread::sleep_for(300ms);
  const ScreenImage handPointer = pointer.Pointer();
  WriteIni(IniText("1", "12", R"(C:\Music\night song.mp3)"));
  ChildProcess saver = OpenDialog();
  const ScreenImage screen = Capture();
  SaveForTheReadme(screen);

  // Beside the panel, on both sides alike, each row is a bluish grey that brightens from
  // the top to the middle and darkens again to the bottom, dark at both edges.
  const int height = dialog_.clientHeight;
  std::vector<int> band;
  for (int y = 0; y < height; ++y) {
    const Rgb left = ClientPixel(screen, 4, y);
    EXPECT_EQ(left, ClientPixel(screen, dialog_.clientWidth - 4, y)) << y;
    EXPECT_TRUE(left.blue > left.red && left.red == left.green) << y;
    band.push_back(Brightness(left));
  }
  const int middle = height / 2;
  for (int y = 0; y < height - 1; ++y) {
    EXPECT_TRUE(y < middle ? band[y] <= band[y + 1] : band[y] >= band[y + 1]) << y;
  }
  EXPECT_LT(4 * band.front(), band[middle]);
  EXPECT_LT(4 * band.back(), band[middle]);

  // Right of every control on the panel, the panel shows its tile, repeated downwards.
  const ScreenImage tile = DialogPicture("dialog_tile.bmp");
  const ChildWindowInfo& panel = Control(kPanel);
  int right = panel.left;
  for (const ChildWindowInfo& c : dialog_.children) {
    if (c.controlId != kPanel && c.left >= panel.left && c.right <= panel.right &&
        c.top >= panel.top && c.bottom <= panel.bottom) {
      right = std::max(right, c.right);
    }
  }
  ASSERT_LT(right, panel.right);
  for (int y = panel.top; y < panel.bottom; ++y) {
    for (int x = right; x < panel.right; ++x) {
      ASSERT_EQ(ClientPixel(screen, x, y), tile.At(x - panel.left, (y - panel.top) % tile.height()))
          << x << "," << y;
    }
  }

  // "設定" and "ｷｬﾝｾﾙ" show the push button's framed face; "...", disabled, a greyed one.
  EXPECT_TRUE(ShowsBorder(screen, kSaveButton, 8));
  EXPECT_TRUE(ShowsBorder(screen, kCancelButton, 8));
  EXPECT_FALSE(ShowsBorder(screen, kFileButton, 8));

  // The hand shows over the link alone, and a click opens the home page with the program
  // registered for http addresses; the dialog stays.
  MoveOnto(kCredit);
  std::this_thread::sleep_for(300ms);
  EXPECT_FALSE(SamePicture(pointer.Pointer(), handPointer)) << "a hand over a label that is no link";
  MoveOnto(kLink);
  std::this_thread::sleep_for(300ms);
  EXPECT_TRUE(SamePicture(pointer.Pointer(), handPointer)) << "no hand over the link";
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

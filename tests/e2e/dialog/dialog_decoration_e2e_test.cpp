// The settings dialog's look on the screen, the band painted across its background and the
// tiled panel, and the link that opens the home page.
#include "dialog_fixture.h"
#include "screen_image.h"
#include "x_screen.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

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
};

TEST_F(DecorationTest, ABandFadingToDarkBlueATiledPanelAndALinkToTheHomePage) {
  const fs::path opened = OutputFolder() / "opened.txt";
  SetHttpOpenCommand("cmd /c echo %1>\"" + WindowsPath(opened) + "\"");
  ChildProcess saver = OpenDialog();
  const ScreenImage screen = XScreen(WineSession::Current().Variable("DISPLAY")).Capture();
  const auto pixel = [&](int x, int y) {
    return screen.At(dialog_.clientLeft + x, dialog_.clientTop + y);
  };

  // Beside the panel, on both sides alike, each row is a bluish grey that brightens from the
  // top to the middle and darkens again to the bottom, dark at both edges.
  std::vector<int> band;
  for (int y = 0; y < dialog_.clientHeight; ++y) {
    const Rgb left = pixel(4, y);
    EXPECT_EQ(left, pixel(dialog_.clientWidth - 4, y)) << y;
    EXPECT_TRUE(left.blue > left.red && left.red == left.green) << y;
    band.push_back(left.red + left.green + left.blue);
  }
  const std::size_t middle = band.size() / 2;
  for (std::size_t y = 0; y + 1 < band.size(); ++y) {
    EXPECT_TRUE(y < middle ? band[y] <= band[y + 1] : band[y] >= band[y + 1]) << y;
  }
  EXPECT_LT(4 * std::max(band.front(), band.back()), band[middle]);

  // Right of the controls on it, the panel shows its tile, repeated downwards.
  const fs::path tileCopy = OutputFolder() / "tile.bmp";
  fs::copy_file(kArtworkFolder / "dialog_tile.bmp", tileCopy);
  const ScreenImage tile = ScreenImage::Load(tileCopy);
  const ChildWindowInfo panel = Control(kPanel);
  int right = panel.left;
  for (const ChildWindowInfo& c : dialog_.children) {
    const bool onPanel = c.left >= panel.left && c.top >= panel.top && c.right <= panel.right &&
                         c.bottom <= panel.bottom;
    if (c.controlId != kPanel && onPanel) right = std::max(right, c.right);
  }
  ASSERT_LT(right, panel.right);
  for (int y = panel.top; y < panel.bottom; ++y) {
    for (int x = right; x < panel.right; ++x) {
      ASSERT_EQ(pixel(x, y), tile.At(x - panel.left, (y - panel.top) % tile.height()))
          << x << "," << y;
    }
  }

  // A click on the link opens the home page with the program registered for http addresses;
  // the dialog stays until its title bar's close, which ends the program.
  Click(kLink);
  const auto deadline = std::chrono::steady_clock::now() + 15s;
  while (ReadBytes(opened).empty() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(100ms);
  }
  EXPECT_EQ(ReadBytes(opened), "http://3dorvane.example.com/\r\n");
  ASSERT_TRUE(probe().Close(kDialogTitle)) << "the dialog closed";
  EXPECT_EQ(saver.WaitForExit(10s), 0);
}

}  // namespace
}  // namespace orvane::e2e

// The preview under Wine: a window of the probe stands in for the preview pane of the display
// settings. Wine does not draw a child window whose parent belongs to another process, so the
// picture itself is looked at through preview_host, which puts the same preview window into
// a host window of its own process.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

#include "build_paths.h"
#include "e2e_test.h"
#include "screen_image.h"
#include "x_screen.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kPaneTitle = "Preview Host";

class PreviewTest : public E2eTest {
 protected:
  // A pane of this size; `paneHandle_` is its handle in decimal.
  ChildProcess HoldPane(int width, int height) {
    ChildProcess pane = probe().Hold(kPaneTitle, 120s, width, height);
    const std::string output = pane.Output();
    paneHandle_ = std::to_string(std::strtoull(output.c_str() + output.find("0x"), nullptr, 16));
    return pane;
  }

  // The windows inside the pane once the preview is among them and has settled: the window
  // sized and its picture stretched over it (the program parents the window first, then sizes
  // it). If it never settles, what was seen last.
  std::optional<WindowContents> WaitForPreview(ChildProcess& saver) {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    std::optional<WindowContents> seen;
    while (std::chrono::steady_clock::now() < deadline && !saver.HasEnded()) {
      std::optional<WindowContents> pane = probe().Contents(kPaneTitle);
      if (pane && pane->children.size() >= 2) {
        seen = pane;
        const ChildWindowInfo& window = pane->children[0];
        const ChildWindowInfo& picture = pane->children[1];
        if (window.right > 0 && picture.right == window.right && picture.bottom == window.bottom) break;
      }
      std::this_thread::sleep_for(200ms);
    }
    return seen;
  }

  std::string paneHandle_;
};

TEST_F(PreviewTest, LivesInThePaneAtItsSizeUntilThePaneGoesAndWithoutAPaneEndsQuietly) {
  const fs::path program = MakeProgramFolder({false, false});
  ChildProcess pane = HoldPane(200, 150);
  ChildProcess saver = StartScreenSaver(program, {"/p", paneHandle_});

  const std::optional<WindowContents> contents = WaitForPreview(saver);
  ASSERT_TRUE(contents) << "no preview in the pane";
  const ChildWindowInfo& preview = contents->children[0];
  EXPECT_EQ(preview.text, "Preview Window");
  EXPECT_EQ((std::vector<int>{preview.left, preview.top, preview.right, preview.bottom}),
            (std::vector<int>{0, 0, 200, 150}));
  const ChildWindowInfo& picture = contents->children[1];
  EXPECT_EQ((std::vector<int>{picture.left, picture.top, picture.right, picture.bottom}),
            (std::vector<int>{0, 0, 200, 150})) << "the picture does not cover the window";
  // It reacts to neither the mouse nor the keyboard, and stages nothing.
  Xdotool({"mousemove", "70", "50", "click", "1"});
  Xdotool({"key", "Escape"});
  std::this_thread::sleep_for(500ms);
  ASSERT_FALSE(saver.HasEnded());
  EXPECT_FALSE(fs::exists(StagingFolder()));

  ASSERT_TRUE(probe().Close(kPaneTitle));
  ASSERT_TRUE(pane.WaitForExit(10s)) << "the pane did not go";
  EXPECT_EQ(saver.WaitForExit(1s), 0) << "the preview outlived its pane";

  // Nothing would ever close a preview without a pane: a handle that names no window, now that
  // the pane has gone, or none at all.
  for (const std::string& handle : {paneHandle_, std::string("0")}) {
    SCOPED_TRACE("/p " + handle);
    ChildProcess orphan = StartScreenSaver(program, {"/p", handle});
    EXPECT_EQ(orphan.WaitForExit(10s), 0) << "the preview stayed without a pane";
    EXPECT_FALSE(probe().WaitForMessageBox(kApplicationTitle, 0ms));
    EXPECT_FALSE(fs::exists(StagingFolder()));
  }
}

TEST_F(PreviewTest, ThePictureFillsThePaneStretchedToItsSize) {
  const fs::path stored = OutputFolder() / "preview_picture.jpg";
  fs::copy_file(kArtworkFolder / "preview_picture.jpg", stored);
  const ScreenImage picture = ScreenImage::Load(stored);
  const int width = 2 * picture.width(), height = 2 * picture.height();
  ChildProcess host = WineSession::Current().Start(
      TestTools(PrimaryBuild()) / "preview_host.exe", {std::to_string(width), std::to_string(height)},
      OutputFolder() / "preview-host.log");
  ASSERT_TRUE(host.WaitForOutput("ready", 30s)) << host.Output();
  std::this_thread::sleep_for(700ms);

  // Each pixel of the pane shows the picture's pixel it was stretched from. The decoders of
  // Wine and of the test may round a colour differently by a step.
  const ScreenImage shown = XScreen(WineSession::Current().Variable("DISPLAY")).Capture();
  ScreenImage pane(width, height);
  int off = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb want = picture.At(x / 2, y / 2);
      const Rgb got = shown.At(x, y);
      pane.Set(x, y, got);
      off += std::abs(want.red - got.red) > 2 || std::abs(want.green - got.green) > 2 ||
             std::abs(want.blue - got.blue) > 2;
    }
  }
  EXPECT_EQ(off, 0) << "pixels unlike the picture";
  pane.SavePng(kOutputFolder / "preview.png");
  ASSERT_TRUE(probe().Close(kPaneTitle));
  EXPECT_EQ(host.WaitForExit(10s), 0);
}

}  // namespace
}  // namespace orvane::e2e

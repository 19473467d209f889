// The preview under Wine. Wine does not draw a child window whose parent belongs to another
// process, so the picture is looked at through preview_host, which puts the preview window into
// a pane of its own process; a window of the probe stands in for the display settings' pane of
// a real /p run.
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "e2e_test.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;
using PreviewTest = E2eTest;

const std::string kPaneTitle = "Preview Host";

TEST_F(PreviewTest, FillsThePaneWithItsPictureStretchedAndEndsWithThePane) {
  const fs::path stored = OutputFolder() / "preview_picture.jpg";
  fs::copy_file(kArtworkFolder / "preview_picture.jpg", stored);
  const ScreenImage picture = ScreenImage::Load(stored);
  const int width = 2 * picture.width(), height = 2 * picture.height();
  ChildProcess host = WineSession::Current().Start(TestTools(PrimaryBuild()) / "preview_host.exe",
                                                   {std::to_string(width), std::to_string(height)},
                                                   OutputFolder() / "preview-host.log");
  ASSERT_TRUE(host.WaitForOutput("ready", 30s)) << host.Output();
  std::this_thread::sleep_for(700ms);
  // Each pixel shows the picture's pixel it was stretched from. The decoders of Wine and of the
  // test may round a colour differently by a step.
  const ScreenImage shown = screen().Capture();
  ScreenImage pane(width, height);
  int off = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb want = picture.At(x / 2, y / 2), got = shown.At(x, y);
      pane.Set(x, y, got);
      off += std::abs(want.red - got.red) > 2 || std::abs(want.green - got.green) > 2 ||
             std::abs(want.blue - got.blue) > 2;
    }
  }
  EXPECT_EQ(off, 0) << "pixels unlike the picture";
  pane.SavePng(kOutputFolder / "preview.png");
  ASSERT_TRUE(probe().Close(kPaneTitle));
  EXPECT_EQ(host.WaitForExit(10s), 0);

  // A real /p run: the window, and its picture over it, take the pane's place and size once
  // settled (the program parents the window first, then sizes it).
  const fs::path program = MakeProgramFolder({false, false});
  std::string paneHandle;
  ChildProcess paneHolder = probe().Hold(kPaneTitle, 120s, 200, 150, &paneHandle);
  ChildProcess saver = StartScreenSaver(program, {"/p", paneHandle});
  std::vector<ChildWindowInfo> inPane;
  for (const auto deadline = std::chrono::steady_clock::now() + 20s;
       std::chrono::steady_clock::now() < deadline && !saver.HasEnded();
       std::this_thread::sleep_for(200ms)) {
    inPane = probe().Contents(kPaneTitle).value_or(WindowContents{}).children;
    if (inPane.size() >= 2 && inPane[0].right > 0 && inPane[1].right == inPane[0].right &&
        inPane[1].bottom == inPane[0].bottom) {
      break;
    }
  }
  ASSERT_EQ(inPane.size(), 2u) << "no preview in the pane";
  EXPECT_EQ(inPane[0].text, "Preview Window");
  for (const ChildWindowInfo& w : inPane) {
    EXPECT_EQ((std::vector<int>{w.left, w.top, w.right, w.bottom}),
              (std::vector<int>{0, 0, 200, 150}));
  }
  // It reacts to neither the mouse nor the keyboard, and stages nothing.
  Xdotool({"mousemove", "70", "50", "click", "1"});
  Xdotool({"key", "Escape"});
  std::this_thread::sleep_for(500ms);
  ASSERT_FALSE(saver.HasEnded());
  EXPECT_FALSE(fs::exists(StagingFolder()));
  ASSERT_TRUE(probe().Close(kPaneTitle));
  ASSERT_TRUE(paneHolder.WaitForExit(10s)) << "the pane did not go";
  EXPECT_EQ(saver.WaitForExit(1s), 0) << "the preview outlived its pane";

  // Nothing would ever close a preview without a pane: a handle that names no window, now that
  // the pane has gone, or none at all.
  for (const std::string& handle : {paneHandle, std::string("0")}) {
    SCOPED_TRACE("/p " + handle);
    EXPECT_EQ(StartScreenSaver(program, {"/p", handle}).WaitForExit(10s), 0)
        << "it stayed without a pane";
    EXPECT_FALSE(probe().WaitForMessageBox(kApplicationTitle, 0ms));
    EXPECT_FALSE(fs::exists(StagingFolder()));
  }
}

}  // namespace
}  // namespace orvane::e2e

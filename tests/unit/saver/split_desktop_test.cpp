#include "saver/split_desktop.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_platform.h"

namespace orvane::saver {
namespace {

using Calls = std::vector<std::wstring>;
using namespace std::chrono_literals;

class NoHandlers final : public platform::FormHandlers {
 public:
  void OnTimer(int) override {}
  void OnQueryUnload() override {}
  void OnUnload() override {}
};

// The effect on a window of 8 x 4 pixels at 60 Hz. Every draw of 0.25 gives a step width of
// 4 to the right, so the crack runs down the right edge and the travel is 8: frames at
// offsets -2.1, -4.3 and -6.6; -9.0 would pass it.
class SplitDesktopTest : public ::testing::Test {
 protected:
  SplitDesktopTest() {
    form_ = fake.forms.CreateForm(L"3dOrvane_Main", handlers_, {platform::FormBorder::kNone, 8, 4});
    snapshot_ = fake.forms.CreateImage(8, 4);
    fake.calls.clear();
  }
  void Split() {
    SplitDesktop(*form_, *snapshot_, fake.forms, fake, [] { return 0.25; });
  }
  // What was done about showing frames, in order: presents, waits and message handling.
  Calls FrameCalls() const {
    Calls calls;
    std::copy_if(fake.calls.begin(), fake.calls.end(), std::back_inserter(calls),
                 [](const std::wstring& call) {
                   return call == L"Present" || call == L"ProcessPendingMessages" ||
                          call.rfind(L"WaitForRefresh", 0) == 0;
                 });
    return calls;
  }
  bool Called(const std::wstring& call) const {
    return std::find(fake.calls.begin(), fake.calls.end(), call) != fake.calls.end();
  }

  testing::FakePlatform fake;
  NoHandlers handlers_;
  std::unique_ptr<platform::FormWindow> form_;
  std::unique_ptr<platform::PixelImage> snapshot_;
};

TEST_F(SplitDesktopTest, TheCrackAndEachFrameStayOnTheScreenForOneRefresh) {
  Split();

  EXPECT_EQ(FrameCalls(), (Calls{
                              L"Present", L"WaitForRefresh(16667)", L"ProcessPendingMessages",
                              L"Present", L"WaitForRefresh(33334)", L"ProcessPendingMessages",
                              L"Present", L"WaitForRefresh(50001)", L"ProcessPendingMessages",
                              L"Present", L"WaitForRefresh(66668)", L"ProcessPendingMessages",
                          }));
  EXPECT_EQ(fake.calls.front(), L"window: DrawLine(4, 0, 8, 0, 0)") << "the crack comes first";
  // The first frame: the left part 2 pixels left, the gap of 4 black pixels round the crack.
  EXPECT_TRUE(Called(L"window: CopyFrom(image1, 0, 0, 8, 2, -2, 0)"));
  EXPECT_TRUE(Called(L"window: FillRectangle(6, 0, 4, 2, 0)"));
}

TEST_F(SplitDesktopTest, ALateFrameIsShownAtOnceAndTheNextGetsAWholeRefresh) {
  // The messages after the first frame (a music timer's tick, say) take 20 ms, so the second
  // frame is ready only after the refresh it was meant for.
  int handled = 0;
  fake.forms.onPendingMessages = [&] {
    if (++handled == 2) fake.clock += 20ms;
  };

  Split();

  EXPECT_EQ(FrameCalls(), (Calls{
                              L"Present", L"WaitForRefresh(16667)", L"ProcessPendingMessages",
                              L"Present", L"WaitForRefresh(33334)", L"ProcessPendingMessages",
                              L"Present", L"ProcessPendingMessages",
                              L"Present", L"WaitForRefresh(70001)", L"ProcessPendingMessages",
                          }));
}

TEST_F(SplitDesktopTest, ACloseWhileAFrameIsOnTheScreenEndsTheEffectThere) {
  int waits = 0;
  fake.whileWaitingForRefresh = [&] {
    if (++waits == 2) form_->Unload();
  };

  Split();

  EXPECT_EQ(FrameCalls(), (Calls{
                              L"Present", L"WaitForRefresh(16667)", L"ProcessPendingMessages",
                              L"Present", L"WaitForRefresh(33334)", L"ProcessPendingMessages",
                          }));
  EXPECT_EQ(fake.calls.back(), L"ProcessPendingMessages") << "drew on after the close";
}

}  // namespace
}  // namespace orvane::saver

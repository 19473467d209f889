#include "preview/preview_window.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace orvane::preview {
namespace {

TEST(PreviewWindow, BecomesAChildOfThePaneAtItsSizeWithThePictureStretchedOverItAndEndsTheModeWhenClosed) {
  testing::FakePlatform fake;
  fake.windowStyles[0x5A5A] = 0x16000000;
  PreviewWindow preview{fake.services};

  preview.ShowInPane(1234, 200, 100);

  EXPECT_EQ(fake.calls, (testing::Calls{L"CreateForm(Preview Window)", L"GetWindowStyle(23130)",
                                        L"SetWindowStyle(23130, 1442840576)",  // 0x56000000: the child bit added
                                        L"SetParent(23130, 1234)", L"SetBounds(0, 0, 200, 100)", L"Show"}));
  const testing::FakeControl& image = *fake.forms.form->controls().Find(PreviewWindow::kImgPrev);
  EXPECT_EQ(image.picture, L"PREVIEW_PICTURE");
  EXPECT_TRUE(image.stretch);
  EXPECT_EQ(std::pair(image.box.right, image.box.bottom), std::pair(200, 100));
  fake.forms.form->Unload();
  EXPECT_EQ(fake.calls.back(), L"EndMessageLoop");
}

}  // namespace
}  // namespace orvane::preview

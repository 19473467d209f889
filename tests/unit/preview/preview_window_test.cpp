#include "preview/preview_window.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace orvane::preview {
namespace {

TEST(PreviewWindow, BecomesAChildOfThePaneAtItsSizeInPixelsWithThePictureStretchedOverIt) {
  const struct {
    std::int16_t widthTwips, heightTwips;
    int twipsPerPixel;
    std::int32_t width, height;
  } rows[] = {{2280, 1680, 15, 152, 112}, {2400, 1200, 12, 200, 100}, {0, 0, 15, 0, 0}};
  for (const auto& row : rows) {
    testing::FakePlatform fake;
    fake.twipsPerPixel = row.twipsPerPixel;
    fake.windowStyles[0x5A5A] = 0x16000000;
    PreviewWindow preview{fake.services};

    preview.ShowInPane(1234, row.widthTwips, row.heightTwips);

    EXPECT_EQ(fake.calls, (testing::Calls{L"CreateForm(Preview Window)", L"GetWindowStyle(23130)",
                                          L"SetWindowStyle(23130, 56000000)",  // the child bit added
                                          L"SetParent(23130, 1234)",
                                          testing::Call(L"SetBounds", 0, 0, row.width, row.height), L"Show"}));
    const testing::FakeControl& image = *fake.forms.form->controls().Find(PreviewWindow::kImgPrev);
    EXPECT_EQ(image.picture, L"PREVIEW_PICTURE");
    EXPECT_TRUE(image.stretch);
    EXPECT_EQ(image.box.right, row.width);
    EXPECT_EQ(image.box.bottom, row.height);
  }
}

}  // namespace
}  // namespace orvane::preview

#include "preview/preview_window.h"

#include <gtest/gtest.h>

#include "fakes/fake_controls.h"
#include "fakes/fake_platform.h"

namespace orvane::preview {
namespace {

using Calls = std::vector<std::wstring>;

class PreviewWindowTest : public ::testing::Test {
 protected:
  PreviewWindowTest() { fake.windowStyles[0x5A5A] = 0x16000000; }

  testing::FakePlatform fake;
  PreviewWindow preview{fake.services};
};

TEST_F(PreviewWindowTest, BecomesAChildOfThePaneAtItsSizeWithThePictureStretchedOverIt) {
  preview.ShowInPane(1234, 2280, 1680);

  EXPECT_EQ(fake.calls, (Calls{
                            L"CreateForm(Preview Window)",
                            L"form: AddImage(1, 0 0 152 x 112, stretched)",
                            L"Image 1: SetPicture(PREVIEW_PICTURE)",
                            L"GetWindowStyle(23130)",
                            // Only the child bit is added.
                            L"SetWindowStyle(23130, 56000000)",
                            L"SetParent(23130, 1234)",
                            L"SetBounds(0, 0, 152, 112)",
                            L"Image 1: Move(0 0 152 x 112)",
                            L"Show",
                        }));
  EXPECT_EQ(fake.forms.form->Style().background, platform::kBlack);
}

TEST_F(PreviewWindowTest, APaneOfNoSizeGivesAWindowOfNoSizeThatIsShownAllTheSame) {
  preview.ShowInPane(0, 0, 0);

  testing::FakeFormWindow& form = *fake.forms.form;
  EXPECT_EQ(form.ClientWidth(), 0);
  EXPECT_EQ(form.ClientHeight(), 0);
  EXPECT_EQ(form.controls().FindImage(PreviewWindow::kImgPrev)->box.right, 0);
  EXPECT_TRUE(form.Visible());
}

TEST_F(PreviewWindowTest, TwipsBecomePixelsAtTheScreensFactor) {
  fake.twipsPerPixel = 12;  // 120 dots per inch

  preview.ShowInPane(77, 2400, 1200);

  const platform::Rect box = fake.forms.form->controls().FindImage(PreviewWindow::kImgPrev)->box;
  EXPECT_EQ(box.right, 200);
  EXPECT_EQ(box.bottom, 100);
  EXPECT_EQ(fake.forms.form->ClientWidth(), 200);
}

}  // namespace
}  // namespace orvane::preview

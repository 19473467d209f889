// Twips to pixels as the button and the preview place geometry given in twips.
#include "platform/twips.h"

#include <gtest/gtest.h>

namespace orvane::platform {
namespace {

TEST(Twips, HalfPixelsGoUpAndNegativePlacesStayInOrder) {
  EXPECT_EQ(TwipsToPixels(7.5, 15), 1);
  EXPECT_EQ(TwipsToPixels(7.4, 15), 0);
  EXPECT_EQ(TwipsToPixels(-7.5, 15), 0);
  EXPECT_EQ(TwipsToPixels(-32.5, 15), -2);
}

}  // namespace
}  // namespace orvane::platform

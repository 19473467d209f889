#pragma once

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "platform/drawing_surface.h"
#include "platform/text_label.h"
#include "platform/window_timer.h"

namespace orvane::testing {

// Numbers as a test writes them: 60, 102.5, -32.5.
inline std::wstring Number(double value) {
  std::wostringstream text;
  text << value;
  return text.str();
}

inline std::wstring Text(const platform::TwipsRect& rect) {
  return Number(rect.x) + L" " + Number(rect.y) + L" " + Number(rect.width) + L" " +
         Number(rect.height);
}

inline std::wstring Hex4(std::uint16_t value) {
  wchar_t text[8];
  std::swprintf(text, 8, L"%04X", value);
  return text;
}

// A control's drawing surface that records every drawing call into `calls`.
class FakeDrawingSurface : public platform::DrawingSurface {
 public:
  explicit FakeDrawingSurface(std::vector<std::wstring>& calls) : calls_(calls) {}

  std::int32_t widthTwips = 1755;
  std::int32_t heightTwips = 420;
  std::int32_t widthPixels = 117;
  std::int32_t heightPixels = 28;
  platform::BackgroundStyle style = platform::BackgroundStyle::kOpaque;

  std::int32_t WidthTwips() override { return widthTwips; }
  std::int32_t HeightTwips() override { return heightTwips; }
  std::int32_t WidthPixels() override { return widthPixels; }
  std::int32_t HeightPixels() override { return heightPixels; }
  void Clear() override { calls_.push_back(L"Clear()"); }
  void DrawPicturePart(const std::wstring& picture, const platform::TwipsRect& source,
                       const platform::TwipsRect& destination) override {
    calls_.push_back(L"DrawPicturePart(" + picture + L", " + Text(source) + L", " +
                     Text(destination) + L")");
  }
  void GradientFill(const std::vector<platform::GradientVertex>& vertices,
                    const std::vector<platform::GradientRectangle>& mesh,
                    platform::GradientDirection direction) override {
    std::wstring call = L"GradientFill(";
    for (const auto& v : vertices) {
      call += L"[" + Number(v.x) + L" " + Number(v.y) + L" " + Hex4(v.red) + L" " +
              Hex4(v.green) + L" " + Hex4(v.blue) + L" " + Hex4(v.alpha) + L"] ";
    }
    for (const auto& r : mesh) {
      call += L"mesh " + Number(r.upperLeft) + L" " + Number(r.lowerRight) + L" ";
    }
    call += direction == platform::GradientDirection::kVertical ? L"vertical)" : L"horizontal)";
    calls_.push_back(call);
  }
  void Present() override { calls_.push_back(L"Present()"); }
  platform::BackgroundStyle GetBackgroundStyle() override { return style; }
  void SetBackgroundStyle(platform::BackgroundStyle newStyle) override {
    style = newStyle;
    calls_.push_back(newStyle == platform::BackgroundStyle::kOpaque
                         ? L"SetBackgroundStyle(opaque)"
                         : L"SetBackgroundStyle(transparent)");
  }

 private:
  std::vector<std::wstring>& calls_;
};

// A windowless label that keeps what it is given and records every change into `calls`.
class FakeTextLabel : public platform::TextLabel {
 public:
  explicit FakeTextLabel(std::vector<std::wstring>& calls) : calls_(calls) {}

  std::wstring text;
  std::uint32_t colour = 0;
  platform::FontDescription font;
  bool enabled = true;
  platform::TwipsRect box;

  std::wstring Text() override { return text; }
  void SetText(const std::wstring& newText) override {
    text = newText;
    calls_.push_back(L"Label.SetText(" + newText + L")");
  }
  std::uint32_t Colour() override { return colour; }
  void SetColour(std::uint32_t newColour) override {
    colour = newColour;
    calls_.push_back(L"Label.SetColour(" + Number(newColour) + L")");
  }
  platform::FontDescription Font() override { return font; }
  void SetFont(const platform::FontDescription& newFont) override {
    font = newFont;
    calls_.push_back(L"Label.SetFont(" + newFont.name + L" " + Number(newFont.sizePoints) + L")");
  }
  void SetEnabled(bool newEnabled) override {
    enabled = newEnabled;
    calls_.push_back(newEnabled ? L"Label.SetEnabled(true)" : L"Label.SetEnabled(false)");
  }
  void Move(const platform::TwipsRect& newBox) override {
    box = newBox;
    calls_.push_back(L"Label.Move(" + orvane::testing::Text(newBox) + L")");
  }

 private:
  std::vector<std::wstring>& calls_;
};

class FakeWindowTimer : public platform::WindowTimer {
 public:
  explicit FakeWindowTimer(std::vector<std::wstring>& calls) : calls_(calls) {}

  void Start(std::uint32_t intervalMs) override {
    calls_.push_back(L"Timer.Start(" + Number(intervalMs) + L")");
  }

 private:
  std::vector<std::wstring>& calls_;
};

}  // namespace orvane::testing

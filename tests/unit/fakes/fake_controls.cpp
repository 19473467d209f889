#include "fakes/fake_controls.h"

#include <cwchar>
#include <sstream>

namespace orvane::testing {
namespace {

std::wstring Hex(std::uint32_t value, int digits) {
  wchar_t text[12];
  std::swprintf(text, 12, L"%0*X", digits, value);
  return text;
}

}  // namespace

std::wstring Numbers(std::initializer_list<std::int32_t> values) {
  std::wstring text;
  for (const std::int32_t value : values) text += (text.empty() ? L"" : L", ") + std::to_wstring(value);
  return text;
}

// As "GradientFill([x, y RRRRGGGGBBBB] ... mesh <upper-left>, <lower-right> vertical)".
void FakePixelImage::GradientFill(const std::vector<platform::GradientVertex>& vertices,
                                  const std::vector<platform::GradientRectangle>& mesh,
                                  platform::GradientDirection direction) {
  std::wstring call = L"GradientFill(";
  for (const auto& v : vertices) {
    call += L"[" + Numbers({v.x, v.y}) + L" " + Hex(v.red, 4) + Hex(v.green, 4) + Hex(v.blue, 4) + L"] ";
  }
  for (const auto& r : mesh) call += L"mesh " + Numbers({int(r.upperLeft), int(r.lowerRight)}) + L" ";
  Record(call + (direction == platform::GradientDirection::kVertical ? L"vertical" : L"horizontal"));
}

// As "DrawCentredText(<text>, <box>, <font> <size>, <colour BBGGRR>[, greyed])".
void FakePixelImage::DrawCentredText(const std::wstring& text, const platform::Rect& box,
                                     const platform::FontDescription& font, platform::Colour colour,
                                     bool greyed) {
  std::wostringstream size;
  size << font.sizePoints;
  Record(L"DrawCentredText(" + text + L", " +
         Numbers({box.left, box.top, box.right - box.left, box.bottom - box.top}) + L", " + font.name +
         L" " + size.str() + L", " + Hex(colour, 6) + (greyed ? L", greyed" : L""));
}

FakeControl* FakeControl::Find(int controlId) {
  if (id == controlId) return this;
  for (const auto& control : controls) {
    if (FakeControl* found = control->Find(controlId)) return found;
  }
  return nullptr;
}

FakeControl& FakeControl::Add(int controlId, const platform::Rect& at) {
  controls.push_back(std::make_unique<FakeControl>(controlId, at, 0x6000 + controlId, calls_));
  return *controls.back();
}

platform::Label& FakeControl::AddLabel(int controlId, const platform::Rect& at,
                                       const std::wstring& labelCaption,
                                       const platform::LabelStyle& labelStyle) {
  FakeControl& label = Add(controlId, at);
  label.caption = labelCaption;
  label.style = labelStyle;
  return label;
}

platform::ImageControl& FakeControl::AddImage(int controlId, const platform::Rect& at, bool stretched) {
  FakeControl& image = Add(controlId, at);
  image.stretch = stretched;
  return image;
}

platform::DrawnControl& FakeControl::AddDrawnControl(int controlId, const platform::Rect& at,
                                                     const std::wstring& windowClass,
                                                     platform::DrawnControlHandlers& controlHandlers) {
  FakeControl& control = Add(controlId, at);
  control.className = windowClass;
  control.handlers = &controlHandlers;
  return control;
}

}  // namespace orvane::testing

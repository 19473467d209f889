#pragma once

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/form_controls.h"

namespace orvane::testing {

using Calls = std::vector<std::wstring>;

// Arguments as the call list shows them: numbers and texts as they are, points as "x, y",
// boxes as "left, top, width, height", images by name, all joined by ", ".
template <typename... Arguments>
std::wstring Join(const Arguments&... arguments);
// A call as the call list shows it: "Name(arguments)".
template <typename... Arguments>
std::wstring Call(const std::wstring& name, const Arguments&... arguments) {
  return name + L"(" + Join(arguments...) + L")";
}

// An image that records what is drawn on it into a shared call list, as "<name>: <call>".
class FakePixelImage : public platform::PixelImage {
 public:
  FakePixelImage(std::wstring name, std::int32_t width, std::int32_t height, Calls& calls)
      : name(std::move(name)), width_(width), height_(height), calls_(calls) {}

  const std::wstring name;

  std::int32_t Width() override { return width_; }
  std::int32_t Height() override { return height_; }
  void Resize(std::int32_t width, std::int32_t height) override {
    width_ = width;
    height_ = height;
    Record(Call(L"Resize", width, height));
  }
  void CopyFromScreen(const platform::Rect& area, const platform::Point& at) override {
    Record(Call(L"CopyFromScreen", area, at));
  }
  void CopyFrom(PixelImage& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t width,
                std::int32_t height, std::int32_t x, std::int32_t y) override {
    Record(Call(L"CopyFrom", source, sourceX, sourceY, width, height, x, y));
  }
  void FillRectangle(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     platform::Colour colour) override {
    Record(Call(L"FillRectangle", x, y, width, height, colour));
  }
  void DrawLine(const platform::Point& from, const platform::Point& to, platform::Colour colour,
                const platform::Rect& within) override {
    Record(Call(L"DrawLine", from, to, colour, within));
  }
  void StretchFrom(PixelImage& source, const platform::Rect& from, const platform::Rect& to) override {
    Record(Call(L"StretchFrom", source, from, to));
  }
  // As "GradientFill(<x, y, red, green, blue of each vertex>, vertical)".
  void GradientFill(const std::vector<platform::GradientVertex>& vertices,
                    const std::vector<platform::GradientRectangle>&,
                    platform::GradientDirection direction) override {
    const bool vertical = direction == platform::GradientDirection::kVertical;
    Record(Call(L"GradientFill", vertices, vertical ? L"vertical" : L"horizontal"));
  }
  void DrawCentredText(const std::wstring& text, const platform::Rect& box, const platform::FontDescription& font,
                       platform::Colour colour, bool greyed) override {
    Record(greyed ? Call(L"DrawCentredText", text, box, font.name, font.sizePoints, colour, L"greyed")
                  : Call(L"DrawCentredText", text, box, font.name, font.sizePoints, colour));
  }

 private:
  void Record(const std::wstring& call) { calls_.push_back(name + L": " + call); }

  std::int32_t width_;
  std::int32_t height_;
  Calls& calls_;
};

// How each kind of argument is shown in a recorded call.
namespace argument {

inline std::wstring Text(const std::wstring& text) { return text; }
inline std::wstring Text(const platform::PixelImage& image) { return static_cast<const FakePixelImage&>(image).name; }
template <typename Number, typename = std::enable_if_t<std::is_arithmetic_v<Number>>>
std::wstring Text(Number number) {
  std::wostringstream text;
  text << +number;
  return text.str();
}
inline std::wstring Text(const platform::Point& point) { return Join(point.x, point.y); }
inline std::wstring Text(const platform::Rect& box) {
  return Join(box.left, box.top, box.right - box.left, box.bottom - box.top);
}
inline std::wstring Text(const std::vector<platform::GradientVertex>& vertices) {
  std::wstring text;
  for (const auto& v : vertices) text += (text.empty() ? L"" : L", ") + Join(v.x, v.y, v.red, v.green, v.blue);
  return text;
}

}  // namespace argument

template <typename... Arguments>
std::wstring Join(const Arguments&... arguments) {
  std::wstring text;
  bool first = true;
  ((text += (first ? L"" : L", ") + argument::Text(arguments), first = false), ...);
  return text;
}

// Any control of a container, containers included (a form's client area, a picture box): it
// keeps what it is given, and its image records into the shared call list as "control <id>:
// ...", its Present too. A test hands a drawn control's events to its `handlers`.
class FakeControl : public platform::Label,
                    public platform::ImageControl,
                    public platform::ComboBox,
                    public platform::DrawnControl,
                    public platform::PictureBox {
 public:
  FakeControl(int id, const platform::Rect& box, platform::WindowHandle handle, Calls& calls)
      : id(id), box(box), image(L"control " + std::to_wstring(id), box.right - box.left, box.bottom - box.top, calls),
        handle_(handle), calls_(calls) {}

  const int id;
  platform::Rect box;
  FakePixelImage image;
  std::wstring caption;  // a label's
  platform::LabelStyle style;
  bool stretch = false;  // an image's
  std::wstring picture;
  bool enabled = true;  // a combo box's or a drawn control's
  std::wstring text;    // also what a test types into a combo box's field
  platform::DrawnControlHandlers* handlers = nullptr;
  std::map<int, std::uint32_t> timers;
  std::vector<std::unique_ptr<FakeControl>> controls;  // a container's, in the order added

  // The control `controlId` on this one or on a container on it; null when there is none.
  FakeControl* Find(int controlId) {
    if (id == controlId) return this;
    for (const auto& control : controls) {
      if (FakeControl* found = control->Find(controlId)) return found;
    }
    return nullptr;
  }
  // Runs the handler of an enabled timer, as the control's timer message would.
  void Tick(int timerId) {
    if (timers.count(timerId)) handlers->OnTimer(timerId);
  }

  std::wstring Caption() override { return caption; }
  void SetCaption(const std::wstring& newCaption) override { caption = newCaption; }
  void SetPicture(const std::wstring& pictureName) override { picture = pictureName; }
  void Move(const platform::Rect& newBox) override { box = newBox; }
  void SetEnabled(bool enable) override { enabled = enable; }
  std::wstring Text() override { return text; }
  void SetText(const std::wstring& newText) override { text = newText; }
  void AddItem(const std::wstring&) override {}
  platform::WindowHandle Handle() override { return handle_; }
  platform::PixelImage& Image() override { return image; }
  void Present() override { calls_.push_back(image.name + L": Present"); }
  void EnableTimer(int timerId, std::uint32_t intervalMs) override { timers[timerId] = intervalMs; }
  platform::Label& AddLabel(int controlId, const platform::Rect& at, const std::wstring& labelCaption,
                            const platform::LabelStyle& labelStyle) override {
    FakeControl& label = Add(controlId, at);
    label.caption = labelCaption;
    label.style = labelStyle;
    return label;
  }
  platform::ImageControl& AddImage(int controlId, const platform::Rect& at, bool stretched) override {
    Add(controlId, at).stretch = stretched;
    return *controls.back();
  }
  platform::ComboBox& AddComboBox(int controlId, const platform::Rect& at, const platform::FontDescription&) override {
    return Add(controlId, at);
  }
  platform::PictureBox& AddPictureBox(int controlId, const platform::Rect& at) override { return Add(controlId, at); }
  platform::DrawnControl& AddDrawnControl(int controlId, const platform::Rect& at, const std::wstring&,
                                          platform::DrawnControlHandlers& controlHandlers) override {
    Add(controlId, at).handlers = &controlHandlers;
    return *controls.back();
  }
  void AddFrame(const platform::Rect&, platform::Colour) override {}

 private:
  FakeControl& Add(int controlId, const platform::Rect& at) {
    controls.push_back(std::make_unique<FakeControl>(controlId, at, 0x6000 + controlId, calls_));
    return *controls.back();
  }

  platform::WindowHandle handle_;
  Calls& calls_;
};

}  // namespace orvane::testing

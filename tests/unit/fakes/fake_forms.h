#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/form_services.h"

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
    FakeControl& image = Add(controlId, at);
    image.stretch = stretched;
    return image;
  }
  platform::ComboBox& AddComboBox(int controlId, const platform::Rect& at, const platform::FontDescription&) override {
    return Add(controlId, at);
  }
  platform::PictureBox& AddPictureBox(int controlId, const platform::Rect& at) override { return Add(controlId, at); }
  platform::DrawnControl& AddDrawnControl(int controlId, const platform::Rect& at, const std::wstring&,
                                          platform::DrawnControlHandlers& controlHandlers) override {
    FakeControl& drawn = Add(controlId, at);
    drawn.handlers = &controlHandlers;
    return drawn;
  }
  void AddFrame(const platform::Rect&, platform::Colour) override {}

 private:
  FakeControl& Add(int controlId, const platform::Rect& at) {
    return *controls.emplace_back(std::make_unique<FakeControl>(controlId, at, 0x6000 + controlId, calls_));
  }

  platform::WindowHandle handle_;
  Calls& calls_;
};

// A window that records what is done to it, its image as "window: ..."; a test makes its
// timers tick with Tick().
class FakeFormWindow : public platform::FormWindow {
 public:
  // `frame`: how much larger than the client area the outer rectangle is.
  FakeFormWindow(platform::FormHandlers& handlers, Calls& calls, const platform::FormStyle& style,
                 platform::Point frame)
      : handlers_(handlers), calls_(calls), frame_(frame),
        image_(L"window", style.clientWidth, style.clientHeight, calls),
        controls_(0, {0, 0, style.clientWidth, style.clientHeight}, Handle(), calls) {}

  // Runs the handler of an enabled timer, as the window's timer message would.
  void Tick(int timerId) { if (TimerEnabled(timerId) && loaded_) handlers_.OnTimer(timerId); }
  std::uint32_t TimerInterval(int timerId) const { return timers_.count(timerId) ? timers_.at(timerId) : 0; }
  // The client area, as large as the window's client area.
  FakeControl& controls() { return controls_; }

  platform::WindowHandle Handle() override { return 0x5A5A; }
  void SetBounds(const platform::Rect& bounds) override {
    controls_.box = {0, 0, bounds.right - bounds.left - frame_.x, bounds.bottom - bounds.top - frame_.y};
    calls_.push_back(Call(L"SetBounds", bounds.left, bounds.top, bounds.right, bounds.bottom));
  }
  std::int32_t ClientWidth() override { return controls_.box.right; }
  std::int32_t ClientHeight() override { return controls_.box.bottom; }
  void Show() override { calls_.push_back(L"Show"); }
  void Hide() override { calls_.push_back(L"Hide"); }
  void ShowModal() override { calls_.push_back(L"ShowModal"); }
  platform::ControlContainer& Controls() override { return controls_; }
  void EnableTimer(int timerId, std::uint32_t intervalMs) override {
    timers_[timerId] = intervalMs;
    calls_.push_back(Call(L"EnableTimer", timerId, intervalMs));
  }
  void DisableTimer(int timerId) override { timers_.erase(timerId); calls_.push_back(Call(L"DisableTimer", timerId)); }
  bool TimerEnabled(int timerId) override { return timers_.count(timerId) > 0; }
  platform::PixelImage& Image() override { return image_; }
  void Present() override { calls_.push_back(L"Present"); }
  void PresentBlocks(const std::vector<platform::PresentedBlock>&) override { calls_.push_back(L"PresentBlocks"); }
  bool RepaintedSinceAsked() override { return false; }
  void Unload() override {
    if (!loaded_) return;
    calls_.push_back(L"Unload");
    handlers_.OnUnload();
    timers_.clear();
    loaded_ = false;
  }
  bool IsLoaded() override { return loaded_; }

 private:
  platform::FormHandlers& handlers_;
  Calls& calls_;
  platform::Point frame_;
  FakePixelImage image_;
  FakeControl controls_;
  std::map<int, std::uint32_t> timers_;
  bool loaded_ = true;
};

class FakeFormServices : public platform::FormServices {
 public:
  explicit FakeFormServices(Calls& calls) : calls_(calls) {}

  // One monitor of 8 x 4 pixels unless a test gives others, the primary first.
  std::vector<platform::Monitor> monitors{{{0, 0, 8, 4}, {0, 0, 8, 4}}};
  // The last form created.
  FakeFormWindow* form = nullptr;
  // The program's stored pictures, with their sizes.
  std::map<std::wstring, std::pair<std::int32_t, std::int32_t>> pictures;
  // Makes the images CreateImage gives, where a test needs images of its own.
  std::function<std::unique_ptr<platform::PixelImage>(std::int32_t, std::int32_t)> makeImage;
  // What the user chooses in the file-open dialog; empty when cancelling it.
  std::optional<std::wstring> chosenFile;

  using platform::FormServices::CreateForm;
  std::unique_ptr<platform::FormWindow> CreateForm(const std::wstring& title, platform::FormHandlers& handlers,
                                                   const platform::FormStyle& style) override {
    // A dialog's outer rectangle is larger than its client area by its frame and title bar.
    const bool dialog = style.border == platform::FormBorder::kFixedDialog;
    calls_.push_back(dialog ? Call(L"CreateForm", title, L"dialog", style.clientWidth, style.clientHeight)
                            : Call(L"CreateForm", title));
    auto created = std::make_unique<FakeFormWindow>(handlers, calls_, style,
                                                    dialog ? platform::Point{6, 26} : platform::Point{});
    form = created.get();
    return created;
  }
  std::unique_ptr<platform::PixelImage> CreateImage(std::int32_t width, std::int32_t height) override {
    const std::wstring name = L"image" + std::to_wstring(++images_);
    calls_.push_back(Call(L"CreateImage", name, width, height));
    if (makeImage) return makeImage(width, height);
    return std::make_unique<FakePixelImage>(name, width, height, calls_);
  }
  std::unique_ptr<platform::PixelImage> LoadPicture(const std::wstring& pictureName) override {
    const auto found = pictures.find(pictureName);
    if (found == pictures.end()) return nullptr;
    return std::make_unique<FakePixelImage>(pictureName, found->second.first, found->second.second, calls_);
  }
  platform::Rect VirtualScreen() override {
    platform::Rect all = monitors.front().area;
    for (const platform::Monitor& monitor : monitors) {
      all = {std::min(all.left, monitor.area.left), std::min(all.top, monitor.area.top),
             std::max(all.right, monitor.area.right), std::max(all.bottom, monitor.area.bottom)};
    }
    return all;
  }
  std::vector<platform::Monitor> Monitors() override { return monitors; }
  platform::Monitor MonitorAt(const platform::Point& point) override {
    for (const platform::Monitor& monitor : monitors) {
      const platform::Rect& area = monitor.area;
      if (point.x >= area.left && point.x < area.right && point.y >= area.top && point.y < area.bottom) return monitor;
    }
    return monitors.front();
  }
  void ProcessPendingMessages() override { calls_.push_back(L"ProcessPendingMessages"); }
  void EndMessageLoop() override { calls_.push_back(L"EndMessageLoop"); }
  void SetScreenPointer(platform::ScreenPointer pointer) override {
    const bool hourglass = pointer == platform::ScreenPointer::kHourglass;
    calls_.push_back(Call(L"SetScreenPointer", hourglass ? L"hourglass" : L"default"));
  }
  std::optional<std::wstring> ChooseFileToOpen(const platform::OpenFileRequest& request) override {
    calls_.push_back(Call(L"ChooseFileToOpen", request.owner, request.filterDescription, request.filterPattern,
                          request.fileBufferSize, request.fileTitleBufferSize, request.title, request.flags));
    return chosenFile;
  }

 private:
  Calls& calls_;
  int images_ = 0;
};

}  // namespace orvane::testing

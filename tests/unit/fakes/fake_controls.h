#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/form_controls.h"

namespace orvane::testing {

using Calls = std::vector<std::wstring>;

// Numbers as the recorded calls list them: "1, 2, 3".
std::wstring Numbers(std::initializer_list<std::int32_t> values);

// An image that records what is drawn on it into a shared call list, as "<name>: ...".
class FakePixelImage : public platform::PixelImage {
 public:
  FakePixelImage(std::wstring name, std::int32_t width, std::int32_t height, Calls& calls)
      : name_(std::move(name)), width_(width), height_(height), calls_(calls) {}

  const std::wstring& Name() const { return name_; }
  std::int32_t Width() override { return width_; }
  std::int32_t Height() override { return height_; }
  void Resize(std::int32_t width, std::int32_t height) override {
    width_ = width;
    height_ = height;
    Record(L"Resize(" + Numbers({width, height}));
  }
  void CopyFromScreen() override { calls_.push_back(name_ + L": CopyFromScreen"); }
  void CopyFrom(PixelImage& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t width,
                std::int32_t height, std::int32_t x, std::int32_t y) override {
    Record(L"CopyFrom(" + NameOf(source) + L", " + Numbers({sourceX, sourceY, width, height, x, y}));
  }
  void FillRectangle(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     platform::Colour colour) override {
    Record(L"FillRectangle(" + Numbers({x, y, width, height, static_cast<std::int32_t>(colour)}));
  }
  void DrawLine(const platform::Point& from, const platform::Point& to, platform::Colour colour) override {
    Record(L"DrawLine(" + Numbers({from.x, from.y, to.x, to.y, static_cast<std::int32_t>(colour)}));
  }
  // As "StretchFrom(<source>, <from: left, top, width, height>, <to: the same>)".
  void StretchFrom(PixelImage& source, const platform::Rect& from, const platform::Rect& to) override {
    Record(L"StretchFrom(" + NameOf(source) + L", " +
           Numbers({from.left, from.top, from.right - from.left, from.bottom - from.top, to.left, to.top,
                    to.right - to.left, to.bottom - to.top}));
  }
  void GradientFill(const std::vector<platform::GradientVertex>& vertices,
                    const std::vector<platform::GradientRectangle>& mesh,
                    platform::GradientDirection direction) override;
  void DrawCentredText(const std::wstring& text, const platform::Rect& box,
                       const platform::FontDescription& font, platform::Colour colour,
                       bool greyed) override;

 private:
  static std::wstring NameOf(PixelImage& image) { return static_cast<FakePixelImage&>(image).Name(); }
  void Record(const std::wstring& call) { calls_.push_back(name_ + L": " + call + L")"); }

  std::wstring name_;
  std::int32_t width_;
  std::int32_t height_;
  Calls& calls_;
};

// Any control of a container, containers included (a form's client area, a picture box): it
// keeps what it is given, and records into the shared call list as "control <id>: ...", its
// image's drawing and its Present. A test hands a drawn control's events to its `handlers`.
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
  std::vector<std::wstring> items;
  std::wstring className;  // a drawn control's
  platform::DrawnControlHandlers* handlers = nullptr;
  std::map<int, std::uint32_t> timers;
  std::vector<std::unique_ptr<FakeControl>> controls;  // a container's, in the order added

  // The control `controlId` on this one or on a container on it; null when there is none.
  FakeControl* Find(int controlId);
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
  void AddItem(const std::wstring& item) override { items.push_back(item); }
  platform::WindowHandle Handle() override { return handle_; }
  platform::PixelImage& Image() override { return image; }
  void Present() override { calls_.push_back(image.Name() + L": Present"); }
  void EnableTimer(int timerId, std::uint32_t intervalMs) override { timers[timerId] = intervalMs; }
  platform::Label& AddLabel(int controlId, const platform::Rect& at, const std::wstring& labelCaption,
                            const platform::LabelStyle& labelStyle) override;
  platform::ImageControl& AddImage(int controlId, const platform::Rect& at, bool stretched) override;
  platform::ComboBox& AddComboBox(int controlId, const platform::Rect& at,
                                  const platform::FontDescription&) override {
    return Add(controlId, at);
  }
  platform::PictureBox& AddPictureBox(int controlId, const platform::Rect& at) override {
    return Add(controlId, at);
  }
  platform::DrawnControl& AddDrawnControl(int controlId, const platform::Rect& at,
                                          const std::wstring& windowClass,
                                          platform::DrawnControlHandlers& controlHandlers) override;
  void AddFrame(const platform::Rect&, platform::Colour) override {}

 private:
  FakeControl& Add(int controlId, const platform::Rect& at);

  platform::WindowHandle handle_;
  Calls& calls_;
};

}  // namespace orvane::testing

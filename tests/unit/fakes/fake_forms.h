#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/form_services.h"

namespace orvane::testing {

// An image that records what is drawn on it into a shared call list, as "<name>: ...".
class FakePixelImage : public platform::PixelImage {
 public:
  FakePixelImage(std::wstring name, std::int32_t width, std::int32_t height,
                 std::vector<std::wstring>& calls)
      : name_(std::move(name)), width_(width), height_(height), calls_(calls) {}

  const std::wstring& Name() const { return name_; }
  std::int32_t Width() override { return width_; }
  std::int32_t Height() override { return height_; }
  void Resize(std::int32_t width, std::int32_t height) override;
  void CopyFromScreen() override;
  void CopyFrom(PixelImage& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t width,
                std::int32_t height, std::int32_t destinationX, std::int32_t destinationY) override;
  void FillRectangle(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     platform::Colour colour) override;
  void DrawLine(const platform::Point& from, const platform::Point& to,
                platform::Colour colour) override;
  void StretchFrom(PixelImage& source, const platform::Rect& from,
                   const platform::Rect& to) override;
  void GradientFill(const std::vector<platform::GradientVertex>& vertices,
                    const std::vector<platform::GradientRectangle>& mesh,
                    platform::GradientDirection direction) override;
  void DrawCentredText(const std::wstring& text, const platform::Rect& box,
                       const platform::FontDescription& font, platform::Colour colour,
                       bool greyed) override;

 private:
  std::wstring name_;
  std::int32_t width_;
  std::int32_t height_;
  std::vector<std::wstring>& calls_;
};

class FakeControlContainer;

// A window that records what is done to it; a test makes its timers tick with Tick().
class FakeFormWindow : public platform::FormWindow {
 public:
  // `frame`: how much larger than the client area the outer rectangle is.
  FakeFormWindow(std::wstring title, platform::FormHandlers& handlers,
                 std::vector<std::wstring>& calls, const platform::FormStyle& style = {},
                 platform::Point frame = {});
  ~FakeFormWindow() override;

  // Runs the handler of an enabled timer; false when the timer is not enabled.
  bool Tick(int timerId);
  std::uint32_t TimerInterval(int timerId) const;
  bool Visible() const { return visible_; }
  const std::wstring& Title() const { return title_; }
  const platform::FormStyle& Style() const { return style_; }
  FakeControlContainer& controls() { return *controls_; }

  platform::WindowHandle Handle() override { return 0x5A5A; }
  void SetBounds(const platform::Rect& bounds) override;
  std::int32_t ClientWidth() override { return clientWidth_; }
  std::int32_t ClientHeight() override { return clientHeight_; }
  void Show() override;
  void Hide() override;
  void ShowModal() override;
  platform::ControlContainer& Controls() override;
  void EnableTimer(int timerId, std::uint32_t intervalMs) override;
  void DisableTimer(int timerId) override;
  bool TimerEnabled(int timerId) override { return timers_.count(timerId) > 0; }
  platform::PixelImage& Image() override { return image_; }
  void Present() override { calls_.push_back(L"Present"); }
  void Unload() override;
  bool IsLoaded() override { return loaded_; }

 private:
  std::wstring title_;
  platform::FormHandlers& handlers_;
  std::vector<std::wstring>& calls_;
  platform::FormStyle style_;
  platform::Point frame_;
  FakePixelImage image_;
  std::unique_ptr<FakeControlContainer> controls_;
  std::map<int, std::uint32_t> timers_;
  std::int32_t clientWidth_ = 0;
  std::int32_t clientHeight_ = 0;
  bool visible_ = false;
  bool loaded_ = true;
};

class FakeFormServices : public platform::FormServices {
 public:
  explicit FakeFormServices(std::vector<std::wstring>& calls) : calls_(calls) {}

  std::int32_t screenWidth = 8;
  std::int32_t screenHeight = 4;
  // Runs each time pending messages are handled, standing in for what arrives meanwhile.
  std::function<void()> onPendingMessages;
  // The last form created.
  FakeFormWindow* form = nullptr;
  // The program's stored pictures, with their sizes.
  std::map<std::wstring, std::pair<std::int32_t, std::int32_t>> pictures;
  // How much larger than its client area a dialog's outer rectangle is.
  platform::Point dialogFrame{6, 26};
  // What the user chooses in the file-open dialog; empty when cancelling it.
  std::optional<std::wstring> chosenFile;

  using platform::FormServices::CreateForm;
  std::unique_ptr<platform::FormWindow> CreateForm(const std::wstring& title,
                                                   platform::FormHandlers& handlers,
                                                   const platform::FormStyle& style) override;
  std::unique_ptr<platform::PixelImage> CreateImage(std::int32_t width, std::int32_t height) override;
  std::unique_ptr<platform::PixelImage> LoadPicture(const std::wstring& pictureName) override;
  std::int32_t PrimaryScreenWidth() override { return screenWidth; }
  std::int32_t PrimaryScreenHeight() override { return screenHeight; }
  void ProcessPendingMessages() override;
  void SetScreenPointer(platform::ScreenPointer pointer) override;
  std::optional<std::wstring> ChooseFileToOpen(const platform::OpenFileRequest& request) override;

 private:
  std::vector<std::wstring>& calls_;
  int images_ = 0;
};

}  // namespace orvane::testing

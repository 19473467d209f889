#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "fakes/fake_controls.h"
#include "platform/form_services.h"

namespace orvane::testing {

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

  // Runs the handler of an enabled timer; false when the timer is not enabled.
  bool Tick(int timerId);
  std::uint32_t TimerInterval(int timerId) const { return timers_.count(timerId) ? timers_.at(timerId) : 0; }
  bool Visible() const { return visible_; }
  // The client area, whose box is the client area's size.
  FakeControl& controls() { return controls_; }

  platform::WindowHandle Handle() override { return 0x5A5A; }
  void SetBounds(const platform::Rect& bounds) override;
  std::int32_t ClientWidth() override { return controls_.box.right; }
  std::int32_t ClientHeight() override { return controls_.box.bottom; }
  void Show() override { Record(L"Show", true); }
  void Hide() override { Record(L"Hide", false); }
  void ShowModal() override { Record(L"ShowModal", true); }
  platform::ControlContainer& Controls() override { return controls_; }
  void EnableTimer(int timerId, std::uint32_t intervalMs) override;
  void DisableTimer(int timerId) override;
  bool TimerEnabled(int timerId) override { return timers_.count(timerId) > 0; }
  platform::PixelImage& Image() override { return image_; }
  void Present() override { calls_.push_back(L"Present"); }
  void Unload() override;
  bool IsLoaded() override { return loaded_; }

 private:
  void Record(const wchar_t* call, bool visible) {
    calls_.push_back(call);
    visible_ = visible;
  }

  platform::FormHandlers& handlers_;
  Calls& calls_;
  platform::Point frame_;
  FakePixelImage image_;
  FakeControl controls_;
  std::map<int, std::uint32_t> timers_;
  bool visible_ = false;
  bool loaded_ = true;
};

class FakeFormServices : public platform::FormServices {
 public:
  explicit FakeFormServices(Calls& calls) : calls_(calls) {}

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
  void ProcessPendingMessages() override {
    calls_.push_back(L"ProcessPendingMessages");
    if (onPendingMessages) onPendingMessages();
  }
  void SetScreenPointer(platform::ScreenPointer pointer) override {
    calls_.push_back(pointer == platform::ScreenPointer::kHourglass ? L"SetScreenPointer(hourglass)"
                                                                    : L"SetScreenPointer(default)");
  }
  std::optional<std::wstring> ChooseFileToOpen(const platform::OpenFileRequest& request) override;

 private:
  Calls& calls_;
  int images_ = 0;
};

}  // namespace orvane::testing

#pragma once

#include <algorithm>
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
    calls_.push_back(Call(L"SetScreenPointer", pointer == platform::ScreenPointer::kHourglass ? L"hourglass" : L"default"));
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
